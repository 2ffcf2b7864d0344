#include "BrowserTestSupport.h"
#include "app/MessageOrder.h"
#include "app/MessageTitleCell.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

QStringList levelsOf(const QList<MessageRecord>& records)
{
    QStringList levels;
    for (const MessageRecord& record : records)
        levels.append(record.indentLevel());
    return levels;
}

class MessageList : public BrowserFixture
{};

} // namespace

TEST(MessageOrder, NumberOrderSortsByValueThenDateAndResetsLevels)
{
    QList<MessageRecord> records = {makeRecord({u"10"_s}), makeRecord({u"9"_s}), makeRecord({u"9"_s})};
    records[0].setIndentLevel(u"2"_s);
    records[1].setDate(u"2004-05-12 13:45:00 +0900"_s);
    records[1].setTitle(u"later"_s);
    records[2].setDate(u"2004-05-12 13:44:00 +0900"_s);
    records[2].setTitle(u"earlier"_s);

    QList<MessageRecord> keptLevels = records;
    MessageOrder::sortTitleArrayBangouJunOnArray(keptLevels);
    EXPECT_EQ(keptLevels[0].title(), u"earlier"_s);
    EXPECT_EQ(keptLevels[2].indentLevel(), u"2"_s);

    MessageOrder::sortTitleArrayBangouJun(records);
    EXPECT_EQ(numbersOf(records), (QStringList{u"9"_s, u"9"_s, u"10"_s}));
    EXPECT_EQ(records[0].title(), u"earlier"_s);
    EXPECT_EQ(levelsOf(records), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}

TEST(MessageOrder, TreeOrderOnRecords)
{
    QList<MessageRecord> records;
    for (const Msg& msg : QList<Msg>{{u"1"_s, u"0"_s},
                                     {u"2"_s, u"0"_s},
                                     {u"3"_s, u"1"_s},
                                     {u"4"_s, u"2"_s},
                                     {u"5"_s, u"2"_s},
                                     {u"6"_s, u"3"_s},
                                     {u"7"_s, u"99"_s}})
        records.append(makeRecord(msg));
    records[6].setIndentLevel(u"2"_s); // an orphan that was indented when last saved
    MessageOrder::sortTitleArrayTreeJun(records);
    EXPECT_EQ(numbersOf(records), (QStringList{u"1"_s, u"3"_s, u"6"_s, u"2"_s, u"4"_s, u"5"_s, u"7"_s}));
    // Records that comment on nothing keep what they had (here: no level at all).
    EXPECT_EQ(levelsOf(records), (QStringList{QString(), u"1"_s, u"2"_s, QString(), u"1"_s, u"1"_s, u"2"_s}));
    EXPECT_FALSE(records[0].contains(MessageRecord::IndentLevel));
}

TEST(MessageTitleCell, TextSuffixAndBold)
{
    struct Case
    {
        std::optional<QString> level;
        std::optional<QString> lock;
        bool unread;
        QString expected;
    };
    const QList<Case> cases = {
        {u"0"_s, u"NO"_s, true, u"5  name 5  title 5"_s},
        {u"3"_s, u"YES"_s, false, u"   5  name 5  title 5    (Locked)"_s},
        {u"300"_s, u"DEL"_s, false, QString(176, u' ') + u"5  name 5  title 5    (Delete)"},
        {u"-4"_s, {}, false, u"5  name 5  title 5"_s},
        {{}, u"yes"_s, true, u"5  name 5  title 5"_s},
    };
    for (const Case& c : cases) {
        MessageRecord record = makeRecord({u"5"_s, u"0"_s, c.unread});
        if (c.level)
            record.setIndentLevel(*c.level);
        if (c.lock)
            record.setLock(*c.lock);
        else
            record.remove(MessageRecord::Lock);
        EXPECT_EQ(MessageTitleCell::text(record), c.expected);
        EXPECT_EQ(MessageTitleCell::isBold(record), c.unread);
    }
}

TEST_F(MessageList, RowsShowCellTextBoldAndUnreadColour)
{
    board(u"b"_s, u"F"_s, {{u"1"_s, u"0"_s, false}, {u"2"_s, u"1"_s, true}});
    preferences.setIsSettingMidokuMessageTitleColor(true);
    preferences.setMidokuMessageTitleColor({0, 0, 1, 1});
    start();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.columnCount(), 1);
    EXPECT_EQ(list.data(list.index(1, 0)).toString(), u"2  name 2  title 2"_s);
    EXPECT_FALSE(list.data(list.index(0, 0), IsBoldRole).toBool());
    EXPECT_TRUE(list.data(list.index(1, 0), IsBoldRole).toBool());
    EXPECT_FALSE(list.data(list.index(0, 0), UnreadTitleColorRole).isValid());
    EXPECT_EQ(list.data(list.index(1, 0), UnreadTitleColorRole).value<RgbaColor>(), (RgbaColor{0, 0, 1, 1}));

    list.setUnreadTitleColor({false, {0, 0, 1, 1}});
    EXPECT_FALSE(list.data(list.index(1, 0), UnreadTitleColorRole).isValid());
    EXPECT_TRUE(list.data(list.index(1, 0), IsBoldRole).toBool());
}

