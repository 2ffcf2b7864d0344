#include "store/DateText.h"

namespace tavrel {

namespace {

// The digits of text[at, at + count); -1 when one of them is not an ASCII digit.
int digits(QStringView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QTimeZone japanTime()
{
    return QTimeZone(9 * 3600);
}

std::optional<QDateTime> parseDateText(QStringView text)
{
    // 0123456789012345678901234
    // yyyy-MM-dd HH:mm:ss +HHMM
    if (text.size() != 25)
        return std::nullopt;
    static constexpr struct
    {
        qsizetype at;
        char16_t c;
    } separators[] = {{4, u'-'}, {7, u'-'}, {10, u' '}, {13, u':'}, {16, u':'}, {19, u' '}};
    for (const auto& s : separators) {
        if (text[s.at] != s.c)
            return std::nullopt;
    }
    const char16_t sign = text[20].unicode();
    if (sign != u'+' && sign != u'-')
        return std::nullopt;
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2);
    const int minute = digits(text, 14, 2);
    const int second = digits(text, 17, 2);
    const int offsetHours = digits(text, 21, 2);
    const int offsetMinutes = digits(text, 23, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0 || offsetHours < 0 ||
        offsetMinutes < 0)
        return std::nullopt;
    if (offsetHours > 14 || offsetMinutes > 59)
        return std::nullopt;
    const int offset = (sign == u'-' ? -1 : 1) * (offsetHours * 3600 + offsetMinutes * 60);
    if (offset < -14 * 3600 || offset > 14 * 3600)
        return std::nullopt;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    const QDateTime moment(date, time, QTimeZone(offset));
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

QString formatDateText(const QDateTime& moment)
{
    if (!moment.isValid())
        return QString();
    const int offset = moment.offsetFromUtc();
    const int magnitude = qAbs(offset) / 60;
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1%2")
               .arg(magnitude / 60, 2, 10, QChar(u'0'))
               .arg(magnitude % 60, 2, 10, QChar(u'0'));
}

} // namespace tavrel
