#include "ui/ColorWell.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace tavrel {

ColorWell::ColorWell(QWidget* parent)
    : QToolButton(parent)
{
    setIconSize(QSize(28, 16));
    connect(this, &QToolButton::clicked, this, &ColorWell::choose);
    setColor(Qt::white);
}

void ColorWell::setColor(const QColor& color)
{
    m_color = color;
    QPixmap swatch(iconSize());
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(color);
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
}

void ColorWell::choose()
{
    const QColor chosen = QColorDialog::getColor(m_color, this, toolTip(), QColorDialog::ShowAlphaChannel);
    if (!chosen.isValid())
        return;
    setColor(chosen);
    emit colorChosen(chosen);
}

} // namespace tavrel
