#pragma once

// Readable failure output for property-list values: their XML form.

#include "store/BoardLogHeader.h"
#include "store/MessageRecord.h"
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

inline void PrintTo(const BoardLogHeader& header, std::ostream* os)
{
    PrintTo(header.toDict(), os);
}

inline void PrintTo(const MessageRecord& record, std::ostream* os)
{
    PrintTo(record.toDict(), os);
}

} // namespace tavrel
