#pragma once

// One transfer task as the communication run sees it: started with a working directory and
// the client's argument list, it ends exactly once with an exit status (0 success, 22 an HTTP
// error under "-f", 28 a time limit, anything else a failure, -1 when the client could not
// run or was terminated). TransferTask runs the real client; tests use fakes.

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace tavrel {

class Transfer : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void start(const QString& workingDirectory, const QStringList& arguments) = 0;
    virtual bool isRunning() const = 0;
    // Asks the running client to end; its end then arrives as usual.
    virtual void terminate() = 0;

signals:
    void ended(int exitStatus);

protected:
    // Reports the end once; later reports of the same task are ignored.
    void finish(int exitStatus)
    {
        if (m_ended)
            return;
        m_ended = true;
        emit ended(exitStatus);
    }
    // The same from the event loop, for ends found while starting.
    void finishLater(int exitStatus)
    {
        QMetaObject::invokeMethod(
            this, [this, exitStatus] { finish(exitStatus); }, Qt::QueuedConnection);
    }

private:
    bool m_ended = false;
};

// Makes the transfer tasks of a run.
class TransferFactory
{
public:
    virtual ~TransferFactory() = default;
    virtual std::unique_ptr<Transfer> create() = 0;
};

} // namespace tavrel
