#include "ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace tavrel {

ElidedLabel::ElidedLabel(int lineCount, QWidget* parent)
    : QLabel(parent)
    , m_lineCount(std::max(1, lineCount))
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void ElidedLabel::setText(const QString& text)
{
    QLabel::setText(text);
    setToolTip(text);
}

QSize ElidedLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * 20 + margins.left() + margins.right(),
            fontMetrics().lineSpacing() * m_lineCount + margins.top() + margins.bottom()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QFontMetrics metrics = fontMetrics();
    const QStringList lines = text().split(u'\n');
    const qsizetype shown = std::min<qsizetype>(lines.size(), m_lineCount);
    for (qsizetype i = 0; i < shown; ++i) {
        QString line = lines[i];
        // The last line that fits also carries the lines that do not.
        if (i == shown - 1 && lines.size() > shown)
            line = QStringList(lines.mid(i)).join(u' ');
        const QRect lineArea(area.left(), area.top() + int(i) * metrics.lineSpacing(), area.width(),
                             metrics.lineSpacing());
        style()->drawItemText(&painter, lineArea, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                              metrics.elidedText(line, Qt::ElideMiddle, area.width()), foregroundRole());
    }
}

} // namespace tavrel
