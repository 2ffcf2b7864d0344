#include "MessageHtml.h"

#include "app/BoardColor.h"
#include "text/TextScanner.h"

#include <QChar>
#include <QList>

#include <utility>

namespace tavrel {

namespace {

bool isKeptControl(char32_t c)
{
    return c == u'\t' || c == u'\n' || c == u'\r';
}

bool isShown(char32_t c)
{
    if (QChar::category(c) == QChar::Other_Control)
        return isKeptControl(c);
    return !QChar::isNonCharacter(c) && QChar::category(c) != QChar::Other_NotAssigned;
}

} // namespace

QString withoutControlCharacters(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(c, text[i + 1]);
            if (isShown(code)) {
                out.append(c);
                out.append(text[i + 1]);
            }
            ++i;
            continue;
        }
        if (c.isSurrogate())
            continue; // half of a pair without its other half
        if (isShown(c.unicode()))
            out.append(c);
    }
    return out;
}

QString withoutUserActionBlock(const QString& text, QStringView label)
{
    const qsizetype marker = text.indexOf(messageTextBeginMarker, 0, Qt::CaseInsensitive);
    if (marker < 0)
        return text;
    TextScanner scanner(QStringView(text).first(marker));
    if (!scanner.scanUpTo(label))
        return text;
    const qsizetype labelStart = scanner.position();
    if (!scanner.scanUpTo(u"</div>"))
        return text;
    const qsizetype blockEnd = scanner.position();
    // Keep the label's first character whole, even when it is a surrogate pair.
    const qsizetype from = labelStart + (text[labelStart].isHighSurrogate() ? 2 : 1);
    if (from >= blockEnd)
        return text;
    QString out = text;
    out.remove(from, blockEnd - from);
    return out;
}

void imgTagAddLink(QString& text)
{
    struct Link
    {
        qsizetype start;
        qsizetype end;
        QString address;
    };
    QList<Link> links;
    TextScanner scanner(text);
    while (!scanner.atEnd()) {
        const qsizetype before = scanner.position();
        qsizetype next = before;
        while (next < text.size() && TextScanner::isSkip(text[next]))
            ++next;
        if (QStringView(text).sliced(next).startsWith(u"<img", Qt::CaseInsensitive))
            scanner.setPosition(next);
        else if (!scanner.scanUpTo(u"<img"))
            break;
        const qsizetype start = scanner.position();
        const std::optional<QStringView> tag = scanner.scanUpTo(u">");
        if (tag && scanner.scan(u">") && !tag->isEmpty()) {
            TextScanner inTag(*tag);
            if (inTag.scanUpTo(u"src=\"") && inTag.scan(u"src=\"")) {
                if (const std::optional<QStringView> address = inTag.scanUpTo(u"\""))
                    links.append({start, scanner.position(), address->toString()});
            }
        }
        if (scanner.position() == before)
            break; // a pass that moves nothing would repeat forever
    }
    for (qsizetype i = links.size() - 1; i >= 0; --i) {
        const Link& link = links[i];
        text.insert(link.end, u"</a> ");
        text.insert(link.start, u" <a href=\"" + link.address + u"\">");
    }
}

QString withBoardTextColor(const QString& text, QStringView colour)
{
    if (!BoardColor::isHexColour(colour))
        return text;
    return u"<font color=\"#" + colour + u"\">" + text + u"</font>";
}

} // namespace tavrel
