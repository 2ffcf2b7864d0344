#include "BoardIdentity.h"

#include "BoardPage.h"
#include "PageDate.h"
#include "PageMarkers.h"
#include "store/DateText.h"
#include "text/IntegerValue.h"
#include "text/TextScanner.h"

namespace tavrel {

BoardIdentity::Decision BoardIdentity::decide(const BoardLogHeader& header, bool fileExists,
                                              const QString& decodedTitle, QStringView page,
                                              bool checkRestart, const QDateTime& now)
{
    const bool hasTitle = header.contains(BoardLogHeader::KaigishitsuName);
    if (hasTitle && header.kaigishitsuName().isEmpty())
        return Decision::TakeTitle;
    if (!fileExists)
        return Decision::Unchanged;
    if (!hasTitle || decodedTitle != header.kaigishitsuName())
        return Decision::Retitled;
    if (checkRestart && hasRestarted(header, page, now))
        return Decision::Restarted;
    return Decision::Unchanged;
}

bool BoardIdentity::hasRestarted(const BoardLogHeader& header, QStringView page, const QDateTime& now)
{
    const std::optional<QStringView> block = BoardPage::lastCompleteBlock(page);
    if (!block)
        return false;
    TextScanner scanner(*block);
    const std::optional<QStringView> number = scanner.textBetween(marker::numberBegin, marker::numberEnd);
    if (!number)
        return false;
    const std::optional<QStringView> dateText = scanner.textBetween(marker::dateBegin, marker::dateEnd);
    if (!dateText || !header.contains(BoardLogHeader::DateOfLastMes))
        return false;
    const std::optional<QDateTime> lastDate = parseDateText(header.dateOfLastMes());
    const std::optional<QDateTime> date = parseDateText(PageDate::fromText(*dateText, now).dateText());
    if (!lastDate || !date)
        return false;
    return integerValue(*number) <= integerValue(header.numberOfLastMes()) && *date > *lastDate;
}

void BoardIdentity::reset(BoardLogHeader& header, QList<MessageRecord>& body)
{
    header.setMidokuSu(QStringLiteral("0"));
    header.setPostURL(QString());
    header.setNumberOfLastMes(QStringLiteral("0"));
    header.setBoardName(QString());
    body.clear();
}

} // namespace tavrel
