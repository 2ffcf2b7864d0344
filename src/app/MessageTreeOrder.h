#pragma once

// Tree order of a message list: every comment is moved up behind the message it comments on,
// after that message's comments so far, one level deeper. The list is walked once from its
// second position on; a comment looks for the nearest message above it whose "Number" text
// equals its "Comment" text. A comment whose message is not above it stays where it is with
// its stored level, and position 0 is never moved.
//
// Where a comment goes: after its message, past the following run of records whose level is
// at least the comment's. Instead of scanning the list, the arranged part is kept in a
// balanced tree (a treap keyed by position, with the lowest level of every subtree), so a list
// of n messages is arranged in O(n log n) whatever its shape.

#include <QStringView>

#include <optional>
#include <vector>

namespace tavrel {

class MessageTreeOrder
{
public:
    // What the order reads from one record. A text that is absent never matches.
    struct Entry
    {
        std::optional<QStringView> number;  // "Number"
        std::optional<QStringView> comment; // "Comment"; "0" comments on nothing
        int level = 0;                      // integer value of "IndentLevel" (0 when absent)
    };

    // One position of the result: the entry that goes there and, for a comment that found
    // its message, its new level (the message's level plus one).
    struct Placement
    {
        qsizetype entry = 0;
        std::optional<int> newLevel;
    };

    static std::vector<Placement> arrange(const std::vector<Entry>& entries);
};

} // namespace tavrel
