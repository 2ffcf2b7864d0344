#include "SendStep.h"

#include "comm/CommunicationRun.h"
#include "comm/CookieRotation.h"
#include "comm/LoginLogout.h"
#include "comm/PostRequest.h"
#include "comm/ProxyArguments.h"
#include "comm/ServiceAccount.h"
#include "platform/SystemLog.h"
#include "store/DataFolder.h"
#include "store/OutgoingMessageFile.h"
#include "store/OutgoingMessageName.h"
#include "store/Preferences.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"

#include <QFileInfo>

#include <cmath>

namespace tavrel {

namespace {

// The post interval in milliseconds, within what a timer can hold.
int intervalMilliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return int(std::min(seconds * 1000.0, 24.0 * 3600 * 1000));
}

} // namespace

SendStep::SendStep(CommunicationRun& run, Kind kind, std::function<void()> done)
    : m_run(run)
    , m_kind(kind)
    , m_done(std::move(done))
{
    m_interval.setSingleShot(true);
    // Never shorter than the interval (a coarse timer may fire a little early).
    m_interval.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_interval, &QTimer::timeout, [this] { runProc(); });
}

void SendStep::start(const QStringList& paths)
{
    m_interval.stop();
    m_list = paths;
    m_position = 0;
    m_run.showProgress(0);
    runProc();
}

std::optional<QStringList> SendStep::requestFor(const QString& path) const
{
    const std::optional<PlistDict> message = OutgoingMessageFile::read(path);
    if (!message)
        return std::nullopt;
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    const PostRequestContext context{
        c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath(), c.account.niftyID(),
        c.account.niftyPassword(),       c.configuration.maru(),         c.configuration.hatsugenSuru(),
        c.configuration.serviceDomain(), c.configuration.memberHost()};
    const QString fileName = QFileInfo(path).fileName();
    return m_kind == Kind::BoardPost
               ? PostRequest::boardPostArguments(fileName, *message, context, c.urlEncoder)
               : PostRequest::myDeskSendArguments(fileName, *message, context, c.urlEncoder);
}

void SendStep::runProc()
{
    if (m_kind == Kind::BoardPost)
        m_run.setRunState(RunState::Sending);
    while (m_position < m_list.size()) {
        const QString path = m_list.at(m_position);
        m_run.showStatus(uiText(u"StatusSoushin") + u" : " + QFileInfo(path).fileName());
        if (const std::optional<QStringList> arguments = requestFor(path)) {
            m_postedFile = path;
            m_resent = false;
            ++m_position;
            launch(*arguments);
            return;
        }
        ++m_position;
    }
    m_done();
}

void SendStep::launch(const QStringList& arguments)
{
    const QString url = arguments.constLast();
    m_run.startTransfer(m_run.collaborators().dataFolder.tmpPath(),
                        withProxyByScheme(arguments, m_run.runData().proxies), u"Post : " + url,
                        [this](int exitStatus) { checkATaskStatus(exitStatus); });
}

void SendStep::checkATaskStatus(int exitStatus)
{
    if (m_run.isStopped() || (exitStatus != 0 && exitStatus != 22)) {
        // The file stays in Post.
        m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
        return;
    }
    if (exitStatus == 0) {
        sent();
        return;
    }
    if (!m_resent) {
        renewLoginAndResend();
        return;
    }
    m_run.collaborators().log.log(u"Post refused: \"" + QFileInfo(m_postedFile).fileName() +
                                  u"\" stays in Post folder.");
    showProgress();
    goOn();
}

void SendStep::sent()
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    checkAndExchangeCookieFile(c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
    showProgress();
    OutgoingMessageFile::moveToSentMessages(m_postedFile, c.dataFolder.sentMessagesPath(), c.log);
    goOn();
}

void SendStep::renewLoginAndResend()
{
    m_resent = true;
    m_run.showStatus(uiText(u"LoginMessage"));
    m_run.loginLogout().tsuushinLoginNewDodOvoza([this](bool loggedIn) {
        if (!loggedIn) {
            // The failed login has stopped the run; the file stays in Post.
            m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
            return;
        }
        m_run.showStatus(uiText(u"StatusSoushin") + u" : " + QFileInfo(m_postedFile).fileName());
        if (const std::optional<QStringList> arguments = requestFor(m_postedFile))
            launch(*arguments);
        else
            goOn(); // the file changed meanwhile and can no longer be sent
    });
}

void SendStep::showProgress()
{
    m_run.showProgress(m_list.isEmpty() ? 0.0 : m_position * 100.0 / double(m_list.size()));
}

void SendStep::goOn()
{
    const bool sameForum = m_position > 0 && m_position < m_list.size() &&
                           fileNameWithoutExtension(QFileInfo(m_list.at(m_position)).fileName()) ==
                               fileNameWithoutExtension(QFileInfo(m_postedFile).fileName());
    if (sameForum)
        m_interval.start(intervalMilliseconds(m_run.collaborators().preferences.hatsugenIntervalTime()));
    else
        runProc();
}

} // namespace tavrel
