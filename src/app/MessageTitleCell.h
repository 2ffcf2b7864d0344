#pragma once

// What a row of the message list shows: the indentation by level (one space per level, at
// most 176), the number, two spaces, the name, two spaces, the title and the mark suffix;
// bold when unread.

#include "store/MessageRecord.h"

#include <QString>

namespace tavrel {

class MessageTitleCell
{
public:
    static constexpr int maxIndent = 176;

    static QString text(const MessageRecord& record);
    // "    (Locked)" for "Lock" "YES", "    (Delete)" for "DEL", otherwise empty.
    static QString suffix(const MessageRecord& record);
    // Unread ("DontRead" is "YES"): the whole text bold and, when highlighting is on, in the
    // unread title colour.
    static bool isBold(const MessageRecord& record) { return record.isUnread(); }
};

} // namespace tavrel
