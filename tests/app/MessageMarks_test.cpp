#include "BrowserTestSupport.h"
#include "app/KobetsuKaigishitsuSettei.h"
#include "support/QtPrinters.h"

#include <functional>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

class Marks : public BrowserFixture
{
protected:
    QStringList locks() const
    {
        QStringList values;
        for (const MessageRecord& record : list.messageArray())
            values.append(record.contains(MessageRecord::Lock) ? record.lock() : u"-"_s);
        return values;
    }
    QString savedUnread() const { return unreadNumbersOf(readBoard(warehouse + u"/a").body()).join(u','); }
};

} // namespace

TEST_F(Marks, ReadAndUnreadCommandsMoveTheCountAndSave)
{
    struct Case
    {
        const char* name;
        QList<int> selected;
        std::function<void(MessageMarks&)> command;
        QString unreadAfter;
        int countAfter;
    };
    // Messages 1 and 3 unread, 2 and 4 read, 5 without "DontRead": count 2.
    const QList<Case> cases = {
        {"selected unread, one already unread", {0, 1}, &MessageMarks::setThisHatsugenMidoku, u"1,2,3"_s, 3},
        {"selected read", {0, 1, 2}, &MessageMarks::setThisHatsugenKidoku, QString(), 0},
        {"whole board unread", {}, &MessageMarks::setAllHatsugenMidoku, u"1,2,3,4,5"_s, 4},
        {"whole board read", {}, &MessageMarks::setAllHatsugenKidoku, QString(), 0},
        {"nothing selected", {}, &MessageMarks::setThisHatsugenMidoku, u"1,3"_s, 2},
    };
    for (const Case& c : cases) {
        board(u"a"_s, u"F"_s,
              {{u"1"_s}, {u"2"_s, u"0"_s, false}, {u"3"_s}, {u"4"_s, u"0"_s, false}, {u"5"_s}});
        BoardLogFile file = readBoard(warehouse + u"/a");
        file.body()[4].remove(MessageRecord::DontRead);
        file.header().setMidokuSu(u"2"_s);
        ASSERT_TRUE(file.write(warehouse + u"/a"));
        start();
        browser->setSelectedMessageRows(c.selected);
        QSignalSpy count(browser.get(), &BoardBrowser::countLabelChanged);
        c.command(*marks);
        EXPECT_EQ(unreadNumbersOf(list.messageArray()).join(u','), c.unreadAfter) << c.name;
        EXPECT_EQ(countOf(u"a"_s), c.countAfter) << c.name;
        // Saved at once, header count included.
        EXPECT_EQ(savedUnread(), c.unreadAfter) << c.name;
        EXPECT_EQ(readBoard(warehouse + u"/a").header().midokuSu(), QString::number(c.countAfter)) << c.name;
        EXPECT_EQ(count.isEmpty(), c.selected.isEmpty() && c.countAfter == 2) << c.name;
    }
}

TEST_F(Marks, LockDeleteMarkAndClear)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s}, {u"3"_s}});
    start();
    browser->setSelectedMessageRows({0, 1});
    marks->setThisHatsugenSakujoShitei();
    EXPECT_EQ(locks(), (QStringList{u"DEL"_s, u"DEL"_s, u"NO"_s}));
    // Marking for deletion waits for the next save point.
    EXPECT_EQ(readBoard(warehouse + u"/a").body()[0].lock(), u"NO"_s);

    browser->setSelectedMessageRows({1, 2});
    marks->setThisHatsugenLocked(); // a message marked for deletion cannot be locked
    EXPECT_EQ(locks(), (QStringList{u"DEL"_s, u"DEL"_s, u"YES"_s}));
    EXPECT_EQ(readBoard(warehouse + u"/a").body()[2].lock(), u"YES"_s); // locking saves
    marks->setThisHatsugenSakujoShitei();                               // nor can a locked one be marked
    EXPECT_EQ(locks(), (QStringList{u"DEL"_s, u"DEL"_s, u"YES"_s}));
    EXPECT_EQ(list.data(list.index(1, 0)).toString(), u"2  name 2  title 2    (Delete)"_s);

    marks->setThisHatsugenLockKaijo();
    EXPECT_EQ(locks(), (QStringList{u"DEL"_s, u"NO"_s, u"NO"_s}));
    EXPECT_EQ(countOf(u"a"_s), 3);

    browser->noSelectMyKaigishitsuTable();
    browser->setSelectedMessageRows({0});
    marks->setThisHatsugenLockKaijo(); // no displayed board: nothing
    marks->setThisHatsugenKidoku();
    EXPECT_EQ(locks().first(), u"DEL"_s);
    EXPECT_EQ(countOf(u"a"_s), 3);
}

