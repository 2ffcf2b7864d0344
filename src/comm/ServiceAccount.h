#pragma once

// The service ID: the member ID and password the service needs, kept in the keychain (two
// generic-password items) or only in memory for this run of the application, plus the result
// of the last login attempt.

#include <QString>

namespace tavrel {

class Keychain;

class ServiceAccount
{
public:
    static QString idServiceName() { return QStringLiteral("Tavrel @nifty access ID"); }
    static QString idAccountName() { return QStringLiteral("@nifty ID"); }
    static QString passwordServiceName() { return QStringLiteral("Tavrel @nifty access Password"); }
    static QString passwordAccountName() { return QStringLiteral("@nifty Password"); }
    // Items longer than this are not taken (the user is asked instead).
    static constexpr int maxSecretBytes = 2000;

    explicit ServiceAccount(Keychain& keychain);

    const QString& niftyID() const { return m_niftyID; }
    const QString& niftyPassword() const { return m_niftyPassword; }
    // True when neither the ID nor the password is empty.
    bool hasIDAndPassword() const { return !m_niftyID.isEmpty() && !m_niftyPassword.isEmpty(); }

    // Start-up: each item found becomes the ID or the password; a missing one leaves the
    // value as it is.
    void readFromKeychain();
    // Removes both items, takes the values and adds both items anew with them. Keychain
    // failures are ignored: the values then last for this run of the application.
    void setNiftyIDAndPassword(const QString& niftyID, const QString& niftyPassword);
    // Takes the values for this run of the application only; the keychain is left alone.
    void setNiftyIDAndPasswordForTemp(const QString& niftyID, const QString& niftyPassword);

    // The login flag: true when the last login attempt succeeded.
    bool isLoggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn) { m_loggedIn = loggedIn; }

private:
    void readItem(const QString& service, const QString& account, QString& value);

    Keychain& m_keychain;
    QString m_niftyID;
    QString m_niftyPassword;
    bool m_loggedIn = false;
};

} // namespace tavrel
