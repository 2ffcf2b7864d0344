#pragma once

// Moving a board log file aside to its lowest free backup name (its full name, "." and n),
// for the log cutter. The move never replaces a file: a name taken meanwhile is passed over.
// It gives up after a bounded number of names, and at once when the move fails for any other
// reason than a taken name; the file then stays where it was.

#include <QString>

#include <optional>

namespace tavrel {

class BackupMove
{
public:
    static constexpr int defaultNameLimit = 1000;

    // The backup's path; nothing, with a message in `error`, when the file could not be moved.
    static std::optional<QString> move(const QString& boardLogPath, QString* error,
                                       int nameLimit = defaultNameLimit);
};

} // namespace tavrel
