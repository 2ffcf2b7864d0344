#pragma once

// The forum and board names a board's title gives. The title is split at every FULLWIDTH
// COLON (U+FF1A); a title of more than three parts names the forum in its third part and the
// board in the rest (joined again with U+FF1A); a shorter title names only the board, as a
// whole.

#include <QString>

#include <optional>

namespace tavrel {

// The separator of the parts of a board title.
inline constexpr char16_t titleSeparator = u'\uFF1A';

// The forum's name; nothing when the title has three parts or fewer.
std::optional<QString> forumNameFromTitle(QStringView title);
QString boardNameFromTitle(QStringView title);

} // namespace tavrel
