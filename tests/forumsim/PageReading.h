#pragma once

// What the integration tests of the simulator read from its pages, done the way the client's
// parsers read them: with TextScanner, the markers, and the comment-link rules. Also the
// client's strict form encoding of values (Shift_JIS, only letters and digits unescaped).

#include "text/TextEncoding.h"
#include "text/TextScanner.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace tavrel::test {

// Decodes a saved page with the charset its head declares (Shift_JIS unless iso-2022-jp).
inline QString decodePage(const QByteArray& bytes)
{
    const bool jis = bytes.left(400).toLower().contains("charset=iso-2022-jp");
    return encoding::decode(bytes, jis ? Charset::ISO2022JP : Charset::ShiftJIS).value_or(QString());
}

// The text between two markers (case-insensitive), from the start of `text`.
inline QString between(QStringView text, QStringView a, QStringView b)
{
    TextScanner scanner(text);
    const auto found = scanner.textBetween(a, b);
    return found ? found->toString() : QString();
}

// The message blocks of a board page, in page order.
inline QList<QString> messageBlocks(QStringView page)
{
    QList<QString> blocks;
    TextScanner scanner(page);
    while (!scanner.atEnd()) {
        const qsizetype before = scanner.position();
        if (!scanner.scanUpTo(u"<!-- BEGIN -->") || !scanner.scan(u"<!-- BEGIN -->"))
            break;
        const auto block = scanner.scanUpTo(u"<!-- END -->");
        if (!block)
            break;
        blocks.append(block->toString());
        if (scanner.position() == before)
            break;
    }
    return blocks;
}

inline int numberOf(QStringView block)
{
    return between(block, u"<!-- NO B -->", u"<!-- NO E -->").toInt();
}

inline QList<int> numbersOf(QStringView page)
{
    QList<int> numbers;
    for (const QString& block : messageBlocks(page))
        numbers.append(numberOf(block));
    return numbers;
}

struct CommentLink
{
    QString postUrl;
    QString commentUrl;
};

// The post and comment URLs of a block's comment link, by the log cutter's rules: after the
// message text's end marker, the first link; scheme and host up to the service domain, the
// script folder, the script prefix up to "wrent_", the board ID, an optional "wr_add=" part,
// and the sequence number up to "?".
inline std::optional<CommentLink> commentLinkOf(QStringView block, const QString& serviceDomain)
{
    const QString opener = QStringLiteral("<a href=\"");
    const QString domainText = u'.' + serviceDomain + u'/';
    TextScanner s(block);
    if (!s.scanUpTo(u"<!-- CON E -->") || !s.scanUpTo(opener) || !s.scan(opener))
        return std::nullopt;
    const auto a = s.scanUpTo(domainText);
    if (!a || !s.scan(domainText))
        return std::nullopt;
    const auto b = s.scanUpTo(u"/");
    const auto c = b ? s.scanUpTo(u"wrent_") : std::nullopt;
    if (!c || !s.scanUpTo(u"/") || !s.scan(u"/"))
        return std::nullopt;
    const auto k = s.scanUpTo(u"/");
    if (!k)
        return std::nullopt;
    const qsizetype remembered = s.position();
    if (!s.scanUpTo(u"wr_add="))
        return std::nullopt;
    QString w;
    if (const auto found = s.scanUpTo(u"/"))
        w = found->toString();
    else
        s.setPosition(remembered);
    QString post = a->toString() + domainText + b->toString() + c->toString() +
                   QStringLiteral("wrent_do?bid=") + k->toString() + u'&';
    if (!w.isEmpty())
        post += w + u'&';
    post += QStringLiteral("wr_type=M");
    if (!s.scanUpTo(u"wr_sq=") || !s.scan(u"wr_sq="))
        return std::nullopt;
    const auto sequence = s.scanUpTo(u"?");
    if (!sequence)
        return std::nullopt;
    return CommentLink{post, post + QStringLiteral("&wr_psq=") + sequence->toString()};
}

// Makes a site-relative comment link absolute, as the client's page check does.
inline QString withAbsoluteCommentLink(const QString& block, const QString& origin)
{
    const qsizetype end = block.indexOf(QStringLiteral("<!-- CON E -->"), 0, Qt::CaseInsensitive);
    const qsizetype link =
        end < 0 ? -1 : block.indexOf(QStringLiteral("<a href=\""), end, Qt::CaseInsensitive);
    if (link < 0 || block.mid(link + 9, 1) != u"/")
        return block;
    return QString(block).insert(link + 9, origin);
}

// The client's form encoding: Shift_JIS bytes; letters and digits stay, a blank is "+",
// line ends are %0D%0A, everything else %XX; the empty text is %0D%0A.
inline QString urlEncode(const QString& text)
{
    QString copy = text;
    copy.replace(QChar(0xA5), u'\\');
    const QByteArray bytes = encoding::encodeCp932Lossy(copy);
    if (bytes.isEmpty())
        return QStringLiteral("%0D%0A");
    QString out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes.at(i));
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9')) {
            out += QLatin1Char(char(b));
        } else if (b == ' ') {
            out += u'+';
        } else if (b == '\r' || b == '\n') {
            out += QStringLiteral("%0D%0A");
            if (b == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
        } else {
            out += QStringLiteral("%%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
        }
    }
    return out;
}

} // namespace tavrel::test
