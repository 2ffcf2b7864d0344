#pragma once

// Where a sheet or panel first appears: centred across the window it belongs to, its top at a
// given height in that window, and kept on that window's screen. Window managers may still
// place it themselves; without one (or before one decides) this keeps it off the corner.

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tavrel {

// Moves `sheet` centred over `owner`, its top `topOffset` pixels below the top of owner's
// contents. Does nothing when the owner is not on screen.
inline void placeOver(QWidget* sheet, const QWidget* owner, int topOffset)
{
    if (!owner || !owner->isVisible())
        return;
    // A window never shown nor resized takes its size hint when it is shown.
    const QSize size = sheet->testAttribute(Qt::WA_Resized) ? sheet->size() : sheet->sizeHint();
    const QRect area = owner->geometry();
    QPoint topLeft(area.center().x() - size.width() / 2, area.top() + topOffset);
    if (const QScreen* screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(
            qBound(available.left(), topLeft.x(), qMax(available.left(), available.right() - size.width())));
        topLeft.setY(
            qBound(available.top(), topLeft.y(), qMax(available.top(), available.bottom() - size.height())));
    }
    sheet->move(topLeft);
}

} // namespace tavrel
