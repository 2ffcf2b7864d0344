#include "HalfWidthKana.h"

#include <iterator>

namespace tavrel {
namespace {

// Full-width counterparts of U+FF5E–U+FF9F in order. U+FF5E is already the full-width
// tilde; the two sound marks stand alone as U+309B and U+309C.
constexpr char16_t mainTable[] = u"～⦅⦆。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチ"
                                 u"ツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
// Voiced forms of U+FF76–U+FF8E; the places of U+FF85–U+FF89 (ﾅ to ﾉ) are never read.
constexpr char16_t voicedTable[] = u"ガギグゲゴザジズゼゾダヂヅデドナニヌネノバビブベボ";
// Semi-voiced forms of U+FF8A–U+FF8E.
constexpr char16_t semiVoicedTable[] = u"パピプペポ";

static_assert(std::size(mainTable) - 1 == 0xFF9F - 0xFF5E + 1);
static_assert(std::size(voicedTable) - 1 == 0xFF8E - 0xFF76 + 1);
static_assert(std::size(semiVoicedTable) - 1 == 0xFF8E - 0xFF8A + 1);

constexpr char16_t voicedMark = 0xFF9E;
constexpr char16_t semiVoicedMark = 0xFF9F;
constexpr char16_t halfWidthU = 0xFF73;  // ｳ
constexpr char16_t fullWidthVu = 0x30F4; // ヴ

bool inRange(char16_t c, char16_t first, char16_t last)
{
    return c >= first && c <= last;
}

} // namespace

QString convertHalfWidthToFullWidth(QStringView text)
{
    // Walks from the last character to the first, writing the result from the back of a
    // buffer of the same length (the result is never longer). Only characters of
    // U+FF5E–U+FF9F are ever replaced, so surrogate pairs pass whole.
    QString out(text.size(), Qt::Uninitialized);
    char16_t* const buffer = reinterpret_cast<char16_t*>(out.data());
    qsizetype write = text.size();
    qsizetype i = text.size() - 1;
    while (i >= 0) {
        const char16_t c = text[i].unicode();
        const char16_t p = i > 0 ? text[i - 1].unicode() : 0;
        char16_t replacement = c;
        qsizetype consumed = 1;
        if (!inRange(c, 0xFF5E, 0xFF9F)) {
            // Left as it is.
        } else if (c == voicedMark && (inRange(p, 0xFF76, 0xFF84) || inRange(p, 0xFF8A, 0xFF8E))) {
            replacement = voicedTable[p - 0xFF76];
            consumed = 2;
        } else if (c == voicedMark && p == halfWidthU) {
            replacement = fullWidthVu;
            consumed = 2;
        } else if (c == semiVoicedMark && inRange(p, 0xFF8A, 0xFF8E)) {
            replacement = semiVoicedTable[p - 0xFF8A];
            consumed = 2;
        } else {
            replacement = mainTable[c - 0xFF5E];
        }
        buffer[--write] = replacement;
        i -= consumed;
    }
    out.remove(0, write);
    return out;
}

} // namespace tavrel
