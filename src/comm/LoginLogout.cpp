#include "LoginLogout.h"

#include "comm/CommunicationRun.h"
#include "comm/ServiceAccount.h"
#include "comm/TransferArguments.h"
#include "store/DataFolder.h"
#include "store/KeyedAlert.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"

using namespace Qt::StringLiterals;

namespace tavrel {

LoginLogout::LoginLogout(CommunicationRun& run)
    : m_run(run)
{}

void LoginLogout::tsuushinLoginNewDodOvoza(std::function<void(bool loggedIn)> done)
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    ServiceAccount& account = c.account;
    if (!account.hasIDAndPassword()) {
        showOkAlert(c.alerts, u"NotIDAndPasswordTitle", u"NotIDAndPasswordMessage");
        m_run.tsuushinStopAccess();
        account.setLoggedIn(false);
        done(false);
        return;
    }
    const QString memberHost = c.configuration.memberHost();
    const QString body =
        transfer::loginFormBody(memberHost, account.niftyID(), account.niftyPassword(), c.urlEncoder);
    const QStringList arguments =
        withProxy(transfer::loginArguments(body, memberHost), m_run.runData().proxies.https);
    m_run.startTransfer(c.dataFolder.path(), arguments, u"Login"_s, [this, done](int exitStatus) {
        const CommunicationRun::Collaborators& c = m_run.collaborators();
        if (exitStatus == 0 && !m_run.isStopped()) {
            c.account.setLoggedIn(true);
            done(true);
            return;
        }
        m_run.tsuushinStopAccess();
        showOkAlert(c.alerts, u"ErrorTitle", u"LoginFailMessage");
        c.account.setLoggedIn(false);
        done(false);
    });
}

void LoginLogout::logout(std::function<void()> done)
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    m_run.showStatus(uiText(u"LogoutMessage"));
    const QStringList arguments =
        withProxy(transfer::logoutArguments(c.configuration.memberHost()), m_run.runData().proxies.http);
    m_run.startTransfer(c.dataFolder.path(), arguments, u"Logout"_s, [this, done](int exitStatus) {
        if (exitStatus != 0)
            showOkAlert(m_run.collaborators().alerts, u"ErrorTitle", u"LogoutFailMessage");
        done();
    });
}

} // namespace tavrel
