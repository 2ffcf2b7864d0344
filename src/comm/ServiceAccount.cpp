#include "ServiceAccount.h"

#include "platform/Keychain.h"

namespace tavrel {

ServiceAccount::ServiceAccount(Keychain& keychain)
    : m_keychain(keychain)
{}

void ServiceAccount::readItem(const QString& service, const QString& account, QString& value)
{
    const std::optional<QByteArray> secret = m_keychain.findGenericPassword(service, account);
    if (secret && secret->size() <= maxSecretBytes)
        value = QString::fromUtf8(*secret);
}

void ServiceAccount::readFromKeychain()
{
    readItem(idServiceName(), idAccountName(), m_niftyID);
    readItem(passwordServiceName(), passwordAccountName(), m_niftyPassword);
}

void ServiceAccount::setNiftyIDAndPassword(const QString& niftyID, const QString& niftyPassword)
{
    m_keychain.deleteGenericPassword(idServiceName(), idAccountName());
    m_keychain.deleteGenericPassword(passwordServiceName(), passwordAccountName());
    setNiftyIDAndPasswordForTemp(niftyID, niftyPassword);
    m_keychain.addGenericPassword(idServiceName(), idAccountName(), m_niftyID.toUtf8());
    m_keychain.addGenericPassword(passwordServiceName(), passwordAccountName(), m_niftyPassword.toUtf8());
}

void ServiceAccount::setNiftyIDAndPasswordForTemp(const QString& niftyID, const QString& niftyPassword)
{
    m_niftyID = niftyID;
    m_niftyPassword = niftyPassword;
}

} // namespace tavrel
