#include "IntegerValue.h"

#include "TextScanner.h"

#include <algorithm>
#include <climits>

namespace tavrel {

int integerValue(QStringView text)
{
    TextScanner scanner(text);
    return scanner.scanInteger().value_or(0);
}

int saturatingAdd(int a, int b)
{
    const qint64 sum = qint64(a) + qint64(b);
    return int(std::clamp<qint64>(sum, INT_MIN, INT_MAX));
}

} // namespace tavrel
