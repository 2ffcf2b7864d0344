#include "MyDeskPage.h"

#include "PageDate.h"
#include "text/EntityCoding.h"
#include "text/TextScanner.h"

namespace tavrel {

namespace {

constexpr QStringView senderLink = u"<a class=\"classname\"";
constexpr QStringView textCell = u"<td class=\"jpsystem\">";
constexpr QStringView lineBreak = u"<br>";

// Passes over the next `opening` and its closing ">"; false when either is missing.
bool passTag(TextScanner& scanner, QStringView opening)
{
    return scanner.scanUpTo(opening) && scanner.scanUpTo(u">") && scanner.scan(u">");
}

// One message from the scanner's position; nothing when its cells are not in order.
std::optional<MessageRecord> readMessage(TextScanner& scanner, const QDateTime& now)
{
    if (!scanner.scanUpTo(senderLink) || !scanner.scanUpTo(u">") || !scanner.scan(u">"))
        return std::nullopt;
    const std::optional<QStringView> sender = scanner.scanUpTo(u"<");
    if (!sender)
        return std::nullopt;

    if (!passTag(scanner, u"<td"))
        return std::nullopt;
    const std::optional<QStringView> member = scanner.scanUpToAnyOf(u"\r\n<");
    if (!member)
        return std::nullopt;

    MessageRecord record;
    const QString senderLine = *sender + QStringLiteral("   ") + *member;
    record.setName(decodePageEntities(senderLine));
    QString contents = senderLine + QStringLiteral("<br>\n");

    if (!passTag(scanner, u"<td width="))
        return std::nullopt;
    const std::optional<QStringView> dateText = scanner.scanUpTo(u"<");
    if (!dateText)
        return std::nullopt;
    contents += *dateText + QStringLiteral("<br>\n<br>\n");
    const PageDate date = PageDate::fromText(*dateText, now);
    record.setDate(date.dateText());
    record.setNumber(date.dayNumber());

    if (!scanner.scanUpTo(textCell) || !scanner.scan(textCell))
        return std::nullopt;
    const qsizetype textStart = scanner.position();
    const std::optional<QStringView> text = scanner.scanUpTo(u"</td>");
    if (!text)
        return std::nullopt;
    contents += *text;
    record.setContents(std::move(contents));
    const qsizetype textEnd = scanner.position();

    // The title is the text's first line. A "<br>" found beyond the cell belongs to a later
    // message: the title is then empty, and the next message is read from the cell's end so
    // that it is not passed over.
    scanner.setPosition(textStart);
    const std::optional<QStringView> firstLine = scanner.scanUpTo(lineBreak);
    if (firstLine && scanner.position() <= textEnd) {
        record.setTitle(decodePageEntities(*firstLine));
    } else {
        record.setTitle(QString());
        scanner.setPosition(textEnd);
    }

    record.setDontRead(QStringLiteral("YES"));
    record.setLock(QStringLiteral("NO"));
    record.setMemo(QString());
    record.setLabel(QString());
    return record;
}

} // namespace

QList<MessageRecord> MyDeskPage::messages(QStringView page, const QDateTime& now)
{
    QList<MessageRecord> records;
    TextScanner scanner(page);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        if (std::optional<MessageRecord> record = readMessage(scanner, now))
            records.append(std::move(*record));
        if (scanner.position() <= start)
            break;
    }
    return records;
}

} // namespace tavrel
