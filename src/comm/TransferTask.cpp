#include "TransferTask.h"

#include "CurlConfig.h"

#include <QMetaObject>

namespace tavrel {

TransferTask::TransferTask(QObject* parent)
    : Transfer(parent)
    , m_program(defaultProgram())
{
    // The client's progress meter and messages are not used; nothing piles up in memory.
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

TransferTask::~TransferTask()
{
    if (isRunning()) {
        m_process.disconnect(this);
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString TransferTask::defaultProgram()
{
    return QStringLiteral("/usr/bin/curl");
}

void TransferTask::start(const QString& workingDirectory, const QStringList& arguments)
{
    Q_ASSERT(!m_started);
    m_started = true;
    const std::optional<QByteArray> config = CurlConfig::fromArguments(arguments);
    if (!config) {
        finishLater(-1);
        return;
    }
    m_process.setWorkingDirectory(workingDirectory);
    m_process.start(m_program, {QStringLiteral("-K"), QStringLiteral("-")});
    if (m_process.state() == QProcess::NotRunning)
        return; // the end comes from errorOccurred
    // Written once the child runs; closing the channel ends the config.
    m_process.write(*config);
    m_process.closeWriteChannel();
}

void TransferTask::terminate()
{
    if (isRunning())
        m_process.terminate();
}

} // namespace tavrel
