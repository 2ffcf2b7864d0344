#include "support/QtPrinters.h"
#include "text/HalfWidthKana.h"

#include <gtest/gtest.h>

using tavrel::convertHalfWidthToFullWidth;

namespace {

struct Case
{
    const char* name;
    QStringView input;
    QStringView output;
};

QString single(char16_t c)
{
    return QString(QChar(c));
}

} // namespace

TEST(HalfWidthKana, ConvertsKanaAndJoinsSoundMarks)
{
    const Case cases[] = {
        {"empty", u"", u""},
        {"plain kana", u"ｱｲｳｴｵｦﾝｯｰ", u"アイウエオヲンッー"},
        {"voiced pair is one character", u"ｶﾞ", u"ガ"},
        {"semi-voiced pair is one character", u"ﾊﾟ", u"パ"},
        {"voiced ha row", u"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ", u"バビブベボ"},
        {"u with voiced mark", u"ｳﾞ", u"ヴ"},
        {"na cannot be voiced", u"ﾅﾞ", u"ナ゛"},
        {"ka cannot be semi-voiced", u"ｶﾟ", u"カ゜"},
        {"marks alone", u"ﾞﾟ", u"゛゜"},
        {"mark before its kana", u"ﾞｶ", u"゛カ"},
        {"second mark stands alone", u"ｶﾞﾞ", u"ガ゛"},
        {"word", u"ﾀﾞｲｽｷ ﾃﾞｽ｡", u"ダイスキ デス。"},
        {"punctuation and tilde", u"\uFF5E\uFF5F\uFF60｡｢｣､･", u"\uFF5E\u2985\u2986。「」、・"},
        {"full-width and ASCII pass unchanged", u"abc 123 アイウ ガ ～", u"abc 123 アイウ ガ ～"},
        {"neighbours of the range pass", u"\uFF5D\uFFA0\uFFE5", u"\uFF5D\uFFA0\uFFE5"},
        {"surrogate pairs pass whole", u"\U0001F600ｶﾞ\U0001F600ﾟ", u"\U0001F600ガ\U0001F600゜"},
        {"lone surrogate halves pass", u"\xD83Dﾞ\xDE00", u"\xD83D゛\xDE00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convertHalfWidthToFullWidth(c.input), c.output.toString());
    }
}

TEST(HalfWidthKana, EveryPositionIsTheTrueFullWidthCounterpart)
{
    // The compatibility decomposition names each character's full-width form, except for the
    // tilde (already full-width) and the sound marks (which decompose to combining marks).
    for (char16_t c = 0xFF5F; c <= 0xFF9D; ++c) {
        SCOPED_TRACE(int(c));
        const QString expected = single(c).normalized(QString::NormalizationForm_KC);
        ASSERT_EQ(expected.size(), 1);
        EXPECT_EQ(convertHalfWidthToFullWidth(single(c)), expected);
    }
    EXPECT_EQ(convertHalfWidthToFullWidth(single(0xFF5E)), single(0xFF5E));
    EXPECT_EQ(convertHalfWidthToFullWidth(single(0xFF9E)), single(0x309B));
    EXPECT_EQ(convertHalfWidthToFullWidth(single(0xFF9F)), single(0x309C));

    // Pairs: composed forms where Unicode has one, else two characters from the main table.
    // ﾜﾞ and ｦﾞ stay apart: Shift_JIS has no joined form for them.
    for (char16_t p = 0xFF66; p <= 0xFF9D; ++p) {
        for (char16_t mark : {char16_t(0xFF9E), char16_t(0xFF9F)}) {
            SCOPED_TRACE(QString::number(p, 16).toStdString() + " " +
                         QString::number(mark, 16).toStdString());
            const QString pair = single(p) + single(mark);
            const QString composed = pair.normalized(QString::NormalizationForm_KC);
            const bool joins = composed.size() == 1 && (p >= 0xFF73 && p <= 0xFF8E);
            const QString expected =
                joins ? composed
                      : convertHalfWidthToFullWidth(single(p)) + convertHalfWidthToFullWidth(single(mark));
            EXPECT_EQ(convertHalfWidthToFullWidth(pair), expected);
        }
    }
}
