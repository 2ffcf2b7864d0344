#include "RequestLog.h"

namespace tavrel::forumsim {

void RequestLog::append(const QJsonObject& entry)
{
    std::lock_guard guard(m_mutex);
    m_entries.append(entry);
    while (m_entries.size() > kLimit)
        m_entries.removeFirst();
}

QJsonArray RequestLog::entries() const
{
    std::lock_guard guard(m_mutex);
    return m_entries;
}

void RequestLog::clear()
{
    std::lock_guard guard(m_mutex);
    m_entries = QJsonArray();
}

} // namespace tavrel::forumsim
