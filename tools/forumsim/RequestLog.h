#pragma once

// The requests the service has answered, newest last, for tests to inspect: method, URL,
// status, the member it was made for and the decoded form fields.

#include <QJsonArray>
#include <QJsonObject>

#include <mutex>

namespace tavrel::forumsim {

class RequestLog
{
public:
    static constexpr int kLimit = 5000;

    void append(const QJsonObject& entry);
    QJsonArray entries() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    QJsonArray m_entries;
};

} // namespace tavrel::forumsim
