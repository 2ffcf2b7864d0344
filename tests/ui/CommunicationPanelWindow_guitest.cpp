#include "support/QtPrinters.h"
#include "ui/CommunicationPanelWindow.h"
#include "ui/IDPasswordSheet.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tavrel;

namespace {

class CommunicationPanelWindowTest : public ::testing::Test
{
protected:
    template<typename T>
    T* child(const char* name)
    {
        T* found = m_window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* popUp() { return child<QComboBox>("tsuushinJunkaiSetteiPopUp"); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }

    CommunicationPanelWindow m_window;
    // The run sees the window only through this.
    CommunicationPanel& m_panel = m_window;
};

TEST_F(CommunicationPanelWindowTest, PopUpListsTheSettingsAndSelectsOnlyExactNames)
{
    EXPECT_EQ(m_panel.selectedSettingsName(), QString()) << "no settings, no selection";
    EXPECT_FALSE(m_panel.selectSettingsName(QStringLiteral("Daily")));

    const QStringList names{QStringLiteral("Daily"), QStringLiteral("Weekend boards"),
                            QStringLiteral("巡回")};
    m_panel.setSettingsNames(names);
    QStringList shown;
    for (int i = 0; i < popUp()->count(); ++i)
        shown.append(popUp()->itemText(i));
    EXPECT_EQ(shown, names);
    EXPECT_EQ(m_panel.selectedSettingsName(), QStringLiteral("Daily"));

    struct Case
    {
        QString name;
        bool found;
        QString selectedAfter;
    };
    const Case cases[] = {
        {QStringLiteral("巡回"), true, QStringLiteral("巡回")},
        {QStringLiteral("weekend boards"), false, QStringLiteral("巡回")},
        {QStringLiteral("Weekend"), false, QStringLiteral("巡回")},
        {QString(), false, QStringLiteral("巡回")},
        {QStringLiteral("Weekend boards"), true, QStringLiteral("Weekend boards")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(m_panel.selectSettingsName(c.name), c.found);
        EXPECT_EQ(m_panel.selectedSettingsName(), c.selectedAfter);
    }

    // The user's choice is what the run reads; a new list starts at its first item again.
    popUp()->setCurrentIndex(0);
    EXPECT_EQ(m_panel.selectedSettingsName(), QStringLiteral("Daily"));
    m_panel.setSettingsNames({QStringLiteral("Other")});
    EXPECT_EQ(m_panel.selectedSettingsName(), QStringLiteral("Other"));
    EXPECT_EQ(popUp()->count(), 1);
}

TEST_F(CommunicationPanelWindowTest, StatusAndProgressShowWhatTheRunSets)
{
    const QString status = QStringLiteral("Download : http://board.example.com/nbbin/nb_wrent/?page=3");
    m_panel.setStatusText(status);
    EXPECT_EQ(child<QLabel>("tsuushinStatusText")->text(), status);

    struct Case
    {
        double percent;
        int shown;
    };
    const Case cases[] = {
        {0, 0},     {42.4, 42}, {42.6, 43}, {99.9, 100},
        {100, 100}, {250, 100}, {-3.5, 0},  {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    QProgressBar* bar = child<QProgressBar>("tsuushinProgress");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        m_panel.setProgress(c.percent);
        EXPECT_EQ(bar->value(), c.shown);
    }
}

TEST_F(CommunicationPanelWindowTest, CommandsEnableTogetherAndStopStaysAvailable)
{
    const char* commands[] = {"tsuushinJunkaiButton", "tsuushinJushinButton", "tsuushinSoushinButton"};
    m_panel.showPanel();
    for (bool enabled : {false, true, false}) {
        SCOPED_TRACE(enabled);
        m_panel.setCommandsEnabled(enabled);
        for (const char* name : commands)
            EXPECT_EQ(button(name)->isEnabled(), enabled) << name;
        EXPECT_EQ(popUp()->isEnabled(), enabled);
        EXPECT_TRUE(button("tsuushinStopAccessButton")->isEnabled());
    }
    // With the commands off the stop button is the one that has the focus.
    EXPECT_EQ(m_window.focusWidget(), button("tsuushinStopAccessButton"));
}

TEST_F(CommunicationPanelWindowTest, EachButtonEmitsItsOwnSignal)
{
    using Signal = void (CommunicationPanelWindow::*)();
    const struct
    {
        const char* button;
        Signal signal;
    } cases[] = {
        {"tsuushinJunkaiButton", &CommunicationPanelWindow::junkaiClicked},
        {"tsuushinJushinButton", &CommunicationPanelWindow::jushinClicked},
        {"tsuushinSoushinButton", &CommunicationPanelWindow::soushinClicked},
        {"tsuushinStopAccessButton", &CommunicationPanelWindow::stopClicked},
    };
    m_panel.setCommandsEnabled(true);
    m_panel.showPanel();
    for (const auto& pressed : cases) {
        SCOPED_TRACE(pressed.button);
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const auto& c : cases)
            spies.push_back(std::make_unique<QSignalSpy>(&m_window, c.signal));
        QTest::mouseClick(button(pressed.button), Qt::LeftButton);
        for (size_t i = 0; i < std::size(cases); ++i)
            EXPECT_EQ(spies[i]->count(), cases[i].button == pressed.button ? 1 : 0) << cases[i].button;
    }
}

TEST_F(CommunicationPanelWindowTest, OpensWithThePatrolButtonFocusedAndReturnPatrols)
{
    m_panel.setCommandsEnabled(true);
    EXPECT_FALSE(m_panel.isPanelVisible());
    m_panel.showPanel();
    EXPECT_TRUE(m_panel.isPanelVisible());
    EXPECT_EQ(m_window.focusWidget(), button("tsuushinJunkaiButton"));

    QSignalSpy junkai(&m_window, &CommunicationPanelWindow::junkaiClicked);
    QTest::keyClick(button("tsuushinJunkaiButton"), Qt::Key_Return);
    EXPECT_EQ(junkai.count(), 1);

    m_panel.bringPanelToFront();
    EXPECT_TRUE(m_panel.isPanelVisible());
}

TEST_F(CommunicationPanelWindowTest, ClosingByTheTitleBarStopsOnlyARunningRun)
{
    QSignalSpy stop(&m_window, &CommunicationPanelWindow::stopClicked);

    // The run closes the panel itself: that is no stop request.
    m_panel.setCommandsEnabled(false);
    m_panel.showPanel();
    m_panel.closePanel();
    EXPECT_FALSE(m_panel.isPanelVisible());
    EXPECT_EQ(stop.count(), 0);

    // The user closes an idle panel: nothing to stop.
    m_panel.setCommandsEnabled(true);
    m_panel.showPanel();
    EXPECT_TRUE(m_window.close());
    EXPECT_FALSE(m_panel.isPanelVisible());
    EXPECT_EQ(stop.count(), 0);

    // The user closes the panel during a run: as the stop button.
    m_panel.showPanel();
    m_panel.setCommandsEnabled(false);
    EXPECT_TRUE(m_window.close());
    EXPECT_FALSE(m_panel.isPanelVisible());
    EXPECT_EQ(stop.count(), 1);
}

TEST_F(CommunicationPanelWindowTest, SheetOpensOverThePanelAndClosesWithIt)
{
    m_panel.showPanel();
    m_panel.showIDPasswordSheet(QStringLiteral("ABC01234"), QString());
    IDPasswordSheet* sheet = m_window.idPasswordSheet();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->parentWidget(), &m_window);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->niftyID(), QStringLiteral("ABC01234"));

