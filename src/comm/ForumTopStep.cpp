#include "ForumTopStep.h"

#include "comm/BoardNewsFilter.h"
#include "comm/CommunicationRun.h"
#include "comm/FolderCleaning.h"
#include "comm/ForumTopPage.h"
#include "comm/TransferArguments.h"
#include "platform/SystemLog.h"
#include "store/DataFolder.h"
#include "store/UiTexts.h"

#include <QDateTime>

namespace tavrel {

ForumTopStep::ForumTopStep(CommunicationRun& run)
    : m_run(run)
{}

void ForumTopStep::prepairForumTopDownload()
{
    if (m_run.runMode() == RunMode::Soushin || m_run.runData().junkaiList.isEmpty()) {
        m_run.prepairMyDeskMessageSend();
        return;
    }
    emptyFolder(m_run.collaborators().dataFolder.forumTopPath());
    m_boardLastDates.clear();
    m_position = 0;
    m_run.showProgress(0);
    runForumTopProc();
}

void ForumTopStep::runForumTopProc()
{
    m_run.setRunState(RunState::ForumTop);
    const QList<ForumTopEntry>& list = m_run.runData().forumTopList;
    if (m_position >= list.size()) {
        deleteJushinList();
        return;
    }
    const QString forumTopPath = m_run.collaborators().dataFolder.forumTopPath();
    const ForumTopEntry& entry = list.at(m_position);
    const QStringList arguments = withProxy(transfer::forumTopArguments(entry.forumID, entry.forumTopURL),
                                            m_run.runData().proxies.http);
    m_run.showStatus(uiText(u"StatusJushin") + u" : " + entry.forumID + u" Top page");
    m_outputFile = forumTopPath + u'/' + entry.forumID;
    m_run.startTransfer(forumTopPath, arguments, u"Download : " + entry.forumTopURL,
                        [this](int exitStatus) { checkATaskStatusOfRunForumTopAccesss(exitStatus); });
}

void ForumTopStep::checkATaskStatusOfRunForumTopAccesss(int exitStatus)
{
    if (exitStatus != 0 || m_run.isStopped()) {
        m_run.endRunWithAlert(u"StopTsushinAlertTitle", u"StopTsushinAlertMessage");
        return;
    }
    huriwakeForumTopData(m_outputFile);
    ++m_position;
    m_run.showProgress(m_position * 100.0 / double(m_run.runData().forumTopList.size()));
    runForumTopProc();
}

void ForumTopStep::huriwakeForumTopData(const QString& path)
{
    const CommunicationRun::Collaborators& c = m_run.collaborators();
    QStringList unsafeIDs;
    ForumTopPage::huriwakeForumTopFile(path, ForumTopPage::Markers::from(c.configuration),
                                       QDateTime::currentDateTime(), m_boardLastDates, &unsafeIDs);
    for (const QString& id : std::as_const(unsafeIDs))
        c.log.log(u"Skipped board \"" + id + u"\" of a forum top page: unsafe board ID");
}

void ForumTopStep::deleteJushinList()
{
    BoardNewsFilter::deleteJushinList(m_run.runData().junkaiList, m_boardLastDates,
                                      m_run.collaborators().boardHeaders);
    m_run.prepairJushin();
}

} // namespace tavrel