TEST_F(MessageList, OrdersFollowThePreferenceAndTheSwitchKeepsTheSelection)
{
    board(u"b"_s, u"F"_s,
          {{u"1"_s, u"0"_s},
           {u"2"_s, u"0"_s},
           {u"3"_s, u"1"_s},
           {u"4"_s, u"2"_s},
           {u"5"_s, u"2"_s},
           {u"6"_s, u"3"_s}});
    preferences.setTitleHyoujiJun(TitleOrder::Tree);
    start();
    EXPECT_EQ(browser->defaultTitleHyoujiJun(), TitleOrder::Tree);
    EXPECT_EQ(BoardBrowser::popUpIndexFor(browser->defaultTitleHyoujiJun()), 1);
    EXPECT_EQ(numbersOf(list.messageArray()), (QStringList{u"1"_s, u"3"_s, u"6"_s, u"2"_s, u"4"_s, u"5"_s}));
    EXPECT_EQ(levelsOf(list.messageArray()),
              (QStringList{QString(), u"1"_s, u"2"_s, QString(), u"1"_s, u"1"_s}));
    EXPECT_EQ(list.data(list.index(2, 0)).toString(), u"  6  name 6  title 6"_s);

    clickMessages({2});
    QSignalSpy selections(browser.get(), &BoardBrowser::messageRowsSelected);
    browser->selectTitleHyoujiJun(0);
    EXPECT_EQ(preferences.titleHyoujiJun(), TitleOrder::Bangou);
    EXPECT_EQ(numbersOf(list.messageArray()), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    EXPECT_EQ(levelsOf(list.messageArray()), QStringList(6, u"0"_s));
    EXPECT_EQ(selectedNumber(), u"6"_s);
    ASSERT_FALSE(selections.isEmpty());
    EXPECT_EQ(selections.last().at(1).value<Reveal>(), Reveal::Centred);

    // Without a selection the order changes and nothing is selected.
    clickMessages({});
    browser->selectTitleHyoujiJun(1);
    EXPECT_EQ(numbersOf(list.messageArray()).first(3), (QStringList{u"1"_s, u"3"_s, u"6"_s}));
    EXPECT_EQ(browser->selectedMessageRow(), -1);
}

TEST_F(MessageList, UnreadableBoardOrNoBoardGivesAnEmptyList)
{
    const QString path = board(u"b"_s, u"F"_s, {{u"1"_s}});
    start();
    ASSERT_EQ(list.size(), 1);
    // The body goes bad while no board is shown: the header still reads, the list does not.
    browser->noSelectMyKaigishitsuTable();
    QByteArray bytes = readFile(path);
    bytes.replace("message 1", "message &bogus; 1");
    dir.writeFile(u"Warehouse/b"_s, bytes);
    QSignalSpy cleared(browser.get(), &BoardBrowser::messageCleared);
    clickBoard(1);
    EXPECT_EQ(list.size(), 0);
    EXPECT_FALSE(cleared.isEmpty());
    EXPECT_EQ(browser->displayedBoardRow(), 1);
    // The empty list is never saved over the file.
    EXPECT_FALSE(browser->saveNowHyoujiKaigishitu());
    clickBoard(1);
    EXPECT_EQ(readFile(path), bytes);

    clickBoard(-1);
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(browser->displayedBoardRow(), -1);
}

TEST_F(MessageList, ChoosingABoardSetsTheLabelsAndShowsTheFirstMessage)
{
    board(u"a"_s, u"F"_s, {{u"1"_s, u"0"_s, false}, {u"2"_s}});
    board(u"b"_s, u"F"_s, {});
    builder = std::make_unique<BoardTreeBuilder>(alerts, trash, log);
    browser = std::make_unique<BoardBrowser>(tree, list, *builder, preferences, log, u"ACTION"_s);
    QSignalSpy label(browser.get(), &BoardBrowser::boardLabelChanged);
    QSignalSpy count(browser.get(), &BoardBrowser::countLabelChanged);
    QSignalSpy shown(browser.get(), &BoardBrowser::messageShown);
    QSignalSpy boardSelections(browser.get(), &BoardBrowser::boardRowSelected);
    browser->makeTableNow(warehouse);

    ASSERT_EQ(boardSelections.size(), 1);
    EXPECT_EQ(boardSelections.first().at(0).toInt(), 1);
    EXPECT_EQ(browser->displayedBoardRow(), 1);
    EXPECT_EQ(label.last().at(0).toString(), u"a:title of a"_s);
    EXPECT_EQ(count.last().at(0).toString(), u"2"_s + uiText(u"KenNoMessage") + uiText(u"Kakko") +
                                                 uiText(u"MidokuSu") + u"1" + uiText(u"KakkoToji"));
    EXPECT_EQ(selectedNumber(), u"1"_s);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().at(0).value<MessageDisplay>().html, u"<p>message 1</p>"_s);

    clickBoard(2); // an empty board: nothing selected, nothing shown
    EXPECT_EQ(browser->selectedMessageRow(), -1);
    EXPECT_EQ(shown.size(), 1);
    browser->noSelectMyKaigishitsuTable();
    browser->hyoujiNowKaigishitsuhatsugenSuu();
    EXPECT_EQ(count.last().at(0).toString(), QString());
}
