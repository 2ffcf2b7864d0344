#include "SessionStore.h"

#include <QRandomGenerator>

namespace tavrel::forumsim {

QString SessionStore::create(const QString& memberId)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString token;
    for (quint32 word : words)
        token += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
    std::lock_guard guard(m_mutex);
    m_sessions.insert(token, Session{memberId, QDateTime::currentDateTimeUtc()});
    return token;
}

std::optional<QString> SessionStore::memberOf(const QString& token) const
{
    std::lock_guard guard(m_mutex);
    const auto it = m_sessions.constFind(token);
    if (it == m_sessions.constEnd() || !isLive(*it))
        return std::nullopt;
    return it->memberId;
}

void SessionStore::end(const QString& token)
{
    std::lock_guard guard(m_mutex);
    m_sessions.remove(token);
}

void SessionStore::expireAll()
{
    std::lock_guard guard(m_mutex);
    m_sessions.clear();
}

void SessionStore::setLifetime(int seconds)
{
    std::lock_guard guard(m_mutex);
    m_lifetime = qMax(0, seconds);
}

int SessionStore::liveCount() const
{
    std::lock_guard guard(m_mutex);
    int count = 0;
    for (const Session& session : m_sessions)
        count += isLive(session) ? 1 : 0;
    return count;
}

bool SessionStore::isLive(const Session& session) const
{
    return m_lifetime == 0 || session.started.secsTo(QDateTime::currentDateTimeUtc()) < m_lifetime;
}

} // namespace tavrel::forumsim