    QSignalSpy cancelled(&m_window, &CommunicationPanelWindow::idPasswordCancelled);
    m_panel.closeIDPasswordSheet();
    EXPECT_FALSE(sheet->isVisible());
    m_panel.showIDPasswordSheet(QString(), QString());
    m_panel.closePanel();
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(cancelled.count(), 0) << "closing from the program reports no cancel";
}

TEST_F(CommunicationPanelWindowTest, SheetAnswersReachThePanelsSignalsWithTheTypedValues)
{
    m_panel.showPanel();
    QSignalSpy keychain(&m_window, &CommunicationPanelWindow::idPasswordForKeychain);
    QSignalSpy temp(&m_window, &CommunicationPanelWindow::idPasswordForTemp);
    QSignalSpy cancelled(&m_window, &CommunicationPanelWindow::idPasswordCancelled);

    m_panel.showIDPasswordSheet(QString(), QString());
    QTest::keyClicks(m_window.findChild<QWidget*>(QStringLiteral("inputNiftyIDText")), QStringLiteral("ID9"));
    QTest::keyClicks(m_window.findChild<QWidget*>(QStringLiteral("inputNiftyPasswordText")),
                     QStringLiteral("p w"));
    QTest::mouseClick(m_window.findChild<QPushButton*>(QStringLiteral("tsuushinSetNiftyIDPasswordForTemp")),
                      Qt::LeftButton);
    ASSERT_EQ(temp.count(), 1);
    EXPECT_EQ(temp.at(0), (QVariantList{QStringLiteral("ID9"), QStringLiteral("p w")}));

    m_panel.showIDPasswordSheet(QStringLiteral("ID9"), QStringLiteral("p w"));
    QTest::mouseClick(
        m_window.findChild<QPushButton*>(QStringLiteral("tsuushinSetNiftyIDPasswordForKeychain")),
        Qt::LeftButton);
    ASSERT_EQ(keychain.count(), 1);
    EXPECT_EQ(keychain.at(0), (QVariantList{QStringLiteral("ID9"), QStringLiteral("p w")}));

    m_panel.showIDPasswordSheet(QString(), QString());
    QTest::mouseClick(m_window.findChild<QPushButton*>(QStringLiteral("tsuushinCancelNiftyIDPassword")),
                      Qt::LeftButton);
    EXPECT_EQ(cancelled.count(), 1);
    EXPECT_EQ(temp.count() + keychain.count(), 2);
    EXPECT_FALSE(m_window.idPasswordSheet()->isVisible());
}

} // namespace
