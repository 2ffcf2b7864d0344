#include "FakeBoardListPanel.h"
#include "FakeTransfers.h"
#include "comm/BoardListDownload.h"
#include "comm/TransferGate.h"
#include "platform/FakeAlertPanel.h"
#include "store/DataFolder.h"
#include "store/Preferences.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

class BoardListDownloadTest : public ::testing::Test
{
protected:
    BoardListDownloadTest()
        : dataFolder(DataFolder::create(parent.path()).value_or(QString()))
        , preferences(parent.filePath(u"preferences.plist"_s))
        , download({dataFolder, preferences, alerts, panel, transfers, gate})
    {
        preferences.setIsUseProxyAllAccess(true);
        preferences.setAllAccessProxy({u"proxy.example.net"_s, u"8080"_s, u"secure.example.net"_s, u"443"_s});
        panel.url = u"http://forum.example.com/all.html"_s;
    }

    // Presses OK and waits for the end; whether it succeeded.
    std::optional<bool> download_()
    {
        QSignalSpy finished(&download, &BoardListDownload::finished);
        download.orderFrontAllBoardDownloadPanel();
        download.tsuushinGetAllBoard();
        if (finished.isEmpty() && !finished.wait(5000))
            return std::nullopt;
        return finished.at(0).at(0).toBool();
    }

    TempDir parent;
    DataFolder dataFolder;
    Preferences preferences;
    FakeAlertPanel alerts;
    FakeBoardListPanel panel;
    FakeTransferFactory transfers;
    TransferGate gate;
    BoardListDownload download;
};

} // namespace

TEST_F(BoardListDownloadTest, SavesTheListThroughTheAllAccessHttpProxy)
{
    EXPECT_EQ(download_(), true);
    ASSERT_EQ(transfers.requests().size(), 1);
    EXPECT_EQ(transfers.requests().at(0).workingDirectory, dataFolder.path());
    EXPECT_EQ(transfers.requests().at(0).arguments,
              QStringList({u"-xproxy.example.net:8080"_s, u"-ocm_freeboard_all.html"_s, panel.url}));
    EXPECT_EQ(panel.messages,
              QStringList({QString(), uiText(u"NowDownloadMessage"), uiText(u"DownloadOKMessage")}));
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(alerts.alerts().isEmpty());
    EXPECT_FALSE(gate.isBusy());

    preferences.setIsUseProxyAllAccess(false);
    EXPECT_EQ(download_(), true);
    EXPECT_EQ(transfers.requests().at(1).arguments.size(), 2);
}

TEST_F(BoardListDownloadTest, FailuresReportInThePanelAndByAlert)
{
    transfers.setResponder([](const TransferRequest&) { return std::optional<int>(6); });
    EXPECT_EQ(download_(), false);
    EXPECT_EQ(panel.messages.constLast(), uiText(u"DownloadErrorMessage"));
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().at(0).title, uiText(u"ErrorTitle"));

    // A URL that is not http or https is never handed to the client.
    panel.url = u"file:///etc/passwd"_s;
    EXPECT_EQ(download_(), false);
    EXPECT_EQ(transfers.requests().size(), 1);
    EXPECT_EQ(alerts.alerts().size(), 2);
}

TEST_F(BoardListDownloadTest, DoesNotStartWhileAnotherCommunicationCommandRuns)
{
    ASSERT_TRUE(gate.tryAcquire());
    download.tsuushinGetAllBoard();
    EXPECT_EQ(alerts.beeps(), 1);
    EXPECT_TRUE(transfers.requests().isEmpty());
    gate.release();

    transfers.setResponder([](const TransferRequest&) { return std::nullopt; });
    download.tsuushinGetAllBoard();
    EXPECT_TRUE(gate.isBusy());
    EXPECT_FALSE(gate.tryAcquire());
}
