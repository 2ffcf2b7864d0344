// The main window driven as a user does: choosing a board and a message in the views, the
// space key paging through a message and then jumping to the next unread one.

#include "ui/ControllerFixture.h"
#include "ui/MessageTextView.h"
#include "ui/TavrelMenus.h"
#include "ui/TavrelWindow.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

namespace tavrel::test {
namespace {

class Browsing : public ControllerFixture
{
protected:
    void SetUp() override
    {
        makeDataFolder();
        board(QStringLiteral("a1"), QStringLiteral("forum A"),
              {{QStringLiteral("1")}, {QStringLiteral("2"), QStringLiteral("1")}});
        board(QStringLiteral("b1"), QStringLiteral("forum B"), {{QStringLiteral("7")}});
        ASSERT_TRUE(start());
        window().resize(900, 600);
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

    TavrelWindow& window() { return controller->window(); }

    void clickRow(QTreeView* view, const QModelIndex& index)
    {
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    }

    void clickMessage(int row)
    {
        clickRow(window().hatsugenTitleTable(), controller->browser().list().index(row, 0));
    }

    QString shownText() const { return controller->window().hatsugenNaiyouTextView()->toPlainText(); }

    QString selectedNumber() const
    {
        const int row = controller->browser().selectedMessageRow();
        return row < 0 ? QString() : controller->browser().list().recordAt(row).number();
    }
};

TEST_F(Browsing, ChoosingABoardAndAMessageInTheViewsShowsIt)
{
    EXPECT_EQ(window().boardLabel()->text(), QStringLiteral("a1:title of a1"));
    clickMessage(1);
    EXPECT_TRUE(shownText().contains(QStringLiteral("message 2"))) << shownText().toStdString();

    // The second forum's board is flat row 3.
    clickRow(window().kaigishitsuTable(), controller->browser().tree().indexForRow(3));
    EXPECT_EQ(controller->browser().displayedBoardRow(), 3);
    EXPECT_EQ(window().boardLabel()->text(), QStringLiteral("b1:title of b1"));
    ASSERT_EQ(controller->browser().list().size(), 1);
    clickMessage(0);
    EXPECT_TRUE(shownText().contains(QStringLiteral("message 7")));
}

TEST_F(Browsing, SpacePagesThroughALongMessageThenJumpsToTheNextUnread)
{
    // Message 1 of board a1 made long enough to need several pages.
    controller->browser().list().changeRecords({0}, [](MessageRecord& record) {
        QString text;
        for (int line = 0; line < 200; ++line)
            text += QStringLiteral("<p>line %1</p>").arg(line);
        record.setContents(text);
    });
    clickMessage(1);
    clickMessage(0);
    MessageTextView* view = window().hatsugenNaiyouTextView();
    ASSERT_TRUE(view->scroller().enabled);

    int presses = 0;
    while (selectedNumber() == u"1" && presses < 100) {
        QTest::keyClick(view, Qt::Key_Space);
        ++presses;
    }
    EXPECT_GT(presses, 2) << "the message should have been paged before moving on";
    EXPECT_EQ(selectedNumber(), QStringLiteral("2"));
    EXPECT_FALSE(controller->browser().list().recordAt(0).isUnread());
    EXPECT_TRUE(shownText().contains(QStringLiteral("message 2")));

    // Space on the short last unread message of a1 moves to the next board's unread one.
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(controller->browser().displayedBoardRow(), 3);
    EXPECT_EQ(selectedNumber(), QStringLiteral("7"));
}

TEST_F(Browsing, WholePageSizingMakesPagingEndOnTheLastPage)
{
    controller->browser().list().changeRecords({0}, [](MessageRecord& record) {
        QString text;
        for (int line = 0; line < 97; ++line)
            text += QStringLiteral("<p>line %1</p>").arg(line);
        record.setContents(text);
    });
    MessageTextView* view = window().hatsugenNaiyouTextView();
    for (bool whole : {false, true}) {
        SCOPED_TRACE(whole);
        preferences->setCompletePageScrollFlag(whole);
        clickMessage(1);
        clickMessage(0);
        const int maximum = view->verticalScrollBar()->maximum();
        ASSERT_GT(maximum, view->pageHeight());
        // Without the sizing the last page is a partial one (this text is chosen so).
        EXPECT_EQ(maximum % view->pageHeight() == 0, whole) << maximum << " " << view->pageHeight();
    }
}

TEST_F(Browsing, MenusFollowTheSelection)
{
    QAction* commented = controller->menus().action(QStringLiteral("SousaCommentMotoMesMoveMenuTitle"));
    ASSERT_TRUE(commented);
    clickMessage(0); // comments on nothing
    EXPECT_FALSE(commented->isEnabled());
    clickMessage(1); // comments on 1
    EXPECT_TRUE(commented->isEnabled());
    commented->trigger();
    EXPECT_EQ(selectedNumber(), QStringLiteral("1"));
    EXPECT_TRUE(controller->menus().action(QStringLiteral("SousaReadMidokuMenuTitle"))->isEnabled());
}

} // namespace
} // namespace tavrel::test
