#pragma once

// Readable failure output for property-list values: their XML form.

#include "store/PropertyList.h"

#include <ostream>

namespace tavrel {

inline void PrintTo(const PlistValue& value, std::ostream* os)
{
    *os << PropertyList::serialize(value).toStdString();
}

inline void PrintTo(const PlistDict& dict, std::ostream* os)
{
    PrintTo(PlistValue(dict), os);
}

} // namespace tavrel
