// Feeds arbitrary bytes, read as UTF-8 and as UTF-16, to the scanner-based text helpers and
// checks what must hold for any input.

#include "text/CharsetDetection.h"
#include "text/EntityCoding.h"
#include "text/HalfWidthKana.h"
#include "text/IntegerValue.h"
#include "text/TextScanner.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The surrogate halves of a text, in order.
QString surrogates(QStringView text)
{
    QString out;
    for (QChar c : text)
        if (c.isSurrogate())
            out += c;
    return out;
}

void exercise(QStringView text)
{
    const QString page = tavrel::decodePageEntities(text);
    check(page.size() <= text.size());
    const QString editor = tavrel::decodeEditorEntities(text);
    check(editor.size() <= text.size());

    const QString encoded = tavrel::encodeEntities(text);
    check(!encoded.contains(u'<') && !encoded.contains(u'>') && !encoded.contains(u'"'));
    // The editor opens exactly what it saved.
    check(tavrel::decodeEditorEntities(encoded) == text);

    const tavrel::Charset logCutter = tavrel::detectCharsetForLogCutter(text);
    const tavrel::Charset application = tavrel::detectCharsetForApplication(text);
    check(logCutter == tavrel::Charset::ShiftJIS || application == tavrel::Charset::ISO2022JP);

    const QString full = tavrel::convertHalfWidthToFullWidth(text);
    check(full.size() <= text.size());
    for (QChar c : full)
        check(c.unicode() < 0xFF5F || c.unicode() > 0xFF9F);
    check(surrogates(full) == surrogates(text));

    (void)tavrel::integerValue(text);
    tavrel::TextScanner scanner(text);
    (void)scanner.textBetween(u"<td>", u"</td>");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    exercise(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));

    // The same bytes as UTF-16 code units in native order, lone surrogates included.
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, (size / 2) * 2);
    exercise(units);
    return 0;
}
