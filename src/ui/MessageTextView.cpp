#include "ui/MessageTextView.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QScrollBar>

namespace tavrel {

MessageTextView::MessageTextView(QWidget* parent)
    : QTextBrowser(parent)
    , m_baseFontSize(font().pointSizeF() > 0 ? font().pointSizeF() : 10.0)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(12);
    connect(this, &QTextBrowser::anchorClicked, this, &MessageTextView::openLink);
}

void MessageTextView::showDisplay(const MessageDisplay& display)
{
    QFont base = font();
    base.setPointSizeF(m_baseFontSize * (display.zoom > 0 ? display.zoom : 1.0));
    if (display.fontFamily && !display.fontFamily->isEmpty())
        base.setFamily(*display.fontFamily);
    document()->setDefaultFont(base);
    document()->setDefaultStyleSheet(display.styleSheet);
    setHtml(display.html);
    verticalScrollBar()->setValue(0);
}

void MessageTextView::clearDisplay()
{
    clear();
}

void MessageTextView::setBackground(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, color);
    setPalette(palette);
}

ReadingNavigator::Scroller MessageTextView::scroller() const
{
    const QScrollBar* bar = verticalScrollBar();
    ReadingNavigator::Scroller result;
    result.enabled = bar->maximum() > bar->minimum();
    if (result.enabled)
        result.position = double(bar->value() - bar->minimum()) / double(bar->maximum() - bar->minimum());
    return result;
}

void MessageTextView::pageDown()
{
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
}

void MessageTextView::keyPressEvent(QKeyEvent* event)
{
    const auto key = ReadingNavigator::readingKey(event->key(), event->modifiers());
    if (key == ReadingNavigator::ReadingKey::None) {
        QTextBrowser::keyPressEvent(event);
        return;
    }
    event->accept();
    emit readingKeyPressed(key);
}

void MessageTextView::openLink(const QUrl& url)
{
    // Only web and mail links leave the program; anything else in a stored page is ignored.
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        QDesktopServices::openUrl(url);
}

} // namespace tavrel
