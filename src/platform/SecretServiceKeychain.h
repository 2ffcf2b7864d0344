#pragma once

// The keychain of the desktop: QtKeychain over the freedesktop Secret Service. Each call waits
// for its answer in a local event loop. When no secret service answers, calls fail quietly:
// lookups find nothing, and the first such failure is written to the system log once.

#include "platform/Keychain.h"

namespace tavrel {

class SystemLog;

class SecretServiceKeychain : public Keychain
{
public:
    explicit SecretServiceKeychain(SystemLog& log);

    std::optional<QByteArray> findGenericPassword(const QString& service, const QString& account) override;
    bool addGenericPassword(const QString& service, const QString& account,
                            const QByteArray& secret) override;
    bool deleteGenericPassword(const QString& service, const QString& account) override;

private:
    // Logs the first failure that is not a missing item.
    void noteFailure(int error, const QString& message);

    SystemLog& m_log;
    bool m_failureLogged = false;
};

} // namespace tavrel
