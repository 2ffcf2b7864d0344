#pragma once

// The sorting of one board log file after its pages are cut: the records in message-number
// order, "MidokuSu" recounted, an empty "Delete" and "DeleteDay" filled from the preferences,
// and "NumberOfLastMes" / "DateOfLastMes" raised to the highest stored record.

#include <QString>

namespace tavrel {

class AppendableBoardLog;
class BoardLogFile;

struct SortingDefaults
{
    // The preference "IsSakujo".
    bool isSakujo = false;
    // The preference "SakujoDay".
    double sakujoDay = 30;
};

class BoardLogSorting
{
public:
    enum class Outcome
    {
        Sorted,
        // No file at the path.
        Missing,
        // The file is there but is not a readable board log file; it stays unchanged.
        Unreadable,
        // Sorted, but writing it back failed; the file stays as it was.
        NotWritten,
    };

    // Sorts and completes the file at `path` and writes it back atomically; `error` tells
    // why when the outcome is not Sorted.
    static Outcome sortFile(const QString& path, const SortingDefaults& defaults, QString* error = nullptr);

    // The same on a file in memory.
    static void sort(BoardLogFile& log, const SortingDefaults& defaults);
    // The same on a file whose kept records need no moving.
    static void sort(AppendableBoardLog& log, const SortingDefaults& defaults);
};

} // namespace tavrel
