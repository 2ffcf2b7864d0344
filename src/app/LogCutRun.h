#pragma once

// The log cutting run: after a patrol (or from the menu) every page in Tmp is cut into its
// board log file by the tavrelsplit program, one process at a time on the event loop; each
// board's explanation is stored after its page is cut; then every board touched is sorted
// and completed (BoardLogSorting) and everything that shows the data folder is refreshed.
// A stop, or a cut that fails, ends the cutting early: the boards cut so far are still
// sorted. The sheet (LogCutPanel) shows the file at hand and the progress meanwhile.

#include "app/LogCutPages.h"

#include <QObject>
#include <QString>

#include <functional>

namespace tavrel {

class AlertPanel;
class DataFolder;
class LogCutPanel;
class Preferences;
class ProcedureTask;
class ServiceConfiguration;
class SystemLog;

class LogCutRun : public QObject
{
    Q_OBJECT

public:
    struct Collaborators
    {
        const DataFolder& dataFolder;
        Preferences& preferences;
        const ServiceConfiguration& configuration;
        AlertPanel& alerts;
        SystemLog& log;
        LogCutPanel& panel;
        // The tavrelsplit program.
        QString cutterProgram;
        // Saves the displayed board and deselects every board, so none is shown while the
        // run changes the files.
        std::function<void()> saveAndDeselectBoard;
        // Rebuilds everything that shows the data folder (`makeTableNow`).
        std::function<void()> makeTableNow;
    };

    explicit LogCutRun(Collaborators collaborators, QObject* parent = nullptr);
    ~LogCutRun() override;

    // Starts a run; false (and nothing happens) while one is going on.
    bool cutTempLog();
    // Cuts the page at the current index, or goes on to the sorting pass after the last.
    // This and the two below act only in their place in a run (not while a cut is going on).
    void cutOneFile();
    // The end of a tavrelsplit process with its exit status (-1 when it could not run or was
    // killed).
    void checkATaskStatusOfLogCut(int exitStatus);
    // The sheet's stop button: no further page is cut; the one being cut is terminated.
    void stopLogCut();
    // Sorts every board touched, closes the sheet and refreshes the views.
    void sortMesFileAndLogCutEnd();

    // Moves the newest backup of a board log file (the last of .1, .2, ... without a gap)
    // back to its own name; false when there is none or it cannot be moved.
    static bool renameRenamedFileToDefaultFile(const QString& boardLogPath);

    bool isRunning() const { return m_running; }

signals:
    // The run is over: the sheet is closed and the views are refreshed.
    void logCutEnded();

private:
    void startCutter(const QString& target, const QString& page);
    void processEnded(ProcedureTask* process, int exitStatus);
    void storeExplanation(const QString& page, const QString& target);
    void sortBoard(const QString& path, qsizetype position, qsizetype count);
    void showFileAlert(const QString& path, QStringView messageKey);

    Collaborators m_with;
    LogCutPages m_pages;
    // The boards the sorting pass works through.
    QStringList m_boardsToSort;
    qsizetype m_index = 0;
    bool m_stopFlag = false;
    bool m_running = false;
    ProcedureTask* m_process = nullptr;
};

} // namespace tavrel
