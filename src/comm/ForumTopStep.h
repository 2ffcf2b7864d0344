#pragma once

// The forum top step of a run: fetches the top page of every forum of the settings file, one
// per transfer task, reads each board's last-message date from them, and drops from the
// run's patrol list the boards that have nothing newer than what the store holds.

#include <QHash>
#include <QString>

namespace tavrel {

class CommunicationRun;

class ForumTopStep
{
public:
    explicit ForumTopStep(CommunicationRun& run);

    // In send-only mode or with an empty patrol list: on to the MyDesk steps (receiving is
    // skipped too). Otherwise empties ForumTop and fetches the first top page.
    void prepairForumTopDownload();
    // Fetches the top page at the current position, or filters the patrol list after the last.
    void runForumTopProc();
    // End of one top page.
    void checkATaskStatusOfRunForumTopAccesss(int exitStatus);
    // Reads the board last dates of a saved top page.
    void huriwakeForumTopData(const QString& path);
    // Drops the boards without news, then starts receiving.
    void deleteJushinList();

    // Board ID → last-message date text, from the top pages of this run.
    const QHash<QString, QString>& boardLastDates() const { return m_boardLastDates; }

private:
    CommunicationRun& m_run;
    int m_position = 0;
    QString m_outputFile;
    QHash<QString, QString> m_boardLastDates;
};

} // namespace tavrel
