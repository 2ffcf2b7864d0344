#pragma once

// Merging the messages of a board page into a board log file: body-tag colours into the
// header, then every message block in page order. The last comment link of the page sets the
// board's post URL; a record is added when its number is above the stored last number and no
// stored record has the same "Number" text; each one added counts as unread.

#include "store/AppendableBoardLog.h"

#include <QDateTime>
#include <QStringView>

namespace tavrel {

class BoardPageMerge
{
public:
    // The number of records added.
    static int merge(AppendableBoardLog& log, QStringView page, QStringView serviceDomain,
                     const QDateTime& now = QDateTime::currentDateTime());
};

} // namespace tavrel
