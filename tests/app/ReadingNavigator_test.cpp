#include "BrowserTestSupport.h"
#include "support/QtPrinters.h"

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

using Scroller = ReadingNavigator::Scroller;
using SpaceResult = ReadingNavigator::SpaceResult;

class Reading : public BrowserFixture
{
protected:
    // Where the reader is: "board/number", or "board/-" without a selected message.
    QString at() const
    {
        return displayedId() + u'/' + (selectedNumber().isEmpty() ? u"-"_s : selectedNumber());
    }
    SpaceResult spaceAtEnd() { return navigator->readMidoku({1.0, true}); }
};

} // namespace

TEST_F(Reading, SpacePagesThenReadsOnAcrossBoardsAndBeepsAtTheEnd)
{
    board(u"a"_s, u"F"_s, {{u"1"_s, u"0"_s, false}, {u"2"_s}, {u"3"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s}, {u"2"_s, u"0"_s, false}});
    board(u"c"_s, u"G"_s, {{u"1"_s, u"0"_s, false}});
    start();
    ASSERT_EQ(at(), u"a/1"_s);

    EXPECT_EQ(navigator->readMidoku({0.5, true}), SpaceResult::PageDown);
    EXPECT_EQ(navigator->readMidoku({0.994, true}), SpaceResult::PageDown);
    EXPECT_EQ(at(), u"a/1"_s);

    // At the end of the text (0.996), or with text that fits (scroller disabled): on.
    EXPECT_EQ(navigator->readMidoku({0.996, true}), SpaceResult::MovedOn);
    EXPECT_EQ(at(), u"a/2"_s);
    EXPECT_EQ(countOf(u"a"_s), 2);
    EXPECT_EQ(navigator->readMidoku({0.0, false}), SpaceResult::MovedOn);
    EXPECT_EQ(at(), u"a/3"_s);
    EXPECT_EQ(countOf(u"a"_s), 1);
    spaceAtEnd();
    EXPECT_EQ(at(), u"b/1"_s);
    EXPECT_EQ(browser->selectedBoardRow(), 2);
    EXPECT_EQ(countOf(u"a"_s), 0);
    // Leaving board a saved it.
    EXPECT_TRUE(unreadNumbersOf(readBoard(warehouse + u"/a").body()).isEmpty());
    EXPECT_EQ(readBoard(warehouse + u"/a").header().midokuSu(), u"0"_s);
    EXPECT_EQ(alerts.beeps(), 0);

    // The last unread message of the last board: a beep, and board b's list is rebuilt.
    spaceAtEnd();
    EXPECT_EQ(alerts.beeps(), 1);
    EXPECT_EQ(displayedId(), u"b"_s);
    EXPECT_EQ(list.size(), 2);
    EXPECT_TRUE(unreadNumbersOf(readBoard(warehouse + u"/b").body()).isEmpty());
    spaceAtEnd();
    EXPECT_EQ(alerts.beeps(), 2);
}

TEST_F(Reading, TavrelLiteSpaceMovesOnOnlyWhenPagingDidNotMove)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s}});
    start();
    navigator->readMidokuAfterPaging(0.3, 0.6);
    EXPECT_EQ(at(), u"a/1"_s);
    navigator->readMidokuAfterPaging(1.0, 1.0);
    EXPECT_EQ(at(), u"a/2"_s);
    EXPECT_EQ(countOf(u"a"_s), 1);
}

TEST_F(Reading, ReturnLeavesTheMessageUnread)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s, u"0"_s, false}, {u"3"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s}});
    start();
    navigator->kyouseiHyoujiNextMessage();
    EXPECT_EQ(at(), u"a/3"_s);
    EXPECT_EQ(unreadNumbersOf(list.messageArray()), (QStringList{u"1"_s, u"3"_s}));
    EXPECT_EQ(countOf(u"a"_s), 2);

    // Nothing below: the search goes on from the current board's first row.
    navigator->kyouseiHyoujiNextMessage();
    EXPECT_EQ(at(), u"a/1"_s);

    // Shift+Return marks read first.
    navigator->kyouseiReadedNextHatsugen();
    EXPECT_EQ(at(), u"a/3"_s);
    EXPECT_EQ(countOf(u"a"_s), 1);
}

TEST_F(Reading, ReturnOnTheFirstRowWithNothingBelowClearsTheCount)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s}});
    start();
    navigator->kyouseiHyoujiNextMessage();
    EXPECT_EQ(at(), u"b/1"_s);
    EXPECT_EQ(countOf(u"a"_s), 0);
    EXPECT_EQ(unreadNumbersOf(readBoard(warehouse + u"/a").body()), QStringList{u"1"_s});
}

TEST_F(Reading, BoardsWithStaleCountsAreClearedNotSearchedForever)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s, u"0"_s, false}}, 3); // counts 3, holds none unread
    board(u"c"_s, u"F"_s, {}, 2);                        // counts 2, holds nothing
    board(u"d"_s, u"F"_s, {{u"1"_s, u"0"_s, false}, {u"2"_s}});
    start();
    spaceAtEnd();
    EXPECT_EQ(at(), u"d/2"_s);
    EXPECT_EQ(countOf(u"b"_s), 0);
    EXPECT_EQ(countOf(u"c"_s), 0);
    spaceAtEnd();
    EXPECT_EQ(alerts.beeps(), 1);

    // Entering the next board directly: none left, so a beep and no move.
    navigator->idouNextKaigishitsu();
    EXPECT_EQ(alerts.beeps(), 2);
    EXPECT_EQ(displayedId(), u"d"_s);
}

