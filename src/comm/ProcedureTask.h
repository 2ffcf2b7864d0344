#pragma once

// A program run as a task (a user's procedure, the log cutter): a working directory, no
// input, its output discarded. Asynchronously it ends like a transfer task (the exit
// status, -1 when it could not start or was killed); runAndWait runs one to its end in place.

#include "comm/Transfer.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tavrel {

class ProcedureTask : public Transfer
{
    Q_OBJECT

public:
    explicit ProcedureTask(const QString& program, QObject* parent = nullptr);
    ~ProcedureTask() override;

    // Starts the program in `workingDirectory`; `arguments` are passed to it as they are.
    void start(const QString& workingDirectory, const QStringList& arguments) override;
    bool isRunning() const override { return m_process.state() != QProcess::NotRunning; }
    // Sends the termination request; the end then arrives as usual.
    void terminate() override;

    // Runs `program` in `workingDirectory` without arguments and waits for its end; the exit
    // status, or -1 when it could not start or was killed.
    static int runAndWait(const QString& program, const QString& workingDirectory);

private:
    QProcess m_process;
};

} // namespace tavrel
