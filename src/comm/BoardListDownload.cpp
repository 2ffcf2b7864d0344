#include "BoardListDownload.h"

#include "comm/BoardListPanel.h"
#include "comm/ProxyArguments.h"
#include "comm/Transfer.h"
#include "comm/TransferArguments.h"
#include "comm/TransferGate.h"
#include "platform/AlertPanel.h"
#include "store/DataFolder.h"
#include "store/KeyedAlert.h"
#include "store/Preferences.h"
#include "store/SafeName.h"
#include "store/UiTexts.h"

#include <QFile>

namespace tavrel {

BoardListDownload::BoardListDownload(const Collaborators& collaborators, QObject* parent)
    : QObject(parent)
    , m_c(collaborators)
{}

BoardListDownload::~BoardListDownload() = default;

void BoardListDownload::orderFrontAllBoardDownloadPanel()
{
    m_c.panel.setButtonsEnabled(true);
    m_c.panel.setMessageText(QString());
    m_c.panel.showPanel();
}

void BoardListDownload::tsuushinGetCancelAllBoard()
{
    m_c.panel.closePanel();
}

void BoardListDownload::tsuushinGetAllBoard()
{
    if (m_task || !m_c.gate.tryAcquire()) {
        m_c.alerts.beep();
        return;
    }
    m_c.panel.setMessageText(uiText(u"NowDownloadMessage"));
    m_c.panel.setButtonsEnabled(false);
    QFile::remove(m_c.dataFolder.allBoardListPath());

    const QString url = m_c.panel.urlText();
    if (!isAcceptableUrl(url)) {
        finish(-1);
        return;
    }
    // The proxy of this download only; a run builds its own when it starts.
    const QString proxy = ProxyArguments::allAccessHttpArgument(m_c.preferences.isUseProxyAllAccess(),
                                                                m_c.preferences.allAccessProxy());
    m_task = m_c.transfers.create();
    connect(m_task.get(), &Transfer::ended, this, [this](int exitStatus) {
        m_task.release()->deleteLater();
        finish(exitStatus);
    });
    m_task->start(m_c.dataFolder.path(), withProxy(transfer::boardListArguments(url), proxy));
}

void BoardListDownload::finish(int exitStatus)
{
    m_c.gate.release();
    const bool succeeded = exitStatus == 0;
    if (succeeded) {
        m_c.panel.setMessageText(uiText(u"DownloadOKMessage"));
    } else {
        m_c.panel.setMessageText(uiText(u"DownloadErrorMessage"));
        showOkAlert(m_c.alerts, u"ErrorTitle", u"DownloadErrorMessage");
    }
    m_c.panel.closePanel();
    emit finished(succeeded);
}

} // namespace tavrel
