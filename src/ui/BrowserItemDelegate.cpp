#include "ui/BrowserItemDelegate.h"

#include "app/BrowserRoles.h"

namespace tavrel {

QColor BrowserItemDelegate::toQColor(const RgbaColor& color)
{
    return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue), float(color.alpha));
}

RgbaColor BrowserItemDelegate::toRgba(const QColor& color)
{
    return {color.redF(), color.greenF(), color.blueF(), color.alphaF()};
}

void BrowserItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->font.setBold(index.data(IsBoldRole).toBool());
    const QVariant colour = index.data(UnreadTitleColorRole);
    if (colour.canConvert<RgbaColor>())
        option->palette.setColor(QPalette::Text, toQColor(colour.value<RgbaColor>()));
}

} // namespace tavrel
