#include "TlsIdentity.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509v3.h>

namespace tavrel::forumsim {

namespace {

constexpr long kValidSeconds = 30L * 24 * 3600;

QString openSslError()
{
    char buffer[256];
    ERR_error_string_n(ERR_get_error(), buffer, sizeof buffer);
    return QString::fromLatin1(buffer);
}

bool setRandomSerial(X509* certificate)
{
    unsigned char bytes[16];
    if (RAND_bytes(bytes, sizeof bytes) != 1)
        return false;
    bytes[0] &= 0x7f; // positive
    BIGNUM* number = BN_bin2bn(bytes, sizeof bytes, nullptr);
    const bool ok = number && BN_to_ASN1_INTEGER(number, X509_get_serialNumber(certificate)) != nullptr;
    BN_free(number);
    return ok;
}

bool addExtension(X509* certificate, X509* issuer, const QString& extension)
{
    const qsizetype equals = extension.indexOf(u'=');
    const QByteArray name = extension.left(equals).toLatin1();
    const QByteArray value = extension.mid(equals + 1).toLatin1();
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* made = X509V3_EXT_conf(nullptr, &context, name.constData(), value.constData());
    if (!made)
        return false;
    const bool ok = X509_add_ext(certificate, made, -1) == 1;
    X509_EXTENSION_free(made);
    return ok;
}

} // namespace

TlsIdentity::Key TlsIdentity::newKey()
{
    return Key(EVP_EC_gen("P-256"));
}

TlsIdentity::Certificate TlsIdentity::newCertificate(const QString& commonName, EVP_PKEY* key, X509* issuer,
                                                     EVP_PKEY* issuerKey, const QStringList& extensions)
{
    Certificate certificate(X509_new());
    if (!certificate || X509_set_version(certificate.get(), 2) != 1 || !setRandomSerial(certificate.get()))
        return nullptr;
    X509_gmtime_adj(X509_getm_notBefore(certificate.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate.get()), kValidSeconds);
    X509_NAME* name = X509_get_subject_name(certificate.get());
    const QByteArray cn = commonName.toUtf8();
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>("tavrel-forumsim"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>(cn.constData()), -1, -1, 0);
    X509* signer = issuer ? issuer : certificate.get();
    if (X509_set_issuer_name(certificate.get(), X509_get_subject_name(signer)) != 1 ||
        X509_set_pubkey(certificate.get(), key) != 1)
        return nullptr;
    for (const QString& extension : extensions) {
        if (!addExtension(certificate.get(), signer, extension))
            return nullptr;
    }
    if (X509_sign(certificate.get(), issuerKey, EVP_sha256()) == 0)
        return nullptr;
    return certificate;
}

std::unique_ptr<TlsIdentity> TlsIdentity::generate(const QStringList& dnsNames, QString* error)
{
    auto identity = std::unique_ptr<TlsIdentity>(new TlsIdentity);
    identity->m_authorityKey = newKey();
    identity->m_serverKey = newKey();
    if (!identity->m_authorityKey || !identity->m_serverKey) {
        *error = QStringLiteral("cannot make a key: ") + openSslError();
        return nullptr;
    }
    identity->m_authority =
        newCertificate(QStringLiteral("tavrel-forumsim throwaway CA"), identity->m_authorityKey.get(),
                       nullptr, identity->m_authorityKey.get(),
                       {QStringLiteral("basicConstraints=critical,CA:TRUE"),
                        QStringLiteral("keyUsage=critical,keyCertSign,cRLSign"),
                        QStringLiteral("subjectKeyIdentifier=hash")});
    if (!identity->m_authority) {
        *error = QStringLiteral("cannot make the certificate authority: ") + openSslError();
        return nullptr;
    }
    QStringList altNames;
    for (const QString& name : dnsNames)
        altNames.append(QStringLiteral("DNS:") + name);
    altNames.append(QStringLiteral("IP:127.0.0.1"));
    identity->m_serverCertificate = newCertificate(
        dnsNames.value(0, QStringLiteral("localhost")), identity->m_serverKey.get(),
        identity->m_authority.get(), identity->m_authorityKey.get(),
        {QStringLiteral("basicConstraints=critical,CA:FALSE"),
         QStringLiteral("keyUsage=critical,digitalSignature,keyEncipherment"),
         QStringLiteral("extendedKeyUsage=serverAuth"), QStringLiteral("subjectKeyIdentifier=hash"),
         QStringLiteral("authorityKeyIdentifier=keyid:always"),
         QStringLiteral("subjectAltName=") + altNames.join(u',')});
    if (!identity->m_serverCertificate) {
        *error = QStringLiteral("cannot make the server certificate: ") + openSslError();
        return nullptr;
    }
    return identity;
}

QByteArray TlsIdentity::authorityPem() const
{
    BIO* memory = BIO_new(BIO_s_mem());
    QByteArray pem;
    if (memory && PEM_write_bio_X509(memory, m_authority.get()) == 1) {
        char* data = nullptr;
        const long length = BIO_get_mem_data(memory, &data);
        pem = QByteArray(data, length);
    }
    BIO_free(memory);
    return pem;
}

} // namespace tavrel::forumsim
