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
    static constexpr Replacement passes[] = {
        {u"&gt;", u">"},
        {u"&lt;", u"<"},
        {u"&quot;", u"\""},
        {u"&amp;", u"&"},
    };
    return replaceAll(text, passes);
}

QString encodeEntities(QStringView text)
{
    static constexpr Replacement passes[] = {
        {u"&", u"&amp;"},
        {u"\"", u"&quot;"},
        {u"<", u"&lt;"},
        {u">", u"&gt;"},
    };
    return replaceAll(text, passes);
}

} // namespace tavrel
