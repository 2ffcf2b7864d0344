#pragma once

// The integer value of a text: leading white space skipped, an optional sign, decimal digits;
// 0 when there are none. Clamped to 32 bits.

#include <QStringView>

namespace tavrel {

int integerValue(QStringView text);

// Adds without wrapping: the result saturates at the 32-bit limits.
int saturatingAdd(int a, int b);

} // namespace tavrel
