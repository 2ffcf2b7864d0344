#include "comm/MyURLEncoder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tavrel::MyURLEncoder;
using namespace Qt::StringLiterals;

namespace {

QString encode(QStringView text)
{
    return MyURLEncoder().urlEncodeWithString(text);
}

} // namespace

TEST(MyURLEncoder, EncodesTheDocumentedExamplesAndLineEnds)
{
    const struct
    {
        QString input;
        QString output;
    } cases[] = {
        {u"abc"_s, u"abc"_s},
        {u"a b"_s, u"a+b"_s},
        {u"a.b-c_d"_s, u"a%2Eb%2Dc%5Fd"_s},
        {u"x=y&z"_s, u"x%3Dy%26z"_s},
        {u"line 1\r\nline 2"_s, u"line+1%0D%0Aline+2"_s},
        {u"\n"_s, u"%0D%0A"_s},
        {u"\r"_s, u"%0D%0A"_s},
        {u"\r\n"_s, u"%0D%0A"_s},
        {u"\n\n"_s, u"%0D%0A%0D%0A"_s},
        {u"\n\r"_s, u"%0D%0A%0D%0A"_s},
        {u"\r\r\n"_s, u"%0D%0A%0D%0A"_s},
        {u"a\r\n\r\nb"_s, u"a%0D%0A%0D%0Ab"_s},
        {u"\u3042"_s, u"%82%A0"_s},
        {u"\u00A5"_s, u"%5C"_s},
        {u"\\"_s, u"%5C"_s},
        {u"\u00A5100"_s, u"%5C100"_s},
        {u""_s, u"%0D%0A"_s},
        {u"AZaz09"_s, u"AZaz09"_s},
        {u"\t"_s, u"%09"_s},
        // Half-width katakana is one Shift_JIS byte above 0x7F.
        {u"\uFF71"_s, u"%B1"_s},
        // A character Shift_JIS cannot hold is substituted, not dropped or failed.
        {u"a\U0001F600b"_s, u"a%3Fb"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        EXPECT_EQ(encode(c.input), c.output);
    }
}

TEST(MyURLEncoder, PercentEncodesEveryAsciiPunctuationCharacter)
{
    for (char16_t c = 0x21; c < 0x7F; ++c) {
        const QChar ch(c);
        if (ch.isLetterOrNumber())
            continue;
        const QString expected = u'%' + QString::number(int(c), 16).toUpper().rightJustified(2, u'0');
        EXPECT_EQ(encode(QString(ch)), expected) << char(c);
    }
    EXPECT_EQ(encode(u"*~"), u"%2A%7E"_s);
}

TEST(MyURLEncoder, StopsAtTheFirstNul)
{
    EXPECT_EQ(encode(QStringView(u"ab\0cd", 5)), u"ab"_s);
    EXPECT_EQ(encode(QStringView(u"\0cd", 3)), u"%0D%0A"_s);
}

TEST(MyURLEncoder, WritesUpperCaseHexForEveryHighByte)
{
    const MyURLEncoder encoder;
    unsigned char bytes[128];
    for (int i = 0; i < 128; ++i)
        bytes[i] = static_cast<unsigned char>(0x80 + i);
    QByteArray out(20 * 128 + 1, Qt::Uninitialized);
    const std::size_t length = encoder.MyURLEncode(bytes, 128, out.data(), 10 * 128);
    ASSERT_EQ(length, 3u * 128);
    for (int i = 0; i < 128; ++i) {
        const QByteArray expected = '%' + QByteArray::number(0x80 + i, 16).toUpper();
        EXPECT_EQ(out.mid(3 * i, 3), expected);
    }
    EXPECT_EQ(out.at(qsizetype(length)), '\0');
    EXPECT_TRUE(out.left(qsizetype(length)).contains("%AB"));
}

TEST(MyURLEncoder, TablePassesOnlyLettersDigitsSpaceAndLineEnds)
{
    MyURLEncoder encoder;
    encoder.init();
    int passing = 0;
    for (int b = 0; b < 256; ++b) {
        const bool expected = (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
                              b == ' ' || b == '\n' || b == '\r';
        EXPECT_EQ(encoder.passes(static_cast<unsigned char>(b)), expected) << b;
        passing += expected;
    }
    EXPECT_EQ(passing, 26 + 26 + 10 + 3);
}

TEST(MyURLEncoder, LimitStopsOnlyWhenTheOutputComesNearIt)
{
    const MyURLEncoder encoder;
    const unsigned char bytes[] = {'.', '.', '.', '.', '.'};
    char out[64];
    // Limit 20: stop once 10 or more characters are written, i.e. after the fourth byte.
    EXPECT_EQ(encoder.MyURLEncode(bytes, 5, out, 20), 12u);
    EXPECT_STREQ(out, "%2E%2E%2E%2E");
    // Limit below 10: only the first byte.
    EXPECT_EQ(encoder.MyURLEncode(bytes, 5, out, 5), 3u);
    EXPECT_STREQ(out, "%2E");
    // The limit of ten per byte never cuts the input short, even for six-character line ends.
    const unsigned char lines[] = {'\n', '\n', '\n', '\n'};
    EXPECT_EQ(encoder.MyURLEncode(lines, 4, out, 40), 24u);
}
