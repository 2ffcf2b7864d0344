#pragma once

// Checks for names and URLs that come from files or the network before they become file
// names or curl arguments.

#include <QStringView>

namespace tavrel {

// True when `name` can stand as one file name inside a folder and as a curl argument: not
// empty, not "." or "..", not starting with "-", and holding no "/", NUL or other control
// character (a line break would end a curl config line).
bool isSafeFileName(QStringView name);

// True when `url` starts with "http://" or "https://" (in any letter case) and holds no
// control character.
bool isAcceptableUrl(QStringView url);

} // namespace tavrel
