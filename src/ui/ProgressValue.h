#pragma once

// The value a 0 to 100 progress bar shows for a percentage given as a floating-point number:
// rounded, and held inside the bar's range (a NaN shows as 0).

#include <cmath>

namespace tavrel {

inline int progressValue(double percent)
{
    if (!(percent > 0))
        return 0;
    if (percent >= 100)
        return 100;
    return int(std::lround(percent));
}

} // namespace tavrel
