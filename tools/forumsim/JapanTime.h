#pragma once

// Dates as the service shows them: Japan time (UTC+09:00), to the minute.

#include <QDateTime>
#include <QString>

#include <optional>

namespace tavrel::forumsim {

class JapanTime
{
public:
    static QDateTime now();
    static QDateTime toJapan(const QDateTime& moment);
    // "2004/05/12(水) 13:45", the form of board pages.
    static QString boardDate(const QDateTime& moment);
    // "2004/05/12 13:45", the form of forum top and MyDesk pages.
    static QString plainDate(const QDateTime& moment);
    // "yyyy-MM-dd HH:mm" read as Japan time; nothing when it does not parse.
    static std::optional<QDateTime> parse(const QString& text);
};

} // namespace tavrel::forumsim
