#pragma once

// One run of the HTTP client as a child process. The client is started as "curl -K -" and
// reads its whole argument list as a config from standard input, so no value (passwords
// included) shows on its command line. The end arrives as `ended` with the exit status, on
// the event loop, exactly once per start; a client that could not be started or was killed
// by a signal ends with a status of -1.

#include "comm/Transfer.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrel {

class TransferTask : public Transfer
{
    Q_OBJECT

public:
    explicit TransferTask(QObject* parent = nullptr);
    ~TransferTask() override;

    // "/usr/bin/curl".
    static QString defaultProgram();
    // Another client program (tests use one that fails to start).
    void setProgram(const QString& program) { m_program = program; }

    // Starts the client in `workingDirectory` with `arguments` (the client's own argument
    // list, URL last). An argument list that cannot be written as a config ends the task at
    // once with status -1.
    void start(const QString& workingDirectory, const QStringList& arguments) override;

    bool isRunning() const override { return m_process.state() != QProcess::NotRunning; }
    // Sends the termination request; the end then arrives as usual.
    void terminate() override;
    // The child's process ID while it runs, else 0.
    qint64 processId() const { return m_process.processId(); }

private:
    QProcess m_process;
    QString m_program;
    bool m_started = false;
};

} // namespace tavrel