TEST_F(Marks, AllBoardsReadRewritesEveryCountedBoardAndSparesBrokenOnes)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s}, {u"2"_s, u"0"_s, false}});
    const QString c = board(u"c"_s, u"F"_s, {{u"1"_s}});
    start();
    clickMessages({1});
    // Board c's body goes bad after the tree was built.
    QByteArray bytes = readFile(c);
    bytes.replace("message 1", "message &bogus; 1");
    dir.writeFile(u"Warehouse/c"_s, bytes);

    marks->setAllBoardHatsugenKidoku();
    EXPECT_EQ(countOf(u"a"_s), 0);
    EXPECT_EQ(countOf(u"b"_s), 0);
    EXPECT_EQ(countOf(u"c"_s), 1);
    EXPECT_TRUE(unreadNumbersOf(readBoard(warehouse + u"/b").body()).isEmpty());
    EXPECT_EQ(readBoard(warehouse + u"/b").header().midokuSu(), u"0"_s);
    EXPECT_TRUE(unreadNumbersOf(list.messageArray()).isEmpty()); // the list was rebuilt
    EXPECT_EQ(readFile(c), bytes);
    EXPECT_EQ(log.lines().size(), 1);
}

TEST_F(Marks, PerBoardSettings)
{
    board(u"a"_s, u"F"_s, {{u"140"_s}, {u"152"_s}, {u"149"_s, u"140"_s}});
    preferences.setTitleHyoujiJun(TitleOrder::Tree); // 140, 149, 152: the list is not in number order
    start();
    KaigishitsuItem* item = browser->selectedBoard();
    ASSERT_TRUE(item);
    item->header()->setDeleteFlag(u"YES"_s);
    item->header()->setDeleteDay(u"30"_s);

    KobetsuKaigishitsuSettei::Values values = KobetsuKaigishitsuSettei::valuesFor(*item->header());
    EXPECT_EQ(values, (KobetsuKaigishitsuSettei::Values{true, u"30"_s, u"0"_s, u"F"_s, u"board a"_s}));
    EXPECT_EQ(KobetsuKaigishitsuSettei::stepperValue(u" 45 days"_s), 45);

    values.sakujo = false;
    values.sakujoDays = u"14"_s;
    values.lastMesNo = u" 0150abc"_s;
    values.forumName = u"G"_s;
    values.boardName = u"B"_s;
    KobetsuKaigishitsuSettei::apply(*item->header(), values, list.messageArray());
    const BoardLogHeader& header = *item->header();
    EXPECT_EQ(header.deleteFlag(), u"NO"_s);
    EXPECT_EQ(header.deleteDay(), u"14"_s);
    EXPECT_EQ(header.numberOfLastMes(), u"150"_s);
    EXPECT_EQ(header.dateOfLastMes(), makeRecord({u"149"_s}).date());
    EXPECT_EQ(header.forumName(), u"G"_s);
    EXPECT_EQ(header.boardName(), u"B"_s);

    // Below every message: the date stays as it was.
    values.lastMesNo = u"100"_s;
    KobetsuKaigishitsuSettei::apply(*item->header(), values, list.messageArray());
    EXPECT_EQ(header.numberOfLastMes(), u"100"_s);
    EXPECT_EQ(header.dateOfLastMes(), makeRecord({u"149"_s}).date());

    // The header reaches the file at the next save point.
    EXPECT_EQ(readBoard(warehouse + u"/a").header().forumName(), u"F"_s);
    ASSERT_TRUE(browser->saveNowHyoujiKaigishitu());
    EXPECT_EQ(readBoard(warehouse + u"/a").header().numberOfLastMes(), u"100"_s);
}
