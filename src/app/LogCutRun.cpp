#include "app/LogCutRun.h"

#include "app/BoardExplanation.h"
#include "app/BoardLogSorting.h"
#include "app/LogCutPanel.h"
#include "comm/ProcedureTask.h"
#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "store/BackupLogFile.h"
#include "store/KeyedAlert.h"
#include "store/Preferences.h"
#include "store/UiTexts.h"

#include <QFileInfo>

namespace tavrel {

LogCutRun::LogCutRun(Collaborators collaborators, QObject* parent)
    : QObject(parent)
    , m_with(std::move(collaborators))
{}

LogCutRun::~LogCutRun()
{
    // A cutter still running is killed with its task.
    if (m_process) {
        m_process->disconnect(this);
        delete m_process;
    }
}

bool LogCutRun::cutTempLog()
{
    if (m_running)
        return false;
    m_running = true;
    m_stopFlag = false;
    m_index = 0;
    m_pages.clear();
    m_boardsToSort.clear();

    if (m_with.saveAndDeselectBoard)
        m_with.saveAndDeselectBoard();
    m_with.panel.setProgress(0);
    m_with.panel.showLogCutPanel();

    m_pages = LogCutPages::fromDataFolder(m_with.dataFolder);
    cutOneFile();
    return true;
}

void LogCutRun::cutOneFile()
{
    if (!m_running || m_process)
        return;
    if (m_index >= m_pages.pages.size()) {
        sortMesFileAndLogCutEnd();
        return;
    }
    const QString page = m_pages.pages[m_index];
    const QString name = QFileInfo(page).fileName();
    m_with.log.logDetail(u"Cutting Log File : " + name);
    m_with.panel.setCuttingFileText(name);
    startCutter(m_pages.targets[m_index], page);
}

void LogCutRun::startCutter(const QString& target, const QString& page)
{
    auto* process = new ProcedureTask(m_with.cutterProgram, this);
    m_process = process;
    connect(process, &Transfer::ended, this,
            [this, process](int exitStatus) { processEnded(process, exitStatus); });
    process->start(QString(), {target, page});
}

void LogCutRun::processEnded(ProcedureTask* process, int exitStatus)
{
    // Each process ends once; a late report of one already dropped is ignored.
    if (process != m_process)
        return;
    process->disconnect(this);
    process->deleteLater();
    m_process = nullptr;
    checkATaskStatusOfLogCut(exitStatus);
}

void LogCutRun::checkATaskStatusOfLogCut(int exitStatus)
{
    if (!m_running || m_index >= m_pages.pages.size())
        return;
    if (exitStatus != 0 || m_stopFlag) {
        showOkAlert(m_with.alerts, u"StopLogCutAlertTitle", u"StopLogCutAlertMessage");
        // The page at hand may have been written or moved aside: its board is sorted too.
        m_boardsToSort = m_pages.boardsBefore(m_index + 1);
        sortMesFileAndLogCutEnd();
        return;
    }
    if (!m_with.preferences.isNoCuttingToolAndSetsumei())
        storeExplanation(m_pages.pages[m_index], m_pages.targets[m_index]);
    ++m_index;
    m_with.panel.setProgress(double(m_index) * 100.0 / double(m_pages.pages.size()));
    cutOneFile();
}

void LogCutRun::stopLogCut()
{
    m_stopFlag = true;
    if (m_process)
        m_process->terminate();
}

void LogCutRun::storeExplanation(const QString& page, const QString& target)
{
    QString error;
    BoardExplanation::storeFromPage(page, target, m_with.configuration, QDateTime::currentDateTime(), &error);
    if (!error.isEmpty())
        m_with.log.log(u"Could not store the board's explanation : " + error);
}

void LogCutRun::sortMesFileAndLogCutEnd()
{
    if (!m_running || m_process)
        return;
    // A run that cut every page sorts every board of the list; one that ended early only the
    // boards it reached (checkATaskStatusOfLogCut chose them).
    if (m_index >= m_pages.pages.size())
        m_boardsToSort = m_pages.boards;
    m_with.panel.setCuttingFileText(uiText(u"LogCutSortingMessage"));
    const qsizetype count = m_boardsToSort.size();
    for (qsizetype i = 0; i < count; ++i)
        sortBoard(m_boardsToSort[i], i, count);

    m_with.panel.closeLogCutPanel();
    m_pages.clear();
    m_boardsToSort.clear();
    m_index = 0;
    m_running = false;
    if (m_with.makeTableNow)
        m_with.makeTableNow();
    emit logCutEnded();
}

void LogCutRun::sortBoard(const QString& path, qsizetype position, qsizetype count)
{
    const QString name = QFileInfo(path).fileName();
    m_with.log.logDetail(u"Sorting Message. File : " + name);
    m_with.panel.setCuttingFileText(uiText(u"LogCutSortingMessage") + u'\n' + name);
    m_with.panel.setProgress(double(position) * 100.0 / double(count));

    const SortingDefaults defaults{m_with.preferences.isSakujo(), m_with.preferences.sakujoDay()};
    QString error;
    switch (BoardLogSorting::sortFile(path, defaults, &error)) {
    case BoardLogSorting::Outcome::Sorted:
        break;
    case BoardLogSorting::Outcome::Missing:
        renameRenamedFileToDefaultFile(path);
        showFileAlert(path, u"NotExistFileLogCutSeiretsuAlertMessage");
        break;
    case BoardLogSorting::Outcome::Unreadable:
        m_with.log.log(u"Could not sort the board : " + error);
        showFileAlert(path, u"StopLogCutSeiretsuAlertMessage");
        break;
    case BoardLogSorting::Outcome::NotWritten:
        m_with.log.log(u"Could not sort the board : " + error);
        showFileAlert(path, u"NotWrittenLogCutSeiretsuAlertMessage");
        break;
    }
}

bool LogCutRun::renameRenamedFileToDefaultFile(const QString& boardLogPath)
{
    return BackupLogFile::restoreNewestBackup(boardLogPath);
}

void LogCutRun::showFileAlert(const QString& path, QStringView messageKey)
{
    m_with.alerts.runAlert({QFileInfo(path).fileName(), uiText(messageKey), {uiText(u"OK")}});
}

} // namespace tavrel
