#include "MyDeskReceiveStep.h"

#include "comm/CommunicationRun.h"
#include "comm/CookieRotation.h"
#include "comm/MyDeskInboxPage.h"
#include "comm/ProxyArguments.h"
#include "comm/TransferArguments.h"
#include "store/DataFolder.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"

#include <QFile>

namespace tavrel {

MyDeskReceiveStep::MyDeskReceiveStep(CommunicationRun& run)
    : m_run(run)
{}

void MyDeskReceiveStep::start()
{
    m_readList.clear();
    m_readPosition = 0;
    m_inboxPage = 1;
    m_run.showProgress(0);
    runMyDeskMessageInbox();
}

void MyDeskReceiveStep::runMyDeskMessageInbox()
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    m_run.showStatus(uiText(u"MessageJushinbowo") + u' ' + uiText(u"NowDownloadMessage"));
    const QStringList arguments =
        transfer::myDeskInboxArguments(m_inboxPage, c.dataFolder.loginCookiesPath(),
                                       c.dataFolder.nextCookiesPath(), c.configuration.memberHost());
    m_run.startTransfer(c.dataFolder.forumTopPath(), withProxy(arguments, m_run.runData().proxies.http),
                        u"Download : " + arguments.constLast(),
                        [this](int exitStatus) { checkATaskStatusOfMessageInboxProc(exitStatus); });
}

void MyDeskReceiveStep::checkATaskStatusOfMessageInboxProc(int exitStatus)
{
    if (exitStatus != 0 || m_run.isStopped()) {
        m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
        return;
    }
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    checkAndExchangeCookieFile(c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
    prepairMyDeskMessageViewRead();
}

void MyDeskReceiveStep::prepairMyDeskMessageViewRead()
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    const QString path = c.dataFolder.forumTopPath() + u"/message." + QString::number(m_inboxPage);
    const MyDeskInboxPage::Result page =
        MyDeskInboxPage::readFile(path, c.configuration.messageInboxMidokuIMGTag(),
                                  c.configuration.messageInboxKidokuIMGTag(), c.configuration.memberHost());
    m_readList.append(page.unreadURLs);
    // A page that was not saved ends the scan.
    if (QFile::exists(path) && m_inboxPage < maxInboxPages && !page.hasReadMessage) {
        ++m_inboxPage;
        runMyDeskMessageInbox();
        return;
    }
    m_readPosition = 0;
    m_run.showProgress(0);
    runMyDeskMessageView();
}

void MyDeskReceiveStep::runMyDeskMessageView()
{
    m_run.showStatus(uiText(u"MessageMyDeskMessageWo") + u' ' + uiText(u"NowDownloadMessage"));
    if (m_readPosition >= m_readList.size()) {
        m_run.runAfterProcedure();
        return;
    }
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    const QString url = m_readList.at(m_readPosition);
    const QStringList arguments = transfer::myDeskMessageArguments(
        m_readPosition, url, c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
    m_run.startTransfer(c.dataFolder.tmpPath(), withProxy(arguments, m_run.runData().proxies.http),
                        u"Download : " + url,
                        [this](int exitStatus) { checkATaskStatusOfMessageViewProc(exitStatus); });
}

void MyDeskReceiveStep::checkATaskStatusOfMessageViewProc(int exitStatus)
{
    if (exitStatus != 0 || m_run.isStopped()) {
        m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
        return;
    }
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    checkAndExchangeCookieFile(c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
    ++m_readPosition;
    m_run.showProgress(m_readList.isEmpty() ? 0.0 : m_readPosition * 100.0 / double(m_readList.size()));
    runMyDeskMessageView();
}

} // namespace tavrel
