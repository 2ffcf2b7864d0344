#pragma once

// A label of a fixed number of lines whose lines end in "…" where they do not fit, so a
// long status or file name neither widens its window nor is cut in the middle of a letter.
// text() keeps the whole text; the tool tip shows it too.

#include <QLabel>

namespace tavrel {

class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(int lineCount, QWidget* parent = nullptr);

    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_lineCount;
};

} // namespace tavrel
