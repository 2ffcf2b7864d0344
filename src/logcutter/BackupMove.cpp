#include "BackupMove.h"

#include "store/BackupLogFile.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tavrel {

namespace {

// Renames without ever replacing the target. errno tells why it failed.
bool renameNoReplace(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // File systems without the flag: a hard link claims the name atomically, then the old
    // name goes; in between both names hold the file.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

} // namespace

std::optional<QString> BackupMove::move(const QString& boardLogPath, QString* error, int nameLimit)
{
    const QByteArray from = QFile::encodeName(boardLogPath);
    for (int n = 1; n <= nameLimit; ++n) {
        const QString target = BackupLogFile::backupPath(boardLogPath, n);
        if (renameNoReplace(from, QFile::encodeName(target)))
            return target;
        const int failure = errno;
        if (failure == EEXIST)
            continue;
        if (error)
            *error = QStringLiteral("cannot move ") + boardLogPath + QStringLiteral(" to ") + target +
                     QStringLiteral(" : ") + QString::fromLocal8Bit(std::strerror(failure));
        return std::nullopt;
    }
    if (error)
        *error = QStringLiteral("no free backup name for ") + boardLogPath + QStringLiteral(" up to .") +
                 QString::number(nameLimit);
    return std::nullopt;
}

} // namespace tavrel
