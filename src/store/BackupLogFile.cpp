#include "store/BackupLogFile.h"

#include <QFile>
#include <QFileInfo>

namespace tavrel {

namespace {

// A name is taken by anything there, a dangling symbolic link included.
bool isTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

QString BackupLogFile::backupPath(const QString& boardLogPath, int n)
{
    return boardLogPath + u'.' + QString::number(n);
}

int BackupLogFile::nextNumber(const QString& boardLogPath)
{
    int n = 1;
    while (n < INT_MAX && isTaken(backupPath(boardLogPath, n)))
        ++n;
    return n;
}

std::optional<QString> BackupLogFile::moveToBackup(const QString& boardLogPath, QString* error)
{
    if (!isTaken(boardLogPath)) {
        setError(error, boardLogPath + QStringLiteral(": no such file"));
        return std::nullopt;
    }
    for (int n = nextNumber(boardLogPath); n < INT_MAX; ++n) {
        const QString target = backupPath(boardLogPath, n);
        QFile file(boardLogPath);
        if (file.rename(target))
            return target;
        // Someone took the name meanwhile: try the next one. Any other failure is final.
        if (!isTaken(target)) {
            setError(error, boardLogPath + u": " + file.errorString());
            return std::nullopt;
        }
    }
    setError(error, boardLogPath + QStringLiteral(": no free backup name"));
    return std::nullopt;
}

QString BackupLogFile::newestBackup(const QString& boardLogPath)
{
    const int n = nextNumber(boardLogPath) - 1;
    return n >= 1 ? backupPath(boardLogPath, n) : QString();
}

bool BackupLogFile::restoreNewestBackup(const QString& boardLogPath, QString* error)
{
    const QString backup = newestBackup(boardLogPath);
    if (backup.isEmpty())
        return setError(error, boardLogPath + QStringLiteral(": no backup to put back"));
    if (isTaken(boardLogPath))
        return setError(error, boardLogPath + QStringLiteral(": the file is in the way of its backup"));
    QFile file(backup);
    if (!file.rename(boardLogPath))
        return setError(error, backup + u": " + file.errorString());
    return true;
}

} // namespace tavrel
