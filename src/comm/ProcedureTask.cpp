#include "ProcedureTask.h"

#include <QMetaObject>

namespace tavrel {

ProcedureTask::ProcedureTask(const QString& program, QObject* parent)
    : Transfer(parent)
{
    m_process.setProgram(program);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        finish(status == QProcess::NormalExit ? exitCode : -1);
    });
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishLater(-1);
    });
}

ProcedureTask::~ProcedureTask()
{
    if (isRunning()) {
        m_process.disconnect(this);
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

void ProcedureTask::start(const QString& workingDirectory, const QStringList& arguments)
{
    m_process.setWorkingDirectory(workingDirectory);
    m_process.setArguments(arguments);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start();
}

void ProcedureTask::terminate()
{
    if (isRunning())
        m_process.terminate();
}

int ProcedureTask::runAndWait(const QString& program, const QString& workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace tavrel
