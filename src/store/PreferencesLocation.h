#pragma once

// Where the preferences live: one property-list file named after the preferences domain in
// the user's configuration folder ($XDG_CONFIG_HOME, ~/.config by default). Tavrel and
// TavrelMigrate both find it here.

#include <QString>

namespace tavrel {

// The preferences domain; also the stem of the preferences file's name.
QString preferencesDomain();

// Full path of the preferences file: <config folder>/<domain>.plist.
QString preferencesFilePath();

} // namespace tavrel
