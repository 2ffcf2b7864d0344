#pragma once

// Geometry rules that windows apply but that are decided here: where a table scrolls to
// reveal a row in the middle, and how tall the message text view is made so that paging
// ends exactly on its last page.

#include <optional>

namespace tavrel {

class ViewGeometry
{
public:
    // The centred reveal of `row` in a table of `rowCount` rows: the row k to scroll into
    // view first (row is scrolled into view after it), so that `row` ends up about in the
    // middle. k = row + (visibleHeight ÷ rowHeight − 2) × 0.5, truncated, kept inside the
    // table.
    static int centredRevealRow(int row, double visibleHeight, double rowHeight, int rowCount);

    // The height for the message text view when whole-page sizing is on: with H the text's
    // height and V the visible height (both in the view's zoomed units), pages =
    // ⌈(H − 20) ÷ (V − 20)⌉ (the quotient in single precision) and the height is
    // ((V − 20) × pages + 20) × zoom − 10. Nothing when the visible part is too small to page.
    static std::optional<double> completePageHeight(double textHeight, double visibleHeight, double zoom);
};

} // namespace tavrel
