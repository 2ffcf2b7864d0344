#pragma once

// Item data roles of the board tree and the message list beyond Qt's own. The core links no
// Qt Gui, so fonts and colours are handed to the window as plain values: whether the text is
// bold, and the unread title colour (an RgbaColor) when the row is to be drawn in it.

#include "store/Preferences.h"

#include <Qt>

namespace tavrel {

enum BrowserRole
{
    // bool: the row's text is bold (unread); explicitly not bold otherwise.
    IsBoldRole = Qt::UserRole + 1,
    // RgbaColor: the unread title colour; no value when the row keeps the normal colour.
    UnreadTitleColorRole,
};

// Where a table brings a row it selects: nowhere, into view, or to the middle of the view
// (see ViewGeometry::centredRevealRow).
enum class Reveal
{
    None,
    Scroll,
    Centred,
};

// The unread highlighting of titles: the colour, used only when `enabled`.
struct UnreadTitleColor
{
    bool enabled = false;
    RgbaColor color;
};

} // namespace tavrel
