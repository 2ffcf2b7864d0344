#include "support/QtPrinters.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

namespace enc = tavrel::encoding;

namespace {

struct Cp932Case
{
    const char* name;
    QStringView text;
    QByteArrayView bytes;
};

} // namespace

TEST(TextEncoding, Cp932RoundTripsJapaneseAndItsOwnCharacters)
{
    const Cp932Case cases[] = {
        {"kanji", u"日本", "\x93\xFA\x96\x7B"},
        {"hiragana and katakana", u"あア", "\x82\xA0\x83\x41"},
        {"half-width katakana", u"ｱﾞ", "\xB1\xDE"},
        {"circled digit one", u"①", "\x87\x40"},
        {"full-width tilde", u"～", "\x81\x60"},
        {"IBM extension", u"纊", "\xFA\x5C"},
        {"ASCII backslash and tilde", u"a\\b~c", "a\\b~c"},
        {"mixed", u"<b>発言</b>", "<b>\x94\xAD\x8C\xBE</b>"},
    };
    for (const Cp932Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(enc::encodeCp932(c.text), c.bytes.toByteArray());
        EXPECT_EQ(enc::encodeCp932Lossy(c.text), c.bytes.toByteArray());
        EXPECT_EQ(enc::decodeCp932(c.bytes), c.text.toString());
        EXPECT_EQ(enc::decodeShiftJis(c.bytes), c.text.toString());
        EXPECT_EQ(enc::decode(c.bytes, tavrel::Charset::ShiftJIS), c.text.toString());
    }
    // The NEC-selected copy of an IBM extension reads as the same character.
    EXPECT_EQ(enc::decodeCp932("\xED\x40"), QStringLiteral("纊"));
}

TEST(TextEncoding, ShiftJisFallsBackToJisX0213WithAsciiKept)
{
    // 0x85 0x40 is unassigned in CP932 and the euro sign in JIS X 0213; the single bytes of
    // the same page still read as ASCII.
    const QByteArray bytes("<a href=\"/~u\\x\">\x85\x40</a>");
    EXPECT_FALSE(enc::decodeCp932(bytes));
    EXPECT_EQ(enc::decodeShiftJis(bytes), QStringLiteral("<a href=\"/~u\\x\">\u20AC</a>"));
    EXPECT_EQ(enc::decodeShiftJisX0213(bytes), QStringLiteral("<a href=\"/~u\\x\">\u20AC</a>"));
    // Bytes neither form reads.
    EXPECT_FALSE(enc::decodeShiftJis(QByteArray("ok\x81")));
    EXPECT_FALSE(enc::decodeShiftJis(QByteArray("\x81\x20")));
}

TEST(TextEncoding, StrictIso2022Jp)
{
    const QByteArray bytes("\x1b$BF|K\\\x1b(Babc");
    EXPECT_EQ(enc::encodeIso2022Jp(u"日本abc"), bytes);
    EXPECT_EQ(enc::decodeIso2022Jp(bytes), QStringLiteral("日本abc"));
    EXPECT_EQ(enc::decode(bytes, tavrel::Charset::ISO2022JP), QStringLiteral("日本abc"));
    EXPECT_EQ(enc::encodeIso2022Jp(u"abc"), QByteArray("abc"));
    EXPECT_EQ(enc::encodeIso2022Jp(u""), QByteArray());

    // Outside JIS X 0208: half-width katakana and the CP932-only circled digit.
    EXPECT_FALSE(enc::encodeIso2022Jp(u"ｱ"));
    EXPECT_FALSE(enc::encodeIso2022Jp(u"①"));
    // 8-bit bytes and a broken escape are invalid.
    EXPECT_FALSE(enc::decodeIso2022Jp(QByteArray("ab\x93\xFA")));
    EXPECT_FALSE(enc::decodeIso2022Jp(QByteArray("ab\x1b$Bxy\x1b(B")));
}

TEST(TextEncoding, LenientIso2022JpProbeKeepsTheAsciiOfAShiftJisPage)
{
    const QByteArray page("<html><head><meta content=\"text/html; charset=Shift_JIS\"></head>"
                          "<body>\x93\xFA\x96\x7B\x8C\xEA</body></html>");
    EXPECT_FALSE(enc::decodeIso2022Jp(page));
    const QString probe = enc::decodeIso2022JpLenient(page);
    EXPECT_TRUE(
        probe.startsWith(u"<html><head><meta content=\"text/html; charset=Shift_JIS\"></head><body>"));
    EXPECT_TRUE(probe.endsWith(u"</body></html>"));
    // A real ISO-2022-JP page decodes in full.
    EXPECT_EQ(enc::decodeIso2022JpLenient(QByteArray("<p>\x1b$BF|K\\\x1b(B</p>")),
              QStringLiteral("<p>日本</p>"));
    EXPECT_EQ(enc::decodeIso2022JpLenient(QByteArray("\x1b")), QString());
}

TEST(TextEncoding, LossyCp932ReplacesWhatItCannotHold)
{
    const Cp932Case cases[] = {
        {"euro sign", u"a€b", "a?b"},
        {"character outside the BMP", u"a\U0001F600b", "a?b"},
        {"lone high surrogate keeps the next character",
         u"a\xD83D"
         u"b",
         "a?b"},
        {"lone low surrogate",
         u"a\xDE00"
         u"b",
         "a?b"},
        {"lone high surrogate at the end", u"a\xD83D", "a?"},
        {"two lone halves in reverse order", u"\xDE00\xD83D", "??"},
        {"kept around a replacement", u"日€本", "\x93\xFA?\x96\x7B"},
    };
    for (const Cp932Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(enc::encodeCp932Lossy(c.text), c.bytes.toByteArray());
        EXPECT_FALSE(enc::encodeCp932(c.text));
    }
}

TEST(TextEncoding, Cp932ByteLength)
{
    const struct
    {
        QStringView text;
        qsizetype length;
    } cases[] = {
        {u"", 0},    {u"abc", 3},        {u"ｱｲｳﾞ", 4}, {u"日本語", 6}, {u"a日ｱ", 4},
        {u"①～", 4}, {u"\U0001F600", 1}, {u"a€", 2},   {u"　", 2}, // ideographic space
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(enc::cp932ByteLength(c.text), c.length);
    }
}
