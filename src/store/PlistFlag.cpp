#include "PlistFlag.h"

#include "PreferenceValue.h"

namespace tavrel {

bool plistFlag(const PlistValue& value)
{
    switch (value.type()) {
    case PlistValue::Type::Bool:
        return value.toBool();
    case PlistValue::Type::String:
        return preference::leadingFlag(value.toString());
    case PlistValue::Type::Integer:
        return value.toInteger() != 0;
    case PlistValue::Type::Real:
        return value.toReal() != 0;
    default:
        return false;
    }
}

} // namespace tavrel
