#pragma once

// What one log cutting run works through: the pages in Tmp (in listing order), for each page
// the board log file it is cut into, and the distinct board log files in order of first
// appearance.

#include <QString>
#include <QStringList>

namespace tavrel {

class DataFolder;

struct LogCutPages
{
    QStringList pages;
    QStringList targets;
    QStringList boards;

    // The pages of the data folder's Tmp, listed by name; names beginning with "." or "_" and
    // anything that is not a file are left out. A page "<board>.<n>" is cut into
    // Warehouse/<board>.
    static LogCutPages fromDataFolder(const DataFolder& dataFolder);

    // The board identifier a page name stands for: the name without its last extension.
    static QString boardIdentifierOf(const QString& pageName);

    // The distinct targets of the pages before `end`, in order of first appearance.
    QStringList boardsBefore(qsizetype end) const;

    void clear();
};

} // namespace tavrel
