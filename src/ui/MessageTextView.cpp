#include "ui/MessageTextView.h"

#include "app/ViewGeometry.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextFrame>

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

void MessageTextView::showDisplay(const MessageDisplay& display, bool completePage)
{
    QFont base = font();
    base.setPointSizeF(m_baseFontSize * (display.zoom > 0 ? display.zoom : 1.0));
    if (display.fontFamily && !display.fontFamily->isEmpty())
        base.setFamily(*display.fontFamily);
    document()->setDefaultFont(base);
    document()->setDefaultStyleSheet(display.styleSheet);
    setHtml(display.html);
    if (completePage)
        sizeToWholePages();
    verticalScrollBar()->setValue(0);
}

void MessageTextView::sizeToWholePages()
{
    const double textHeight = document()->size().height();
    const std::optional<double> frame =
        ViewGeometry::completePageHeight(textHeight, viewport()->height(), 1.0);
    if (!frame)
        return;
    // The rule gives the height of a frame drawn 10 units shorter than the text it holds;
    // here the document itself is lengthened, so those 10 units are added back.
    const double extra = *frame + 10 - textHeight;
    if (extra <= 0)
        return;
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    format.setBottomMargin(format.bottomMargin() + extra);
    document()->rootFrame()->setFrameFormat(format);
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

int MessageTextView::pageHeight() const
{
    // The same overlap of 20 that whole-page sizing counts with.
    return qMax(viewport()->height() - 20, 1);
}

void MessageTextView::pageDown()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(qMin(bar->value() + pageHeight(), bar->maximum()));
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
