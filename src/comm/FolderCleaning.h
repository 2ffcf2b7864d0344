#pragma once

// Emptying the scratch folders of a run (Tmp, ForumTop).

#include <QString>

namespace tavrel {

// Removes every entry of the folder, hidden ones included; sub-folders with their contents,
// symbolic links as links (never what they point to). The folder itself stays.
void emptyFolder(const QString& path);

} // namespace tavrel
