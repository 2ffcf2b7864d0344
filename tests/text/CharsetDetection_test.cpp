#include "support/QtPrinters.h"
#include "text/CharsetDetection.h"

#include <gtest/gtest.h>

using tavrel::Charset;

namespace {

struct Case
{
    const char* name;
    QStringView page;
    Charset logCutter;
    Charset application;
};

constexpr Charset sjis = Charset::ShiftJIS;
constexpr Charset jis = Charset::ISO2022JP;

} // namespace

TEST(CharsetDetection, DeclarationAndEscapeSequenceRules)
{
    const Case cases[] = {
        {"empty page", u"", sjis, sjis},
        {"white space only", u" \n\u3000", sjis, sjis},
        {"declared iso-2022-jp",
         u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-2022-jp\"></head>",
         jis, jis},
        {"value compared in lower case", u"<head><meta content=\"text/html; charset=ISO-2022-JP\"></head>",
         jis, jis},
        {"attribute name in capitals", u"<head><META CONTENT=\"text/html; CHARSET=iso-2022-jp\"></head>", jis,
         jis},
        {"white space before the value is skipped", u"<head><meta content=\"charset= iso-2022-jp\"></head>",
         jis, jis},
        {"declared Shift_JIS", u"<head><meta content=\"text/html; charset=Shift_JIS\"></head>", sjis, sjis},
        {"unknown EUC-JP leaves Shift_JIS", u"<head><meta content=\"text/html; charset=EUC-JP\"></head>",
         sjis, sjis},
        {"unknown value is passed over",
         u"<head><meta content=\"charset=EUC-JP\"><meta content=\"charset=iso-2022-jp\"></head>", jis, jis},
        {"x-sjis ends the search",
         u"<head><meta content=\"charset=x-sjis\"><meta content=\"charset=iso-2022-jp\"></head>", sjis, sjis},
        {"Shift_JIS ends the search",
         u"<head><meta content=\"charset=shift_jis\"><meta content=\"charset=iso-2022-jp\"></head>", sjis,
         sjis},
        {"declaration after the first head part is never seen",
         u"<head><title>t</title></head><meta content=\"charset=iso-2022-jp\">", sjis, sjis},
        {"no head end: the whole page is the head", u"<meta content=\"text/html; charset=iso-2022-jp\">", jis,
         jis},
        {"page starting with the head end has no head part",
         u"</head><meta content=\"charset=iso-2022-jp\"></head>", sjis, sjis},
        {"no double quote: the value runs to a later one",
         u"<head><meta content=text/html;charset=iso-2022-jp><title>\"x\"</title></head>", sjis, sjis},
        {"no double quote at all in the head", u"<head><meta content=text/html;charset=iso-2022-jp></head>\"",
         sjis, sjis},
        {"quoted attribute value is empty", u"<head><meta charset=\"iso-2022-jp\"></head>", sjis, sjis},
        {"head starting with the declaration ends the search", u"  charset=iso-2022-jp\"</head>", sjis, sjis},
        {"declared Shift_JIS, ESC $ B in the body",
         u"<head><meta content=\"charset=Shift_JIS\"></head><body>\x1b$B%F%9%H\x1b(B</body>", sjis, jis},
        {"ESC $ B without any declaration", u"<p>\x1b$B%F\x1b(B</p>", sjis, jis},
        {"ESC $ B at the very start is not found", u"\x1b$B%F\x1b(B", sjis, sjis},
        {"ESC ( B alone is no switch", u"<p>\x1b(Babc</p>", sjis, sjis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tavrel::detectCharsetForLogCutter(c.page), c.logCutter);
        EXPECT_EQ(tavrel::detectCharsetForApplication(c.page), c.application);
    }
}
