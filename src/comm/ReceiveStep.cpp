#include "ReceiveStep.h"

#include "comm/CommunicationRun.h"
#include "comm/CookieRotation.h"
#include "comm/ServiceAccount.h"
#include "comm/TransferArguments.h"
#include "logcutter/PageCheck.h"
#include "platform/SystemLog.h"
#include "store/BoardLogFile.h"
#include "store/DataFolder.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"
#include "text/IntegerValue.h"

namespace tavrel {

ReceiveStep::ReceiveStep(CommunicationRun& run)
    : m_run(run)
{}

void ReceiveStep::reset()
{
    m_lowestSeen = -1;
    m_pageNumber = 1;
    m_firstWanted = 1;
}

int ReceiveStep::firstWantedNumber(const QString& warehousePath, const QString& bbsID)
{
    const std::optional<BoardLogHeader> header = BoardLogFile::readHeader(warehousePath + u'/' + bbsID);
    if (!header)
        return 1;
    return saturatingAdd(integerValue(header->numberOfLastMes()), 1);
}

void ReceiveStep::computeFirstWanted()
{
    const QList<PatrolEntry>& list = m_run.runData().junkaiList;
    m_firstWanted =
        firstWantedNumber(m_run.collaborators().dataFolder.warehousePath(), list.at(m_boardPosition).bbsID);
}

void ReceiveStep::prepairJushin()
{
    if (m_run.runMode() == RunMode::Soushin || m_run.runData().junkaiList.isEmpty()) {
        m_run.prepairMyDeskMessageSend();
        return;
    }
    m_lowestSeen = -1;
    m_boardPosition = 0;
    m_pageNumber = 1;
    computeFirstWanted();
    m_run.showProgress(0);
    runJushinProc();
}

void ReceiveStep::runJushinProc()
{
    m_run.setRunState(RunState::Receiving);
    const QList<PatrolEntry>& list = m_run.runData().junkaiList;
    if (m_boardPosition >= list.size()) {
        m_run.prepairMyDeskMessageSend();
        return;
    }
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    const PatrolEntry& entry = list.at(m_boardPosition);
    const transfer::BoardPageContext context{c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath(),
                                             c.account.niftyID(), c.account.niftyPassword(),
                                             c.configuration.maru()};
    const QString outputName = transfer::boardPageOutputName(entry.bbsID, m_pageNumber);
    const QString url = transfer::boardPageUrl(entry.urlFormat, m_pageNumber);
    const QStringList arguments = withProxyByScheme(
        transfer::boardPageArguments(entry, m_pageNumber, context, c.urlEncoder), m_run.runData().proxies);
    m_run.showStatus(uiText(u"StatusJushin") + u" : " + entry.bbsID);
    m_outputFile = c.dataFolder.tmpPath() + u'/' + outputName;
    m_run.startTransfer(c.dataFolder.tmpPath(), arguments, u"Download : " + url,
                        [this](int exitStatus) { checkATaskStatusOfJushinProc(exitStatus); });
}

bool ReceiveStep::wantsNextPage() const
{
    const PatrolEntry& entry = m_run.runData().junkaiList.at(m_boardPosition);
    if (entry.isReadAll())
        return true;
    return qint64(entry.lastXMessageCount()) > qint64(m_pageNumber) * messagesPerPage;
}

void ReceiveStep::checkATaskStatusOfJushinProc(int exitStatus)
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    if (exitStatus == 0 && !m_run.isStopped()) {
        checkAndExchangeCookieFile(c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
        const PatrolEntry& entry = m_run.runData().junkaiList.at(m_boardPosition);
        QString error;
        const PageCheck::Result result =
            PageCheck::check(m_outputFile, entry.urlFormat, m_lowestSeen, m_firstWanted,
                             c.configuration.serviceDomain(), &error);
        if (!error.isEmpty())
            c.log.log(error);
        if (result == PageCheck::Result::Continue && wantsNextPage()) {
            m_pageNumber = saturatingAdd(m_pageNumber, 1);
            runJushinProc();
        } else {
            goToNextBoard();
        }
        return;
    }
    if (exitStatus == 28 && !m_run.isStopped()) {
        checkAndExchangeCookieFile(c.dataFolder.loginCookiesPath(), c.dataFolder.nextCookiesPath());
        goToNextBoard();
        return;
    }
    m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
}

void ReceiveStep::goToNextBoard()
{
    const qsizetype count = m_run.runData().junkaiList.size();
    m_pageNumber = 1;
    m_lowestSeen = -1;
    ++m_boardPosition;
    m_run.showProgress(count == 0 ? 0.0 : m_boardPosition * 100.0 / double(count));
    if (m_boardPosition < count)
        computeFirstWanted();
    runJushinProc();
}

} // namespace tavrel
