// Start-up and quit of the main controller: curl, the data folder chooser loop, the saved
// window state.

#include "app/BoardTreeModel.h"
#include "store/UiTexts.h"
#include "ui/ControllerFixture.h"
#include "ui/TavrelWindow.h"

namespace tavrel::test {
namespace {

using StartUp = ControllerFixture;

TEST_F(StartUp, WithoutCurlAlertsAndQuitsBeforeAskingForAFolder)
{
    curlPath = dir.filePath(QStringLiteral("no/curl"));
    EXPECT_FALSE(start());
    EXPECT_EQ(quits, 1);
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().title, uiText(u"NoCURLAlertTitle"));
    EXPECT_TRUE(folders.requests().isEmpty());
}

TEST_F(StartUp, WithoutDataFolderTheCreationChooserReturnsUntilOneIsValid)
{
    // The first parent already holds a plain "TavrelFolder": creating there fails and the
    // chooser comes back; the second parent works.
    const QString taken = dir.makeDir(QStringLiteral("taken/TavrelFolder"));
    const QString good = dir.makeDir(QStringLiteral("good"));
    folders.queueChoice(dir.filePath(QStringLiteral("taken")));
    folders.queueChoice(good);

    ASSERT_TRUE(start());
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(folders.requests().size(), 2);
    EXPECT_EQ(alerts.alerts().size(), 1);
    const QString created = good + u"/TavrelFolder";
    EXPECT_TRUE(DataFolder::isValid(created));
    EXPECT_EQ(preferences->tvlFolderPath(), created);
    ASSERT_TRUE(controller->dataFolder());
    EXPECT_EQ(controller->dataFolder()->path(), created);
    Q_UNUSED(taken);
}

TEST_F(StartUp, CancellingTheChooserQuits)
{
    preferences->setTvlFolderPath(dir.filePath(QStringLiteral("gone/TavrelFolder")));
    EXPECT_FALSE(start());
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(folders.requests().size(), 1);
    EXPECT_FALSE(controller->dataFolder());
}

TEST_F(StartUp, ValidFolderReadsTheServiceIDBuildsTheTreeAndSelectsTheFirstBoard)
{
    makeDataFolder();
    board(QStringLiteral("b1"), QStringLiteral("forum one"), {{QStringLiteral("1")}});
    keychain.addGenericPassword(ServiceAccount::idServiceName(), ServiceAccount::idAccountName(), "TAV00001");
    keychain.addGenericPassword(ServiceAccount::passwordServiceName(), ServiceAccount::passwordAccountName(),
                                "pw");
    ASSERT_TRUE(start());
    EXPECT_EQ(controller->account().niftyID(), QStringLiteral("TAV00001"));
    EXPECT_EQ(controller->account().niftyPassword(), QStringLiteral("pw"));
    EXPECT_TRUE(folders.requests().isEmpty());
    EXPECT_EQ(controller->browser().tree().flatRowCount(), 2);
    EXPECT_EQ(controller->browser().selectedBoardRow(), 1);
    EXPECT_EQ(controller->browser().list().size(), 1);
}

TEST_F(StartUp, QuitSavesTheDisplayedBoardAndThePaneSizesToDisk)
{
    makeDataFolder();
    const QString path =
        board(QStringLiteral("b1"), QStringLiteral("forum"), {{QStringLiteral("2")}, {QStringLiteral("1")}});
    ASSERT_TRUE(start());
    TavrelWindow& window = controller->window();
    window.show();
    window.setBoardPaneWidth(210);
    const int paneHeight = window.messageListPaneHeight();
    controller->marks().setAllHatsugenKidoku();

    controller->terminate();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(unreadNumbersOf(readBoard(path).body()), QStringList());
    EXPECT_EQ(numbersOf(readBoard(path).body()), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    const Preferences reread(preferences->filePath());
    EXPECT_EQ(reread.kaigishitsuTableFrameSizeWidth(), 210);
    EXPECT_EQ(reread.hatsugenTitleTableFrameSizeHeight(), paneHeight);

    // The next start puts the panes back.
    controller.reset();
    preferences = std::make_unique<Preferences>(reread.filePath());
    ASSERT_TRUE(start());
    controller->window().show();
    EXPECT_EQ(controller->window().boardPaneWidth(), 210);
    EXPECT_EQ(controller->window().messageListPaneHeight(), paneHeight + 8);
}

} // namespace
} // namespace tavrel::test
