#pragma once

// Draws the rows of the board outline and the message list: bold for unread, and the unread
// title colour when the model gives one (the models hand both over as plain values).

#include <QStyledItemDelegate>

namespace tavrel {

struct RgbaColor;

class BrowserItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor toQColor(const RgbaColor& color);
    static RgbaColor toRgba(const QColor& color);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace tavrel
