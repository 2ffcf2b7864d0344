#include "FakeBoardListPanel.h"
#include "SimulatedRun.h"
#include "comm/BoardListDownload.h"
#include "support/QtPrinters.h"

#include <QFile>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

class SimulatedBoardList : public SimulatedRun
{
protected:
    SimulatedBoardList()
        : download({f.m_dataFolder, f.m_preferences, f.m_alerts, panel, transfers, f.m_gate})
    {}

    std::optional<bool> press(const QString& url)
    {
        panel.url = url;
        QSignalSpy finished(&download, &BoardListDownload::finished);
        download.orderFrontAllBoardDownloadPanel();
        download.tsuushinGetAllBoard();
        if (finished.isEmpty() && !finished.wait(60000))
            return std::nullopt;
        return finished.at(0).at(0).toBool();
    }

    QString allBoardsUrl() const
    {
        return u"http://" + config().forumHost() + u"/fwebkk/cm_freeboard/cm_freeboard_all.html";
    }

    FakeBoardListPanel panel;
    BoardListDownload download;
};

} // namespace

TEST_F(SimulatedBoardList, DownloadsTheAllBoardListAndReportsFailures)
{
    EXPECT_EQ(press(allBoardsUrl()), true);
    const QByteArray list = readFile(f.m_dataFolder.allBoardListPath());
    EXPECT_TRUE(list.contains("open1")) << list.left(400).constData();
    EXPECT_EQ(panel.messages.constLast(), uiText(u"DownloadOKMessage"));
    EXPECT_FALSE(panel.visible);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());

    sim.adminPost(u"/behaviour"_s, {{u"target"_s, u"allboards"_s}, {u"mode"_s, u"abort"_s}});
    EXPECT_EQ(press(allBoardsUrl()), false);
    EXPECT_EQ(panel.messages.constLast(), uiText(u"DownloadErrorMessage"));
    EXPECT_EQ(f.alertTitles(), QStringList({uiText(u"ErrorTitle")}));
    EXPECT_FALSE(f.m_gate.isBusy());
}
