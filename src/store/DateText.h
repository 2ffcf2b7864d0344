#pragma once

// Date text: the form "yyyy-MM-dd HH:mm:ss +HHMM" of every stored date, with the offset from
// UTC as a sign and four digits. Dates cut from board pages carry Japan time, the fixed offset
// +09:00.

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>

namespace tavrel {

// Japan time as a fixed offset (no rules, no daylight saving).
QTimeZone japanTime();

// The moment a date text names; nothing when the text is not exactly of the form (surrounding
// white space is not allowed either) or names no real date.
std::optional<QDateTime> parseDateText(QStringView text);

// The date text of a moment in its own offset; the empty text for an invalid moment.
QString formatDateText(const QDateTime& moment);

} // namespace tavrel
