#include "SecretServiceKeychain.h"

#include "platform/SystemLog.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace tavrel {

namespace {

// Starts the job and waits for its end without blocking the event loop's other work.
void runJob(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

SecretServiceKeychain::SecretServiceKeychain(SystemLog& log)
    : m_log(log)
{}

std::optional<QByteArray> SecretServiceKeychain::findGenericPassword(const QString& service,
                                                                     const QString& account)
{
    QKeychain::ReadPasswordJob job(service);
    job.setKey(account);
    runJob(job);
    if (job.error() != QKeychain::NoError) {
        noteFailure(job.error(), job.errorString());
        return std::nullopt;
    }
    return job.binaryData();
}

bool SecretServiceKeychain::addGenericPassword(const QString& service, const QString& account,
                                               const QByteArray& secret)
{
    QKeychain::WritePasswordJob job(service);
    job.setKey(account);
    job.setBinaryData(secret);
    runJob(job);
    if (job.error() != QKeychain::NoError) {
        noteFailure(job.error(), job.errorString());
        return false;
    }
    return true;
}

bool SecretServiceKeychain::deleteGenericPassword(const QString& service, const QString& account)
{
    QKeychain::DeletePasswordJob job(service);
    job.setKey(account);
    runJob(job);
    if (job.error() != QKeychain::NoError) {
        noteFailure(job.error(), job.errorString());
        return false;
    }
    return true;
}

void SecretServiceKeychain::noteFailure(int error, const QString& message)
{
    if (error == QKeychain::EntryNotFound || m_failureLogged)
        return;
    m_failureLogged = true;
    m_log.log(u"Keychain not available: " + message);
}

} // namespace tavrel
