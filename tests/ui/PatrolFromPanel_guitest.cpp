// A patrol from the communication panel against the simulated service, end to end: the user
// opens the panel from the menu, gives the ID and password in the sheet, presses the patrol
// button; the pages come through the real curl, the log cutting run cuts them, and the main
// window's board tree and message list show what the service holds.

#include "app/BoardTreeModel.h"
#include "app/KaigishitsuItem.h"
#include "app/LogCutRun.h"
#include "comm/CommunicationRun.h"
#include "forumsim/ForumSimProcess.h"
#include "store/CommunicationSettingsFolder.h"
#include "ui/CommunicationPanelWindow.h"
#include "ui/CommunicationWindows.h"
#include "ui/ControllerFixture.h"
#include "ui/IDPasswordSheet.h"
#include "ui/LogCutSheet.h"
#include "ui/TavrelMenus.h"
#include "ui/TavrelWindow.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace tavrel::test {
namespace {

// Open boards of the simulator's demo scenario, on two board servers.
struct DemoBoard
{
    const char* host;
    const char* id;
};
constexpr DemoBoard kBoards[] = {{"nbbs-a", "neko01"}, {"nbbs-a", "ryori01"}, {"nbbs-b", "tetsu01"}};

// Notes whether a widget was ever shown.
struct ShowWatcher : QObject
{
    explicit ShowWatcher(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        shown |= event->type() == QEvent::Show;
        return false;
    }
    bool shown = false;
};

class PatrolFromPanel : public ControllerFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.start()) << m_sim.errorText().toStdString();
        // Only curl's environment leads the client to the simulator.
        qputenv("CURL_HOME", m_sim.curlHome().toLocal8Bit());
        curlPath = QStringLiteral("/usr/bin/curl");

        const QString data = makeDataFolder();
        CommunicationSettings settings;
        for (const DemoBoard& board : kBoards) {
            PatrolEntry entry;
            entry.bbsID = QString::fromLatin1(board.id);
            entry.jushinURL =
                QStringLiteral("http://%1.example.com/nbbin/nb_wrent/").arg(QLatin1String(board.host));
            entry.urlFormat = PatrolEntry::makeUrlFormat(entry.jushinURL, entry.bbsID);
            entry.readALL = QStringLiteral("YES");
            entry.lastXMessage = QStringLiteral("100");
            settings.junkaiArray.append(entry);
        }
        ASSERT_TRUE(CommunicationSettingsFolder(DataFolder(data).accessPath())
                        .write(QStringLiteral("Demo"), settings));

        ASSERT_TRUE(start());
        controller->window().resize(1000, 700);
        controller->window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&controller->window()));
    }
    void TearDown() override
    {
        controller.reset();
        qunsetenv("CURL_HOME");
    }

    // The message numbers the simulator holds for a board, in order.
    QStringList simNumbers(const QString& board) const
    {
        QStringList numbers;
        const QJsonArray messages =
            m_sim.adminGet(QStringLiteral("/boards/") + board).value(QStringLiteral("messages")).toArray();
        for (const QJsonValue& message : messages)
            numbers.append(QString::number(message.toObject().value(QStringLiteral("number")).toInt()));
        return numbers;
    }

    // The flat tree row of the board with this ID; -1 when the tree lacks it.
    int boardRow(const QString& id) const
    {
        const BoardTreeModel& tree = controller->browser().tree();
        for (int row = 0; row < tree.flatRowCount(); ++row) {
            const KaigishitsuItem* item = tree.boardAtRow(row);
            if (item && item->kaigishitsuID() == id)
                return row;
        }
        return -1;
    }

    ForumSimProcess m_sim;
};

TEST_F(PatrolFromPanel, APatrolFillsTheBoardTreeAndTheMessageLists)
{
    EXPECT_EQ(controller->browser().tree().flatRowCount(), 0) << "the data folder starts empty";
    CommunicationWindows* windows = controller->communication();
    ASSERT_NE(windows, nullptr);
    CommunicationPanelWindow& panel = windows->panel();
    QSignalSpy runEnded(&windows->run(), &CommunicationRun::runEnded);
    QSignalSpy cutEnded(&windows->logCut(), &LogCutRun::logCutEnded);

    // The panel from its menu item; without an ID the ID and password sheet comes with it.
    QAction* item = controller->menus().action(QStringLiteral("SousaAccsessDodOvozaMenuTitle"));
    ASSERT_NE(item, nullptr);
    controller->validateMenus();
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    ASSERT_TRUE(panel.isVisible());
    ASSERT_TRUE(panel.idPasswordSheet()->isVisible());
    QTest::keyClicks(panel.findChild<QLineEdit*>(QStringLiteral("inputNiftyIDText")),
                     QStringLiteral("TAV00001"));
    QTest::keyClicks(panel.findChild<QLineEdit*>(QStringLiteral("inputNiftyPasswordText")),
                     QStringLiteral("neko-pass1"));
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("tsuushinSetNiftyIDPasswordForTemp")),
                      Qt::LeftButton);
    ASSERT_FALSE(panel.idPasswordSheet()->isVisible());
    EXPECT_EQ(panel.selectedSettingsName(), QStringLiteral("Demo"));

    ShowWatcher sheetWatcher(windows->sheet());
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("tsuushinJunkaiButton")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(cutEnded.count(), 1, 180000);
    ASSERT_EQ(runEnded.count(), 1);
    EXPECT_TRUE(runEnded.first().at(0).toBool()) << "the patrol went through to the log cutting";
    EXPECT_TRUE(sheetWatcher.shown) << "the log cutting sheet showed while the pages were cut";
    EXPECT_FALSE(windows->sheet().isVisible());
    EXPECT_TRUE(alerts.alerts().isEmpty()) << alerts.alerts().first().message.toStdString();
    EXPECT_FALSE(panel.isVisible()) << "the panel closes when the patrol is through";

    // Every board is in the tree with all its messages unread, and its list holds the
    // service's messages.
    for (const DemoBoard& board : kBoards) {
        const QString id = QString::fromLatin1(board.id);
        SCOPED_TRACE(board.id);
        // Message 0, the board's explanation, leads every list and is new as well.
        const QStringList expected = QStringList{QStringLiteral("0")} + simNumbers(id);
        ASSERT_GT(expected.size(), 1);
        const int row = boardRow(id);
        ASSERT_GE(row, 0);
        const KaigishitsuItem* item = controller->browser().tree().boardAtRow(row);
        EXPECT_EQ(item->midokuSuu(), expected.size());
        const QModelIndex index = controller->browser().tree().indexForRow(row);
        EXPECT_TRUE(index.data(IsBoldRole).toBool());
        EXPECT_TRUE(controller->window().kaigishitsuTable()->isExpanded(index.parent()));

        QTreeView* tree = controller->window().kaigishitsuTable();
        tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
        ASSERT_EQ(controller->browser().displayedBoardRow(), row);
        const MessageListModel& list = controller->browser().list();
        QStringList numbers;
        for (int message = 0; message < list.size(); ++message)
            numbers.append(list.recordAt(message).number());
        EXPECT_EQ(numbers, expected);
        EXPECT_EQ(controller->window().hatsugenTitleTable()->model()->rowCount(), expected.size());
    }

    // Opened again, the panel is ready for the next run.
    item->trigger();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_FALSE(panel.idPasswordSheet()->isVisible()) << "the ID and password are known now";
    EXPECT_TRUE(panel.findChild<QPushButton*>(QStringLiteral("tsuushinJunkaiButton"))->isEnabled());
}

} // namespace
} // namespace tavrel::test
