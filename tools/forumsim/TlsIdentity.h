#pragma once

// A throwaway certificate authority and a server certificate it signed, made at start: the
// https side of the simulator presents the server certificate, and curl trusts the
// authority through its config ("cacert"). Nothing is reused between runs.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <memory>

namespace tavrel::forumsim {

class TlsIdentity
{
public:
    // A new authority and a server certificate for the DNS names (wildcards allowed) and
    // 127.0.0.1; nothing (with `error` set) when OpenSSL fails.
    static std::unique_ptr<TlsIdentity> generate(const QStringList& dnsNames, QString* error);

    X509* serverCertificate() const { return m_serverCertificate.get(); }
    EVP_PKEY* serverKey() const { return m_serverKey.get(); }
    QByteArray authorityPem() const;

private:
    struct X509Free
    {
        void operator()(X509* certificate) const { X509_free(certificate); }
    };
    struct KeyFree
    {
        void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
    };
    using Certificate = std::unique_ptr<X509, X509Free>;
    using Key = std::unique_ptr<EVP_PKEY, KeyFree>;

    static Key newKey();
    static Certificate newCertificate(const QString& commonName, EVP_PKEY* key, X509* issuer,
                                      EVP_PKEY* issuerKey, const QStringList& extensions);

    Key m_authorityKey;
    Certificate m_authority;
    Key m_serverKey;
    Certificate m_serverCertificate;
};

} // namespace tavrel::forumsim
