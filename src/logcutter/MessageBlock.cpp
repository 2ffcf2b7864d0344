#include "MessageBlock.h"

#include "CommentLink.h"
#include "PageDate.h"
#include "PageMarkers.h"
#include "text/EntityCoding.h"
#include "text/TextScanner.h"

namespace tavrel {

namespace {

// A field between a required begin marker and an end marker whose absence gives the empty
// text (title and name). False when the begin marker is missing.
bool readOpenField(TextScanner& scanner, QStringView begin, QStringView end, QString& text)
{
    scanner.setPosition(0);
    if (!scanner.scanUpTo(begin) || !scanner.scan(begin))
        return false;
    const std::optional<QStringView> found = scanner.scanUpTo(end);
    text = decodePageEntities(found ? *found : QStringView());
    return true;
}

// One pass over the fields; stops at the first required field that is missing, keeping the
// fields already set.
void readFields(TextScanner& scanner, QStringView serviceDomain, const QDateTime& now, CutMessage& cut)
{
    MessageRecord& record = cut.record;
    if (!scanner.scanUpTo(marker::numberBegin) || !scanner.scan(marker::numberBegin))
        return;
    const std::optional<QStringView> number = scanner.scanUpTo(marker::numberEnd);
    if (!number)
        return;
    record.setNumber(number->toString());

    scanner.setPosition(0);
    const std::optional<QStringView> comment = scanner.textBetween(marker::commentBegin, marker::commentEnd);
    if (!comment)
        return;
    record.setComment(comment->toString());

    QString text;
    if (!readOpenField(scanner, marker::titleBegin, marker::titleEnd, text))
        return;
    record.setTitle(std::move(text));
    if (!readOpenField(scanner, marker::nameBegin, marker::nameEnd, text))
        return;
    record.setName(std::move(text));

    scanner.setPosition(0);
    const std::optional<QStringView> date = scanner.textBetween(marker::dateBegin, marker::dateEnd);
    if (!date)
        return;
    record.setDate(PageDate::fromText(*date, now).dateText());

    scanner.setPosition(0);
    if (std::optional<CommentLink> link = CommentLink::read(scanner, serviceDomain)) {
        record.setCommentURL(std::move(link->commentURL));
        cut.postURL = std::move(link->postURL);
    }
}

} // namespace

CutMessage MessageBlock::cut(QStringView block, QStringView serviceDomain, const QDateTime& now)
{
    CutMessage cut;
    MessageRecord& record = cut.record;

    // Passes go on from where the previous one stopped. One that ends no further than it
    // began (a block that begins with the number marker, or a second number marker after
    // the comment link) would repeat itself for ever: it ends the fields instead.
    TextScanner scanner(block);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        readFields(scanner, serviceDomain, now, cut);
        if (scanner.position() <= start)
            break;
    }

    scanner.setPosition(0);
    if (const std::optional<QStringView> reference =
            scanner.textBetween(marker::referenceBegin, marker::referenceEnd))
        record.setRefference(reference->toString());

    if (std::optional<QString> address = eMail(block))
        record.setEMail(std::move(*address));

    record.setContents(contents(block));
    record.setDontRead(QStringLiteral("YES"));
    record.setLock(QStringLiteral("NO"));
    record.setMemo(QString());
    record.setLabel(QString());
    return cut;
}

std::optional<QString> MessageBlock::eMail(QStringView block)
{
    std::optional<QString> address;
    TextScanner scanner(block);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        if (const std::optional<QStringView> link =
                scanner.textBetween(marker::eMailBegin, marker::eMailEnd)) {
            TextScanner linkScanner(*link);
            while (!linkScanner.atEnd()) {
                const qsizetype linkStart = linkScanner.position();
                if (linkScanner.scanUpTo(u"mailto:") && linkScanner.scan(u"mailto:")) {
                    if (const std::optional<QStringView> found = linkScanner.scanUpTo(u"\""))
                        address = found->toString();
                }
                if (linkScanner.position() <= linkStart)
                    break;
            }
        }
        if (scanner.position() <= start)
            break;
    }
    return address;
}

QString MessageBlock::contents(QStringView block)
{
    static constexpr QStringView droppedTags[] = {u"<table", u"<tr", u"<td", u"</table", u"</tr", u"</td"};

    QString out;
    out.reserve(block.size());
    TextScanner scanner(block);
    while (!scanner.atEnd()) {
        const qsizetype start = scanner.position();
        bool dropped = false;
        for (QStringView tag : droppedTags) {
            if (scanner.scan(tag)) {
                (void)scanner.scanUpTo(u">");
                (void)scanner.scan(u">");
                dropped = true;
                break;
            }
        }
        if (!dropped) {
            if (scanner.scan(u"<"))
                out += u'<';
            else if (const std::optional<QStringView> text = scanner.scanUpTo(u"<"))
                out += *text;
        }
        if (scanner.position() <= start)
            break;
    }
    return out;
}

} // namespace tavrel
