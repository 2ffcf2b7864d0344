#pragma once

// Backup log files: a board log file moved aside keeps its full name plus "." and a number
// n = 1, 2, 3 …, the lowest not yet taken. The newest backup is therefore the last of .1, .2, …
// that exist without a gap, which is the one put back in place when a cut fails.

#include <QString>

#include <optional>

namespace tavrel {

class BackupLogFile
{
public:
    static QString backupPath(const QString& boardLogPath, int n);
    // The lowest n ≥ 1 whose backup name is free.
    static int nextNumber(const QString& boardLogPath);
    // Moves the board log file to the lowest free backup name and gives that name; nothing,
    // with a message, when the file cannot be moved (the file then stays where it was).
    static std::optional<QString> moveToBackup(const QString& boardLogPath, QString* error = nullptr);
    // The newest backup's path; empty when there is none.
    static QString newestBackup(const QString& boardLogPath);
    // Moves the newest backup back to the board log file's name, which must be free. False,
    // with a message, when there is no backup or the move fails.
    static bool restoreNewestBackup(const QString& boardLogPath, QString* error = nullptr);
};

} // namespace tavrel