TEST_F(Reading, NextBoardSearchIncludesTheCurrentBoardButNotTheRowsAbove)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s}, {u"2"_s, u"0"_s, false}});
    start();
    clickBoard(2);
    clickMessages({1});
    // From the last row of b: b's own unread message above is found again from its first row.
    navigator->hyoujiNextMessage();
    EXPECT_EQ(at(), u"b/1"_s);
    spaceAtEnd();
    // Board a above still has its unread message; the search does not wrap.
    EXPECT_EQ(alerts.beeps(), 1);
    EXPECT_EQ(countOf(u"a"_s), 1);
}

TEST_F(Reading, ArrowsStepWithoutChangingReadState)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}, {u"2"_s}});
    start();
    QSignalSpy selections(browser.get(), &BoardBrowser::messageRowsSelected);
    navigator->readNextHatsugen();
    EXPECT_EQ(at(), u"a/2"_s);
    EXPECT_EQ(selections.last().at(1).value<Reveal>(), Reveal::Centred);
    navigator->readNextHatsugen();
    EXPECT_EQ(at(), u"a/2"_s);
    navigator->readPreviousHatsugen();
    EXPECT_EQ(at(), u"a/1"_s);
    EXPECT_EQ(selections.last().at(1).value<Reveal>(), Reveal::Scroll);
    navigator->readPreviousHatsugen();
    EXPECT_EQ(at(), u"a/1"_s);
    EXPECT_EQ(unreadNumbersOf(list.messageArray()), (QStringList{u"1"_s, u"2"_s}));

    clickMessages({});
    navigator->readNextHatsugen();
    EXPECT_EQ(at(), u"a/-"_s);
}

TEST_F(Reading, ReadingKeys)
{
    using Key = ReadingNavigator::ReadingKey;
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_Space, Qt::ControlModifier), Key::Space);
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_Right, Qt::NoModifier), Key::Next);
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_Left, Qt::NoModifier), Key::Previous);
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_Return, Qt::NoModifier), Key::PowerNext);
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_Enter, Qt::ShiftModifier), Key::ReadedPowerNext);
    EXPECT_EQ(ReadingNavigator::readingKey(Qt::Key_A, Qt::NoModifier), Key::None);
}

TEST_F(Reading, GoingBackReturnsToThePreviousMessageAcrossBoards)
{
    board(u"a"_s, u"F"_s, {{u"7"_s, u"0"_s, false}, {u"8"_s, u"0"_s, false}, {u"9"_s, u"0"_s, false}});
    board(u"b"_s, u"F"_s, {{u"1"_s, u"0"_s, false}});
    start();
    // Nothing was shown before the first message: going back does nothing.
    navigator->goBackDisplayedMessage();
    EXPECT_EQ(at(), u"a/7"_s);

    clickMessages({2});
    EXPECT_EQ(browser->backPosition().maenoMessageNumber(), u"7"_s);
    clickMessages({2}); // the same message again moves nothing
    EXPECT_EQ(browser->backPosition().maenoMessageNumber(), u"7"_s);
    navigator->goBackDisplayedMessage();
    EXPECT_EQ(at(), u"a/7"_s);
    navigator->goBackDisplayedMessage();
    EXPECT_EQ(at(), u"a/9"_s);

    clickBoard(2);
    EXPECT_EQ(at(), u"b/1"_s);
    EXPECT_EQ(browser->backPosition().maenoMessageFullPath(), warehouse + u"/a");
    QSignalSpy label(browser.get(), &BoardBrowser::boardLabelChanged);
    navigator->goBackDisplayedMessage();
    EXPECT_EQ(at(), u"a/9"_s);
    EXPECT_EQ(browser->selectedBoardRow(), 1);
    EXPECT_EQ(label.last().at(0).toString(), u"a:title of a"_s);
    navigator->goBackDisplayedMessage();
    EXPECT_EQ(at(), u"b/1"_s);
}

TEST_F(Reading, GoingToTheCommentedMessageLooksOnlyAbove)
{
    board(u"a"_s, u"F"_s,
          {{u"1"_s}, {u"2"_s}, {u"3"_s, u"01"_s}, {u"4"_s, u"99"_s}, {u"5"_s, u"6"_s}, {u"6"_s, u"0"_s}});
    start();
    EXPECT_FALSE(navigator->canGoCommentMotoMessage()); // message 1 comments on nothing
    clickMessages({2});
    EXPECT_TRUE(navigator->canGoCommentMotoMessage());
    navigator->goCommentMotoMessage(); // "01" is message 1 by value
    EXPECT_EQ(at(), u"a/1"_s);
    clickMessages({3});
    navigator->goCommentMotoMessage(); // commented message deleted
    EXPECT_EQ(alerts.beeps(), 1);
    EXPECT_EQ(at(), u"a/4"_s);
    clickMessages({4});
    navigator->goCommentMotoMessage(); // commented message is below
    EXPECT_EQ(alerts.beeps(), 2);
    clickMessages({});
    navigator->goCommentMotoMessage();
    EXPECT_EQ(alerts.beeps(), 2);
    EXPECT_FALSE(navigator->canGoCommentMotoMessage());
}
