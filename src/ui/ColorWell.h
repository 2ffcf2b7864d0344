#pragma once

// A colour well: a button showing a colour; pressing it opens the colour chooser and a chosen
// colour is shown and announced.

#include <QColor>
#include <QToolButton>

namespace tavrel {

class ColorWell : public QToolButton
{
    Q_OBJECT

public:
    explicit ColorWell(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void colorChosen(const QColor& color);

private:
    void choose();

    QColor m_color;
};

} // namespace tavrel
