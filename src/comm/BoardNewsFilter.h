#pragma once

// Drops from a run's patrol list the boards whose forum top page shows no message newer than
// the last one the store holds.

#include "store/PatrolEntry.h"

#include <QHash>
#include <QList>
#include <QString>

namespace tavrel {

class BoardHeaderSource;

class BoardNewsFilter
{
public:
    // Removes every entry whose board has a last date from the top pages that parses, a row
    // in `headers` whose "DateOfLastMes" parses, and a top-page date not later than that one.
    // Every other entry stays, in order. Returns the IDs removed.
    static QStringList deleteJushinList(QList<PatrolEntry>& junkaiList,
                                        const QHash<QString, QString>& boardLastDates,
                                        const BoardHeaderSource& headers);
};

} // namespace tavrel
