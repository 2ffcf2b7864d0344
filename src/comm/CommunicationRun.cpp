#include "CommunicationRun.h"

#include "comm/CommunicationPanel.h"
#include "comm/CookieRotation.h"
#include "comm/FolderCleaning.h"
#include "comm/ForumTopStep.h"
#include "comm/LoginLogout.h"
#include "comm/MyDeskReceiveStep.h"
#include "comm/ProcedureStep.h"
#include "comm/ReceiveStep.h"
#include "comm/RunPreparation.h"
#include "comm/SendStep.h"
#include "comm/ServiceAccount.h"
#include "comm/Transfer.h"
#include "comm/TransferGate.h"
#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "store/CommunicationSettingsFolder.h"
#include "store/DataFolder.h"
#include "store/KeyedAlert.h"
#include "store/OutgoingMessageName.h"
#include "store/Preferences.h"
#include "store/PropertyList.h"
#include "store/UiTexts.h"

#include <QFileInfo>

namespace tavrel {

CommunicationRun::CommunicationRun(const Collaborators& collaborators, QObject* parent)
    : QObject(parent)
    , m_c(collaborators)
    , m_loginLogout(std::make_unique<LoginLogout>(*this))
    , m_forumTop(std::make_unique<ForumTopStep>(*this))
    , m_receive(std::make_unique<ReceiveStep>(*this))
    , m_procedures(std::make_unique<ProcedureStep>(*this))
    , m_send(
          std::make_unique<SendStep>(*this, SendStep::Kind::BoardPost, [this] { prepairForumTopDownload(); }))
    , m_myDeskSend(
          std::make_unique<SendStep>(*this, SendStep::Kind::MyDesk, [this] { prepairMyDeskMessageInbox(); }))
    , m_myDeskReceive(std::make_unique<MyDeskReceiveStep>(*this))
{}

CommunicationRun::~CommunicationRun() = default;

void CommunicationRun::orderFrontTsuushinPanel()
{
    CommunicationPanel& panel = m_c.panel;
    if (panel.isPanelVisible()) {
        panel.bringPanelToFront();
        return;
    }
    m_receive->reset();
    m_runState = RunState::Idle;
    m_runMode = RunMode::None;
    panel.setStatusText(QStringLiteral("Status"));
    panel.setCommandsEnabled(true);
    deleteCookieFiles(m_c.dataFolder.loginCookiesPath(), m_c.dataFolder.nextCookiesPath());
    panel.setSettingsNames(CommunicationSettingsFolder(m_c.dataFolder.accessPath()).names());
    panel.setProgress(0);
    panel.showPanel();
    if (!m_c.account.hasIDAndPassword())
        panel.showIDPasswordSheet(m_c.account.niftyID(), m_c.account.niftyPassword());
}

void CommunicationRun::startRun(RunMode mode)
{
    // Another communication command (a run, the board list download) is still going.
    if (!m_c.gate.tryAcquire()) {
        m_c.alerts.beep();
        return;
    }
    m_runActive = true;
    m_runMode = mode;
    if (!prepairSetteiYomikomi()) {
        m_runActive = false;
        m_c.gate.release();
        return;
    }
    runBeforeProcedure();
}

bool CommunicationRun::prepairSetteiYomikomi()
{
    const QString name = m_c.panel.selectedSettingsName();
    const CommunicationSettingsFolder folder(m_c.dataFolder.accessPath());
    const std::optional<CommunicationSettings> settings = folder.readForRun(name, m_c.alerts);
    emptyFolder(m_c.dataFolder.tmpPath());
    if (!settings)
        return false;

    const ProxyArguments proxies = ProxyArguments::forRun(*settings, m_c.preferences.isUseProxyAllAccess(),
                                                          m_c.preferences.allAccessProxy());
    QStringList skipped;
    m_runData = RunPreparation::runData(*settings, proxies, skipped);
    for (const QString& line : std::as_const(skipped))
        m_c.log.log(line);
    m_runData.postList = RunPreparation::postList(m_c.dataFolder.postPath());
    m_c.panel.setCommandsEnabled(false);
    m_c.panel.setProgress(0);
    return true;
}

bool CommunicationRun::openSettingsFile(const QString& path)
{
    if (!PropertyList::readDictionaryFile(path))
        return false;
    orderFrontTsuushinPanel();
    m_c.panel.selectSettingsName(QFileInfo(path).fileName());
    tsuushinJunkai();
    return true;
}

void CommunicationRun::runBeforeProcedure()
{
    m_runState = RunState::BeforeProcedure;
    m_procedures->runBeforeProcedure([this] { startLogin(); });
}

void CommunicationRun::startLogin()
{
    showStatus(uiText(u"LoginMessage"));
    m_loginLogout->tsuushinLoginNewDodOvoza([this](bool loggedIn) {
        if (loggedIn) {
            prepairSoushin();
        } else {
            m_runState = RunState::Idle;
            endRun();
        }
    });
}

void CommunicationRun::prepairSoushin()
{
    if (m_runMode == RunMode::Jushin)
        prepairForumTopDownload();
    else
        m_send->start(m_runData.postList);
}

void CommunicationRun::prepairForumTopDownload()
{
    m_forumTop->prepairForumTopDownload();
}

void CommunicationRun::prepairJushin()
{
    m_receive->prepairJushin();
}

void CommunicationRun::prepairMyDeskMessageSend()
{
    if (m_runData.isMyDeskMessageAccess && m_runMode != RunMode::Jushin)
        m_myDeskSend->start(myDeskPostList(m_c.dataFolder.postPath()));
    else
        prepairMyDeskMessageInbox();
}

void CommunicationRun::prepairMyDeskMessageInbox()
{
    if (m_runData.isMyDeskMessageAccess && m_runMode != RunMode::Soushin)
        m_myDeskReceive->start();
    else
        runAfterProcedure();
}

void CommunicationRun::runAfterProcedure()
{
    m_loginLogout->logout([this] {
        m_runState = RunState::LoggedOut;
        m_procedures->runAfterProcedure([this] { finishRun(); });
    });
}

void CommunicationRun::finishRun()
{
    m_c.panel.closePanel();
    m_runActive = false;
    m_c.gate.release();
    if (m_hooks.cutTempLog)
        m_hooks.cutTempLog();
    emit runEnded(true);
}

void CommunicationRun::tsuushinStopAccess()
{
    if (m_runState != RunState::Idle && isTransferRunning())
        m_currentTask->terminate();
    // A pending post interval would send again after the stop.
    m_send->cancelInterval();
    m_myDeskSend->cancelInterval();
    m_runState = RunState::Stopped;
    m_c.panel.closePanel();
    // Nothing is running whose end could finish the run: it ends here.
    if (m_runActive && !m_currentTask) {
        m_runActive = false;
        m_c.gate.release();
        emit runEnded(false);
    }
}

void CommunicationRun::tsuushinSetNiftyIDPasswordForKeychain(const QString& niftyID,
                                                             const QString& niftyPassword)
{
    m_c.account.setNiftyIDAndPassword(niftyID, niftyPassword);
    inputNiftyIDPasswordSheetDidEnd(0);
}

void CommunicationRun::tsuushinSetNiftyIDPasswordForTemp(const QString& niftyID, const QString& niftyPassword)
{
    m_c.account.setNiftyIDAndPasswordForTemp(niftyID, niftyPassword);
    inputNiftyIDPasswordSheetDidEnd(1);
}

void CommunicationRun::tsuushinCancelNiftyIDPassword()
{
    inputNiftyIDPasswordSheetDidEnd(2);
}

void CommunicationRun::inputNiftyIDPasswordSheetDidEnd(int returnCode)
{
    m_c.panel.closeIDPasswordSheet();
    if (returnCode == 2)
        tsuushinStopAccess();
}

void CommunicationRun::startTransfer(const QString& workingDirectory, const QStringList& arguments,
                                     const QString& logLine, EndHandler handler)
{
    startTask(m_c.transfers.create(), workingDirectory, arguments, logLine, std::move(handler));
}

void CommunicationRun::startTask(std::unique_ptr<Transfer> task, const QString& workingDirectory,
                                 const QStringList& arguments, const QString& logLine, EndHandler handler)
{
    Q_ASSERT(!m_currentTask);
    m_currentTask = std::move(task);
    connect(m_currentTask.get(), &Transfer::ended, this,
            [this, handler = std::move(handler)](int exitStatus) {
                // The task emitting this is released once its signal has returned.
                m_currentTask.release()->deleteLater();
                handler(exitStatus);
            });
    if (!logLine.isEmpty())
        m_c.log.log(logLine);
    m_currentTask->start(workingDirectory, arguments);
}

bool CommunicationRun::isTransferRunning() const
{
    return m_currentTask && m_currentTask->isRunning();
}

void CommunicationRun::endRunWithAlert(QStringView titleKey, QStringView messageKey)
{
    showOkAlert(m_c.alerts, titleKey, messageKey);
    m_runState = RunState::Idle;
    endRun();
}

void CommunicationRun::endRun()
{
    if (!m_runActive)
        return;
    m_runActive = false;
    m_c.gate.release();
    emit runEnded(false);
}

void CommunicationRun::showStatus(const QString& text)
{
    m_c.panel.setStatusText(text);
}

void CommunicationRun::showProgress(double percent)
{
    m_c.panel.setProgress(percent);
}

} // namespace tavrel
