#pragma once

// The two orders of the message list: number order (ascending "Number", equal numbers by
// date) and tree order (see MessageTreeOrder.h).

#include "store/MessageRecord.h"

#include <QList>

namespace tavrel {

class MessageOrder
{
public:
    // Number order, every "IndentLevel" set to "0".
    static void sortTitleArrayBangouJun(QList<MessageRecord>& messageArray);
    // Number order, levels untouched (for writing the list back).
    static void sortTitleArrayBangouJunOnArray(QList<MessageRecord>& messageArray);
    // Tree order from the list's current order; a comment that finds its message gets that
    // message's level plus one, every other record keeps its stored "IndentLevel".
    static void sortTitleArrayTreeJun(QList<MessageRecord>& messageArray);
};

} // namespace tavrel
