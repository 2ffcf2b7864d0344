#pragma once

// The orders of message records, patrol entries and forum list entries.
//
// Each comparison gives less, equivalent or greater. All but the message-number one are strict
// weak orders and serve std::stable_sort directly (`compare(a, b) < 0`). Comparing message
// numbers is not transitive (equal numbers are ordered by date only when both dates parse),
// so records are sorted with `sortByMessageNumber`, which keeps every decision the comparison
// makes and the existing order wherever it makes none.

#include "store/MessageRecord.h"
#include "store/PlistDict.h"

#include <QList>

#include <compare>
#include <optional>
#include <vector>

namespace tavrel {

// Integer value of "Number" (0 when absent); equal numbers: the earlier "Date" first when both
// dates parse, else equivalent.
std::weak_ordering messageNumberCompare(const MessageRecord& a, const MessageRecord& b);
std::weak_ordering messageNumberCompare(const PlistDict& a, const PlistDict& b);
// "BbsID" (empty when absent), by character codes, letter case significant.
std::weak_ordering tsushinSetteiBoardNameCompare(const PlistDict& a, const PlistDict& b);
// "ForumListGoCommand", the same way.
std::weak_ordering forumListGoCommandCompare(const PlistDict& a, const PlistDict& b);
// "ForumListForumName", the same way.
std::weak_ordering forumListForumNameCompare(const PlistDict& a, const PlistDict& b);
// The flag "DownloadCheckBox" (true, or the text "YES"; off when absent): entries with the flag
// on first.
std::weak_ordering forumListDownloadCheckCompare(const PlistDict& a, const PlistDict& b);

// What the message-number order looks at in one item.
struct MessageSortKey
{
    int number = 0;
    std::optional<QDateTime> date;
};

// The positions of `keys` in message-number order: ascending number; among equal numbers, the
// items whose dates parse are put in date order (stable) in the places they occupy together,
// and the others keep theirs.
std::vector<qsizetype> messageNumberOrder(const std::vector<MessageSortKey>& keys);

MessageSortKey messageSortKey(const MessageRecord& record);
MessageSortKey messageSortKey(const PlistDict& record);

// Sorts in message-number order; `keyOf(item)` gives the item's MessageSortKey.
template<typename T, typename KeyOf>
void sortByMessageNumber(QList<T>& items, KeyOf keyOf)
{
    std::vector<MessageSortKey> keys;
    keys.reserve(size_t(items.size()));
    for (const T& item : items)
        keys.push_back(keyOf(item));
    const std::vector<qsizetype> order = messageNumberOrder(keys);
    QList<T> sorted;
    sorted.reserve(items.size());
    for (qsizetype from : order)
        sorted.append(std::move(items[from]));
    items = std::move(sorted);
}

inline void sortByMessageNumber(QList<MessageRecord>& records)
{
    sortByMessageNumber(records, [](const MessageRecord& r) { return messageSortKey(r); });
}

inline void sortByMessageNumber(QList<PlistDict>& records)
{
    sortByMessageNumber(records, [](const PlistDict& r) { return messageSortKey(r); });
}

} // namespace tavrel
