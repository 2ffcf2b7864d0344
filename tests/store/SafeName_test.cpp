#include "store/SafeName.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

struct Case
{
    QStringView text;
    bool expected;
};

} // namespace

TEST(SafeName, FileNamesFromOutsideAreCheckedBeforeUse)
{
    const Case cases[] = {
        {u"FORUM_B001", true}, {u"message.1", true},
        {u"board.12", true},   {u"..a", true}, // only "." and ".." themselves are refused
        {u"a-b", true},                        // a dash inside is harmless
        {u"会議室", true},     {u"", false},
        {u".", false},         {u"..", false},
        {u"-o", false}, // would read as a curl option
        {u"a/b", false},       {u"../etc", false},
        {u"/abs", false},      {QStringView(u"a\0b", 3), false},
        {u"a\nb", false}, // would end a curl config line
        {u"a\rb", false},      {u"a\tb", false},
        {u"%s%n", true}, // format characters are plain text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(isSafeFileName(c.text), c.expected);
    }
}

TEST(SafeName, UrlsMustBeHttpOrHttps)
{
    const Case cases[] = {
        {u"http://forum.example.com/x", true},
        {u"https://forum.example.com/x?a=1&b=2", true},
        {u"HTTPS://forum.example.com/", true},
        {u"ftp://forum.example.com/", false},
        {u"file:///etc/passwd", false},
        {u"//forum.example.com/", false},
        {u" http://forum.example.com/", false},
        {u"-K/etc/passwd", false},
        {u"httpx://a", false},
        {u"http:/a", false},
        {u"", false},
        {u"http://a\nurl = \"file:///etc/passwd\"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toString().toStdString());
        EXPECT_EQ(isAcceptableUrl(c.text), c.expected);
    }
}
