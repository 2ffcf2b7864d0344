// The panel window driving a real communication run, wired as the application wires them:
// what the user does in the window must end as the run expects, without leftovers.

#include "comm/CommunicationRun.h"
#include "comm/FakeTransfers.h"
#include "comm/MyURLEncoder.h"
#include "comm/ServiceAccount.h"
#include "comm/TransferGate.h"
#include "comm/WarehouseHeaderSource.h"
#include "platform/FakeAlertPanel.h"
#include "platform/FakeKeychain.h"
#include "platform/FakeSystemLog.h"
#include "store/CommunicationSettingsFolder.h"
#include "store/DataFolder.h"
#include "store/Preferences.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "ui/CommunicationPanelWindow.h"
#include "ui/IDPasswordSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

class PanelWithRunTest : public ::testing::Test
{
protected:
    PanelWithRunTest()
    {
        CommunicationSettingsFolder(m_dataFolder.accessPath()).write(QStringLiteral("daily"), {});
        QObject::connect(&m_window, &CommunicationPanelWindow::junkaiClicked, &m_run,
                         &CommunicationRun::tsuushinJunkai);
        QObject::connect(&m_window, &CommunicationPanelWindow::stopClicked, &m_run,
                         &CommunicationRun::tsuushinStopAccess);
        QObject::connect(&m_window, &CommunicationPanelWindow::idPasswordForKeychain, &m_run,
                         &CommunicationRun::tsuushinSetNiftyIDPasswordForKeychain);
        QObject::connect(&m_window, &CommunicationPanelWindow::idPasswordForTemp, &m_run,
                         &CommunicationRun::tsuushinSetNiftyIDPasswordForTemp);
        QObject::connect(&m_window, &CommunicationPanelWindow::idPasswordCancelled, &m_run,
                         &CommunicationRun::tsuushinCancelNiftyIDPassword);
    }

    template<typename T>
    T* child(const char* name)
    {
        return m_window.findChild<T*>(QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    TempDir m_parent;
    DataFolder m_dataFolder{DataFolder::create(m_parent.path()).value_or(QString())};
    Preferences m_preferences{m_parent.filePath(QStringLiteral("preferences.plist"))};
    ServiceConfiguration m_configuration;
    FakeAlertPanel m_alerts;
    FakeSystemLog m_log;
    FakeKeychain m_keychain;
    ServiceAccount m_account{m_keychain};
    WarehouseHeaderSource m_headers{m_dataFolder};
    FakeTransferFactory m_transfers;
    TransferGate m_gate;
    MyURLEncoder m_encoder;
    CommunicationPanelWindow m_window;
    CommunicationRun m_run{CommunicationRun::Collaborators{m_dataFolder, m_account, m_configuration,
                                                           m_preferences, m_alerts, m_log, m_window,
                                                           m_headers, m_transfers, m_gate, m_encoder}};
};

TEST_F(PanelWithRunTest, SheetAnswersSetTheAccountOrStopAndClose)
{
    m_run.orderFrontTsuushinPanel();
    IDPasswordSheet* sheet = m_window.idPasswordSheet();
    ASSERT_TRUE(m_window.isVisible());
    ASSERT_TRUE(sheet->isVisible()) << "no ID or password yet";
    EXPECT_EQ(child<QLabel>("tsuushinStatusText")->text(), QStringLiteral("Status"));

    QTest::keyClicks(child<QLineEdit>("inputNiftyIDText"), QStringLiteral("ABC01234"));
    QTest::keyClicks(child<QLineEdit>("inputNiftyPasswordText"), QStringLiteral("neko pass"));
    click("tsuushinSetNiftyIDPasswordForTemp");
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_EQ(m_account.niftyID(), QStringLiteral("ABC01234"));
    EXPECT_EQ(m_account.niftyPassword(), QStringLiteral("neko pass"));
    EXPECT_TRUE(m_keychain.items().isEmpty()) << "used without saving";

    // Reopened with a password missing again: this time the user cancels.
    m_window.closePanel();
    m_account.setNiftyIDAndPasswordForTemp(QStringLiteral("ABC01234"), QString());
    m_run.orderFrontTsuushinPanel();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(child<QLineEdit>("inputNiftyIDText")->text(), QStringLiteral("ABC01234"));
    QTest::keyClick(sheet, Qt::Key_Escape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_FALSE(m_window.isVisible());
    EXPECT_EQ(m_run.runState(), RunState::Stopped);
    EXPECT_TRUE(m_alerts.alerts().isEmpty());
}

TEST_F(PanelWithRunTest, ClosingTheWindowDuringARunStopsItAndTheNextOpeningStartsAfresh)
{
    m_account.setNiftyIDAndPasswordForTemp(QStringLiteral("ABC01234"), QStringLiteral("pw"));
    // The login never answers until it is terminated.
    m_transfers.setResponder([](const TransferRequest&) { return std::optional<int>(); });
    QSignalSpy ended(&m_run, &CommunicationRun::runEnded);

    m_run.orderFrontTsuushinPanel();
    EXPECT_FALSE(m_window.idPasswordSheet()->isVisible());
    click("tsuushinJunkaiButton");
    ASSERT_TRUE(m_run.isTransferRunning());
    EXPECT_FALSE(child<QPushButton>("tsuushinJunkaiButton")->isEnabled());
    EXPECT_EQ(child<QLabel>("tsuushinStatusText")->text(), uiText(u"LoginMessage"));

    EXPECT_TRUE(m_window.close());
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_EQ(ended.constLast().at(0).toBool(), false);
    EXPECT_FALSE(m_run.isTransferRunning());
    EXPECT_FALSE(m_run.isRunActive());
    EXPECT_FALSE(m_window.isVisible());
    ASSERT_FALSE(m_alerts.alerts().isEmpty());
    EXPECT_EQ(m_alerts.alerts().constLast().title, uiText(u"ErrorTitle")) << "the stopped login's alert";

    m_run.orderFrontTsuushinPanel();
    EXPECT_TRUE(child<QPushButton>("tsuushinJunkaiButton")->isEnabled());
    EXPECT_EQ(m_window.focusWidget(), child<QPushButton>("tsuushinJunkaiButton"));
    EXPECT_EQ(m_run.runState(), RunState::Idle);
}

} // namespace
