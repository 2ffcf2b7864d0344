#include "ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

int ViewGeometry::centredRevealRow(int row, double visibleHeight, double rowHeight, int rowCount)
{
    if (rowCount <= 0)
        return row;
    double k = row;
    if (rowHeight > 0 && std::isfinite(visibleHeight))
        k = std::trunc(row + (visibleHeight / rowHeight - 2) * 0.5);
    if (!std::isfinite(k) || k >= rowCount)
        return rowCount - 1;
    return std::max(0, int(k));
}

std::optional<double> ViewGeometry::completePageHeight(double textHeight, double visibleHeight, double zoom)
{
    const double page = visibleHeight - 20;
    if (!(page > 0) || !std::isfinite(textHeight))
        return std::nullopt;
    const float quotient = float(textHeight - 20) / float(page);
    const double pages = std::ceil(double(quotient));
    return (page * pages + 20) * zoom - 10;
}

} // namespace tavrel
