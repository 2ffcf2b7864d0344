#pragma once

// Login sessions of the simulated service: a random token per login, sent back in a cookie
// for the service's whole domain. Sessions end at logout, when their lifetime runs out, or
// all at once when a test expires them.

#include <QDateTime>
#include <QHash>
#include <QString>

#include <mutex>
#include <optional>

namespace tavrel::forumsim {

class SessionStore
{
public:
    // Starts a session for the member; returns its token.
    QString create(const QString& memberId);
    // The member of a live session; nothing for an unknown, ended or expired token.
    std::optional<QString> memberOf(const QString& token) const;
    void end(const QString& token);
    void expireAll();
    // Seconds a session lives after its login; 0 for no limit.
    void setLifetime(int seconds);
    int liveCount() const;

private:
    struct Session
    {
        QString memberId;
        QDateTime started;
    };

    bool isLive(const Session& session) const;

    mutable std::mutex m_mutex;
    QHash<QString, Session> m_sessions;
    int m_lifetime = 0;
};

} // namespace tavrel::forumsim
