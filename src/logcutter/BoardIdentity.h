#pragma once

// Whether the page being cut still belongs to the board its log file holds: a board log file
// with no title takes the page's; a different title means the board was retitled or replaced;
// an unchanged title with a last message numbered at or below the stored last number but
// dated after it means the board was restarted. A retitled or restarted board starts afresh.

#include "store/BoardLogHeader.h"
#include "store/MessageRecord.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringView>

namespace tavrel {

class BoardIdentity
{
public:
    enum class Decision
    {
        TakeTitle, // the stored title is empty: it becomes the page's
        Retitled,  // the file exists and the title differs (an absent title differs from all)
        Restarted, // the file exists, the title is the same and the numbering began anew
        Unchanged,
    };

    // `checkRestart` is off for MyDesk pages.
    static Decision decide(const BoardLogHeader& header, bool fileExists, const QString& decodedTitle,
                           QStringView page, bool checkRestart, const QDateTime& now);

    // The restart test on the page's last complete message block.
    static bool hasRestarted(const BoardLogHeader& header, QStringView page, const QDateTime& now);

    // A fresh start: no unread messages, no post URL, last number 0, board name to be derived
    // again, no records. The title is left to the caller.
    static void reset(BoardLogHeader& header, QList<MessageRecord>& body);
};

} // namespace tavrel
