#include "PageMarkup.h"
#include "logcutter/PageCheck.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::TempDir;

namespace {

constexpr QStringView domain = u"example.com";
constexpr QStringView urlFormat = u"http://nb1.example.com/nbbin/nb_wrent/BRD01/%d";

QByteArray sjisPage(int first, int last)
{
    return encoding::encodeCp932Lossy(test::boardPage(u"会議室"_qs, test::numbered(first, last)));
}

} // namespace

TEST(PageCheck, LowestNumberDecidesWhetherOlderPagesAreWanted)
{
    TempDir dir;
    struct Step
    {
        const char* name;
        QByteArray page;
        int firstWanted;
        int lowestBefore;
        PageCheck::Result result;
        int lowestAfter;
    };
    const Step steps[] = {
        {"first page still above the wanted number", sjisPage(101, 120), 90, -1, PageCheck::Result::Continue,
         101},
        {"next page reaches the wanted number", sjisPage(81, 100), 90, 101, PageCheck::Result::Finished, 81},
        {"first page reaching down exactly", sjisPage(90, 110), 90, -1, PageCheck::Result::Finished, 90},
        {"a page that does not lower the number", sjisPage(101, 120), 1, 101, PageCheck::Result::Finished,
         101},
        {"a page with no numbers", sjisPage(1, 0), 1, -1, PageCheck::Result::Finished, -1},
        {"a page that lowers but stays above", sjisPage(50, 60), 10, 101, PageCheck::Result::Continue, 50},
        {"bytes that are no Shift_JIS at all", QByteArray("\x81\xff<!-- NO B -->5<!-- NO E -->"), 1, -1,
         PageCheck::Result::Finished, -1},
    };
    for (const Step& s : steps) {
        const QString path = dir.writeFile(u"BRD01.1"_qs, s.page);
        int lowest = s.lowestBefore;
        EXPECT_EQ(PageCheck::check(path, urlFormat, lowest, s.firstWanted, domain), s.result) << s.name;
        EXPECT_EQ(lowest, s.lowestAfter) << s.name;
    }
    int lowest = -1;
    EXPECT_EQ(PageCheck::check(dir.filePath(u"missing"_qs), urlFormat, lowest, 1, domain),
              PageCheck::Result::Finished);
}

TEST(PageCheck, RelativeCommentLinksBecomeAbsoluteInEveryBlock)
{
    TempDir dir;
    const QByteArray original = test::readFixture(u"pages/board_relative_links.html"_qs);
    const QString path = dir.writeFile(u"BRD01.1"_qs, original);
    int lowest = -1;
    QString error;
    EXPECT_EQ(PageCheck::check(path, urlFormat, lowest, 90, domain, &error), PageCheck::Result::Continue);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(lowest, 101);

    // Both relative links, including the one after a block that has none, and nothing else.
    QByteArray expected = original;
    expected.replace("<a href=\"/nbbin/", "<a href=\"http://nb1.example.com/nbbin/");
    EXPECT_EQ(expected.count("http://nb1.example.com/nbbin/"), 2);
    EXPECT_EQ(test::readFile(path), expected);

    // A second check finds nothing left to change.
    EXPECT_EQ(PageCheck::check(path, urlFormat, lowest, 90, domain), PageCheck::Result::Finished);
    EXPECT_EQ(test::readFile(path), expected);
}

TEST(PageCheck, PageInTheJisX0213FormIsWrittenBackWithoutLoss)
{
    TempDir dir;
    const QByteArray absolute = test::readFixture(u"pages/board_x0213.html"_qs);
    QByteArray relative = absolute;
    relative.replace("http://nb1.example.com", "");
    ASSERT_NE(relative, absolute);
    const QString path = dir.writeFile(u"BRD01.1"_qs, relative);
    int lowest = -1;
    PageCheck::check(path, urlFormat, lowest, 1, domain);
    EXPECT_EQ(test::readFile(path), absolute);
}

TEST(PageCheck, UrlFormatWithoutTheDomainLeavesThePage)
{
    TempDir dir;
    const QByteArray original = test::readFixture(u"pages/board_relative_links.html"_qs);
    const QString path = dir.writeFile(u"BRD01.1"_qs, original);
    int lowest = -1;
    QString error;
    PageCheck::check(path, u"http://elsewhere.example.org/%d", lowest, 1, domain, &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(test::readFile(path), original);
    EXPECT_EQ(PageCheck::boardServer(urlFormat, domain), u"http://nb1.example.com"_qs);
}

TEST(PageCheck, ScanOfTheTextEndsOnAnyMarkerOrder)
{
    struct Case
    {
        QStringView text;
        std::optional<int> lowest;
        QList<qsizetype> links;
    };
    const Case cases[] = {
        {u"<!-- CON E --><a href=\"/x\"><!-- END -->", std::nullopt, {}},
        {u"x<!-- CON E --><a href=\"/x\"><!-- END -->", std::nullopt, {24}},
        {u"x<!-- CON E --><a href=\"http://h/x\"><!-- END -->", std::nullopt, {}},
        {u"x<!-- CON E --><!-- END --><a href=\"/x\">", std::nullopt, {}},
        {u"x<!-- NO B -->7<!-- NO E -->x<!-- NO B -->-3<!-- NO E --><!-- NO B --><!-- NO E -->", -3, {}},
        {u"x<!-- NO B -->12", 12, {}},
    };
    for (const Case& c : cases) {
        const PageCheckScan scan = PageCheckScan::scan(c.text);
        EXPECT_EQ(scan.lowestNumber, c.lowest) << c.text.toString().toStdString();
        EXPECT_EQ(scan.relativeLinks, c.links) << c.text.toString().toStdString();
    }
    EXPECT_EQ(PageCheckScan::absoluteLinks(u"a\"/b a\"/c", {2, 7}, u"H"), u"a\"H/b a\"H/c"_qs);
}
