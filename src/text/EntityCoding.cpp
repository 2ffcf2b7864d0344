#include "EntityCoding.h"

#include "TextScanner.h"

#include <cstddef>

namespace tavrel {
namespace {

struct Replacement
{
    QStringView from;
    QStringView to;
    bool caseSensitive = true;
};

// One pass: copies the text, replacing every occurrence of `from`. The scanner's skipping
// drops the white space at the start and right after each replaced occurrence.
QString replacePass(QStringView text, const Replacement& r)
{
    TextScanner scanner(text);
    scanner.setCaseSensitive(r.caseSensitive);
    QString out;
    out.reserve(text.size());
    while (!scanner.atEnd()) {
        const qsizetype before = scanner.position();
        if (scanner.scan(r.from))
            out += r.to;
        else if (const auto part = scanner.scanUpTo(r.from))
            out += *part;
        // Neither step moved: end instead of spinning (cannot happen with a non-empty entity).
        if (scanner.position() == before)
            break;
    }
    return out;
}

template<std::size_t N>
QString replaceAll(QStringView text, const Replacement (&passes)[N])
{
    QString current;
    QStringView input = text;
    for (const Replacement& pass : passes) {
        current = replacePass(input, pass);
        input = current;
    }
    return current;
}

} // namespace

QString decodePageEntities(QStringView text)
{
    if (text.isEmpty())
        return QString();
    static constexpr Replacement passes[] = {
        {u"&gt;", u">"}, {u"&nbsp;", u" ", false}, {u"&lt;", u"<"}, {u"&quot;", u"\""}, {u"&amp;", u"&"},
    };
    return replaceAll(text, passes);
}

QString decodeEditorEntities(QStringView text)
{
    // Plain replacement in pass order: the user's own text keeps every blank and line break.
    QString out = text.toString();
    out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return out;
}

QString encodeEntities(QStringView text)
{
    // One pass gives the same result as the four passes "&", quote, "<", ">" in that order,
    // and keeps all white space.
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace tavrel
