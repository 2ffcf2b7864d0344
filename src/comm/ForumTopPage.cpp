#include "ForumTopPage.h"

#include "store/DateText.h"
#include "store/SafeName.h"
#include "store/ServiceConfiguration.h"
#include "text/TextEncoding.h"

#include <QFile>

#include <climits>

namespace tavrel {

namespace {

constexpr QStringView kBlockBegin = u"<!-- BBS BEGIN -->";
constexpr QStringView kBlockEnd = u"<!-- BBS END -->";
constexpr QStringView kLinkOpener = u"<a href=\"";

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Skips every character that is not a decimal digit, then reads the digits (clamped);
// nothing when no digit is left.
std::optional<int> nextInteger(QStringView text, qsizetype& position)
{
    while (position < text.size() && !isDigit(text.at(position)))
        ++position;
    if (position >= text.size())
        return std::nullopt;
    qint64 value = 0;
    while (position < text.size() && isDigit(text.at(position))) {
        value = std::min<qint64>(value * 10 + (text.at(position).unicode() - u'0'), INT_MAX);
        ++position;
    }
    return int(value);
}

// The date text of the five fields after the label; nothing when the fields make no date.
QString lastDateText(QStringView fields, const QDateTime& now)
{
    const QDateTime japanNow = now.toTimeZone(japanTime());
    const int defaults[5] = {japanNow.date().year(), japanNow.date().month(), japanNow.date().day(),
                             japanNow.time().hour(), japanNow.time().minute()};
    int values[5];
    qsizetype position = 0;
    for (int i = 0; i < 5; ++i)
        values[i] = nextInteger(fields, position).value_or(defaults[i]);
    // Date text holds a four-digit year.
    if (values[0] < 1 || values[0] > 9999)
        return {};
    const QDate date(values[0], values[1], values[2]);
    const QTime time(values[3], values[4], 0);
    if (!date.isValid() || !time.isValid())
        return {};
    return formatDateText(QDateTime(date, time, japanTime()));
}

} // namespace

ForumTopPage::Markers ForumTopPage::Markers::from(const ServiceConfiguration& configuration)
{
    return {configuration.toolBetsuTsuikaJouhouStart(), configuration.toolBetsuTsuikaJouhouEnd(),
            configuration.saisyuuHatsugenNichiji()};
}

void ForumTopPage::huriwakeForumTopData(QStringView page, const Markers& markers, const QDateTime& now,
                                        QHash<QString, QString>& boardLastDates, QStringList* unsafeIDs)
{
    if (markers.start.isEmpty() || markers.end.isEmpty() || markers.label.isEmpty())
        return;
    qsizetype from = 0;
    while (true) {
        const qsizetype begin = page.indexOf(kBlockBegin, from, Qt::CaseInsensitive);
        if (begin < 0)
            return;
        const qsizetype blockStart = begin + kBlockBegin.size();
        const qsizetype end = page.indexOf(kBlockEnd, blockStart, Qt::CaseInsensitive);
        if (end < 0)
            return;
        from = end + kBlockEnd.size();
        const QStringView block = page.sliced(blockStart, end - blockStart);

        const qsizetype opener = block.indexOf(kLinkOpener, 0, Qt::CaseInsensitive);
        if (opener < 0)
            continue;
        const qsizetype linkStart = opener + kLinkOpener.size();
        const qsizetype quote = block.indexOf(u'"', linkStart);
        if (quote < 0)
            continue;
        const QStringView link = block.sliced(linkStart, quote - linkStart);
        const QString bbsID = link.sliced(link.lastIndexOf(u'/') + 1).toString();

        const qsizetype infoAt = block.indexOf(markers.start, quote + 1, Qt::CaseInsensitive);
        if (infoAt < 0)
            continue;
        const qsizetype infoStart = infoAt + markers.start.size();
        const qsizetype infoEnd = block.indexOf(markers.end, infoStart, Qt::CaseInsensitive);
        if (infoEnd < 0)
            continue;
        const QStringView info = block.sliced(infoStart, infoEnd - infoStart);
        const qsizetype labelAt = info.indexOf(markers.label, 0, Qt::CaseInsensitive);
        if (labelAt < 0)
            continue;
        if (!isSafeFileName(bbsID)) {
            if (unsafeIDs)
                unsafeIDs->append(bbsID);
            continue;
        }
        boardLastDates.insert(bbsID, lastDateText(info.sliced(labelAt + markers.label.size()), now));
    }
}

bool ForumTopPage::huriwakeForumTopFile(const QString& path, const Markers& markers, const QDateTime& now,
                                        QHash<QString, QString>& boardLastDates, QStringList* unsafeIDs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<QString> page = encoding::decodeShiftJis(file.readAll());
    if (!page)
        return false;
    huriwakeForumTopData(*page, markers, now, boardLastDates, unsafeIDs);
    return true;
}

} // namespace tavrel
