#include "CharsetDetection.h"

#include "TextScanner.h"

namespace tavrel {
namespace {

// Reads the declarations of the head part in order; the first known value decides.
Charset declaredCharset(QStringView head)
{
    TextScanner scanner(head);
    while (!scanner.atEnd()) {
        const qsizetype before = scanner.position();
        if (!scanner.scanUpTo(u"charset="))
            break;
        if (scanner.scan(u"charset=")) {
            if (const auto value = scanner.scanUpTo(u"\"")) {
                const QString lower = value->toString().toLower();
                if (lower == u"iso-2022-jp")
                    return Charset::ISO2022JP;
                if (lower == u"x-sjis" || lower == u"shift_jis")
                    return Charset::ShiftJIS;
            }
        }
        if (scanner.position() == before)
            break;
    }
    return Charset::ShiftJIS;
}

// The charset declared in the first head part (up to the first "</head>", or the whole page).
Charset detectDeclared(TextScanner& scanner)
{
    const auto head = scanner.scanUpTo(u"</head>");
    return head ? declaredCharset(*head) : Charset::ShiftJIS;
}

} // namespace

Charset detectCharsetForLogCutter(QStringView page)
{
    TextScanner scanner(page);
    return detectDeclared(scanner);
}

Charset detectCharsetForApplication(QStringView page)
{
    TextScanner scanner(page);
    const Charset declared = detectDeclared(scanner);
    static constexpr char16_t jisX0208[] = {0x1B, u'$', u'B', 0};
    scanner.setPosition(0);
    if (scanner.scanUpTo(jisX0208) && scanner.scan(jisX0208))
        return Charset::ISO2022JP;
    return declared;
}

} // namespace tavrel
