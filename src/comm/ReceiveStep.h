#pragma once

// Receiving: for every board of the run's patrol list, the pages newer than the board's log
// file, newest first, one page per transfer task, stopping a board once a page reaches the
// messages already stored, brings nothing older, or covers the "LastXMessage" limit.

#include <QString>

namespace tavrel {

class CommunicationRun;

class ReceiveStep
{
public:
    // Messages per page of a board, for the "LastXMessage" limit.
    static constexpr int messagesPerPage = 20;

    explicit ReceiveStep(CommunicationRun& run);

    // Lowest number seen -1, page 1, first wanted number 1 (the panel's reset).
    void reset();

    // Start of the phase: the MyDesk steps at once in send-only mode or with an empty patrol
    // list, else the first page of the first board.
    void prepairJushin();
    // Fetches the current page of the current board, or ends the phase after the last board.
    void runJushinProc();
    // End of one page.
    void checkATaskStatusOfJushinProc(int exitStatus);

    // "NumberOfLastMes" + 1 of Warehouse/<board ID>; 1 when the file is missing or its header
    // cannot be read.
    static int firstWantedNumber(const QString& warehousePath, const QString& bbsID);

    int boardPosition() const { return m_boardPosition; }
    int pageNumber() const { return m_pageNumber; }
    int firstWanted() const { return m_firstWanted; }
    int lowestSeen() const { return m_lowestSeen; }

private:
    void goToNextBoard();
    void computeFirstWanted();
    bool wantsNextPage() const;

    CommunicationRun& m_run;
    int m_boardPosition = 0;
    int m_pageNumber = 1;
    int m_firstWanted = 1;
    int m_lowestSeen = -1;
    QString m_outputFile;
};

} // namespace tavrel
