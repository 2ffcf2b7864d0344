#pragma once

// Sending the queued outgoing messages of a run, one file per transfer task in name order:
// the board posts, or the MyDesk messages. A file that lacks a required value is skipped
// and stays in Post; a posted file moves to SentMessages. Two files of the same forum (the
// same name without extension; every MyDesk file shares "message") are separated by the
// post interval, a one-shot timer that the stop button cancels.
//
// An old-style board or the MyDesk form answers an expired login with an HTTP error (exit
// status 22): nothing was stored, so the login is renewed and the same file is sent once
// more. A file refused again stays in Post for a later run, and sending goes on.

#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

namespace tavrel {

class CommunicationRun;

class SendStep
{
public:
    enum class Kind
    {
        BoardPost, // runSoushinProc; the run state is "sending" while it runs
        MyDesk,    // runMyDeskMessageSend; the run state stays as it is
    };

    // `done` continues the run once every file has been handled.
    SendStep(CommunicationRun& run, Kind kind, std::function<void()> done);

    // Sends the files of `paths` (full paths, in the order to send), from the first.
    void start(const QStringList& paths);
    // Sends the file at the current position, skipping those without a request, or ends the
    // step after the last.
    void runProc();
    // End of one send.
    void checkATaskStatus(int exitStatus);
    // Cancels a pending post interval; nothing is sent any more from it.
    void cancelInterval() { m_interval.stop(); }

    bool isWaitingForInterval() const { return m_interval.isActive(); }
    int position() const { return m_position; }
    const QStringList& list() const { return m_list; }

private:
    std::optional<QStringList> requestFor(const QString& path) const;
    void launch(const QStringList& arguments);
    void sent();
    void renewLoginAndResend();
    void goOn();
    void showProgress();

    CommunicationRun& m_run;
    Kind m_kind;
    std::function<void()> m_done;
    QStringList m_list;
    int m_position = 0;
    QString m_postedFile;
    // The posted file was already sent again after a renewed login.
    bool m_resent = false;
    QTimer m_interval;
};

} // namespace tavrel
