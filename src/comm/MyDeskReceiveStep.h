#pragma once

// Fetching the unread MyDesk messages: inbox pages (sorted by the service's order 3) into
// ForumTop as "message.<page>", at most three, the scan ending at a page that lists a
// message already read; then every unread message's page into Tmp as "message.<index>",
// where the log cutting finds it for the MyDesk message log.

#include <QString>
#include <QStringList>

namespace tavrel {

class CommunicationRun;

class MyDeskReceiveStep
{
public:
    static constexpr int maxInboxPages = 3;

    explicit MyDeskReceiveStep(CommunicationRun& run);

    // Empties the read list and fetches inbox page 1.
    void start();
    void runMyDeskMessageInbox();
    void checkATaskStatusOfMessageInboxProc(int exitStatus);
    // Reads the saved inbox page: its unread messages join the read list; the next page is
    // fetched while the page shows no read message, else the message pages follow.
    void prepairMyDeskMessageViewRead();
    // Fetches the message at the read position, or ends the step after the last.
    void runMyDeskMessageView();
    void checkATaskStatusOfMessageViewProc(int exitStatus);

    const QStringList& readList() const { return m_readList; }
    int inboxPageNumber() const { return m_inboxPage; }

private:
    CommunicationRun& m_run;
    int m_inboxPage = 1;
    QStringList m_readList;
    int m_readPosition = 0;
};

} // namespace tavrel
