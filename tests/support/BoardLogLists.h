#pragma once

// Lists that board log tests compare: the "Number" texts of a body, a run of numbers as
// texts, and the file names of a folder.

#include "store/BoardLogFile.h"

#include <QDir>
#include <QStringList>

namespace tavrel::test {

inline QStringList numbersOf(const BoardLogFile& log)
{
    QStringList numbers;
    for (const MessageRecord& record : log.body())
        numbers.append(record.number());
    return numbers;
}

// "first" … "last".
inline QStringList numberRange(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(QString::number(n));
    return numbers;
}

// The files of `folder`, sorted by name.
inline QStringList fileNames(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace tavrel::test
