#include "PageDate.h"

#include "store/DateText.h"
#include "text/TextScanner.h"

namespace tavrel {

namespace {

constexpr QStringView digitSet = u"0123456789";

} // namespace

PageDate PageDate::fromText(QStringView text, const QDateTime& now)
{
    const QDate today = now.date();
    const QTime time = now.time();
    int fields[5] = {today.year(), today.month(), today.day(), time.hour(), time.minute()};
    TextScanner scanner(text);
    for (int& field : fields) {
        // Whatever stands before the next digit is passed over; a number found replaces the
        // current value, none keeps it.
        (void)scanner.scanUpToAnyOf(digitSet);
        if (const std::optional<int> number = scanner.scanInteger())
            field = *number;
    }

    PageDate date;
    date.year = fields[0];
    date.month = fields[1];
    date.day = fields[2];
    date.hour = fields[3];
    date.minute = fields[4];
    const QDate civilDate(date.year, date.month, date.day);
    const QTime civilTime(date.hour, date.minute, 0);
    if (civilDate.isValid() && civilTime.isValid())
        date.moment = QDateTime(civilDate, civilTime, japanTime());
    return date;
}

QString PageDate::dateText() const
{
    if (!moment.isValid() || year < 1 || year > 9999)
        return QString();
    return formatDateText(moment);
}

QString PageDate::dayNumber() const
{
    // Values that do not fit their width are written whole (a negative one with its sign).
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(day, 2, 10, QChar(u'0'));
}

} // namespace tavrel
