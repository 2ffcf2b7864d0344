#pragma once

// A flag stored in a data file: a boolean, or the texts "YES" / "NO" (and other texts and
// numbers by the preferences' rule). Absent or another type reads as false.

#include "store/PlistValue.h"

namespace tavrel {

bool plistFlag(const PlistValue& value);

} // namespace tavrel
