#include "JapanTime.h"

#include <QTimeZone>

namespace tavrel::forumsim {

namespace {

QTimeZone japan()
{
    return QTimeZone(9 * 3600);
}

} // namespace

QDateTime JapanTime::now()
{
    return toJapan(QDateTime::currentDateTimeUtc());
}

QDateTime JapanTime::toJapan(const QDateTime& moment)
{
    return moment.toTimeZone(japan());
}

QString JapanTime::boardDate(const QDateTime& moment)
{
    static const QString weekdays = QStringLiteral("月火水木金土日");
    const QDateTime local = toJapan(moment);
    const QString day = weekdays.mid(local.date().dayOfWeek() - 1, 1);
    return local.toString(QStringLiteral("yyyy/MM/dd")) + u'(' + day + u')' +
           local.toString(QStringLiteral(" HH:mm"));
}

QString JapanTime::plainDate(const QDateTime& moment)
{
    return toJapan(moment).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

std::optional<QDateTime> JapanTime::parse(const QString& text)
{
    QDateTime parsed = QDateTime::fromString(text.trimmed(), QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!parsed.isValid())
        return std::nullopt;
    parsed.setTimeZone(japan());
    return parsed;
}

} // namespace tavrel::forumsim
