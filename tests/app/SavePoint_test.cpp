#include "BrowserTestSupport.h"
#include "support/QtPrinters.h"

#include <QFile>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

class SavePoint : public BrowserFixture
{};

} // namespace

TEST_F(SavePoint, WritesHeaderAndBodySortedByNumberKeepingLevelsAndUnknownKeys)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s}, {u"3"_s, u"1"_s}});
    BoardLogFile file = readBoard(warehouse + u"/a");
    file.otherRootKeys().insert(u"Saved by"_s, PlistValue(u"another program"_s));
    file.header().setOther(u"WindowState"_s, PlistValue(7));
    file.body()[1].setOther(u"Score"_s, PlistValue(3));
    ASSERT_TRUE(file.write(warehouse + u"/a"));

    preferences.setTitleHyoujiJun(TitleOrder::Tree);
    start();
    ASSERT_EQ(numbersOf(list.messageArray()), (QStringList{u"1"_s, u"3"_s, u"2"_s}));
    clickMessages({1});
    navigator->kyouseiReadedNextHatsugen(); // message 3 read
    ASSERT_TRUE(browser->saveNowHyoujiKaigishitu());

    const BoardLogFile saved = readBoard(warehouse + u"/a");
    EXPECT_EQ(numbersOf(saved.body()), (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(saved.body()[2].indentLevel(), u"1"_s);
    EXPECT_EQ(saved.body()[2].dontRead(), u"NO"_s);
    EXPECT_EQ(saved.body()[1].otherKeys().value(u"Score"), PlistValue(3));
    EXPECT_EQ(saved.header().midokuSu(), u"2"_s);
    EXPECT_EQ(saved.header().otherKeys().value(u"WindowState"), PlistValue(7));
    EXPECT_EQ(saved.otherRootKeys().string(u"Saved by"), u"another program"_s);
    // The list itself stays in tree order.
    EXPECT_EQ(numbersOf(list.messageArray()), (QStringList{u"1"_s, u"3"_s, u"2"_s}));
}

TEST_F(SavePoint, WritesNothingWithoutADisplayedBoardAndSurvivesAFailedWrite)
{
    const QString path = board(u"a"_s, u"F"_s, {{u"1"_s}});
    start();
    browser->noSelectMyKaigishitsuTable();
    EXPECT_FALSE(browser->saveNowHyoujiKaigishitu());

    clickBoard(1);
    // The file's place is taken by a folder: the write fails, is logged, and nothing breaks.
    QFile::remove(path);
    dir.makeDir(u"Warehouse/a/blocker"_s);
    EXPECT_FALSE(browser->saveNowHyoujiKaigishitu());
    ASSERT_EQ(log.lines().size(), 1);
    EXPECT_TRUE(log.lines().first().startsWith(u"Could not save the board : "_s));
}

TEST_F(SavePoint, RebuildingTheTreeNeverSavesThroughOldRows)
{
    // After the rebuild, row 1 is a different board: the list of the old row-1 board must not
    // be written into it.
    board(u"b"_s, u"F"_s, {{u"1"_s}});
    start();
    ASSERT_EQ(displayedId(), u"b"_s);
    board(u"a"_s, u"F"_s, {{u"5"_s}, {u"6"_s}});
    browser->makeTableNow(warehouse);
    EXPECT_EQ(displayedId(), u"a"_s);
    EXPECT_EQ(numbersOf(readBoard(warehouse + u"/a").body()), (QStringList{u"5"_s, u"6"_s}));
    EXPECT_EQ(numbersOf(readBoard(warehouse + u"/b").body()), QStringList{u"1"_s});
}
