#pragma once

// The message text view: shows a MessageDisplay, opens links in the user's browser, and hands
// the reading keys (space, arrows, Return, Shift+Return) to whoever drives reading.

#include "app/MessageDisplay.h"
#include "app/ReadingNavigator.h"

#include <QTextBrowser>

namespace tavrel {

class MessageTextView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit MessageTextView(QWidget* parent = nullptr);

    // Shows a message; with whole-page sizing on, the text is lengthened so that paging
    // ends exactly on its last page.
    void showDisplay(const MessageDisplay& display, bool completePage = false);
    void clearDisplay();
    void setBackground(const QColor& color);

    // The vertical scroller as the reading logic sees it.
    ReadingNavigator::Scroller scroller() const;
    double scrollPosition() const { return scroller().position; }
    // Scrolls one page down, keeping a strip of the previous page in view.
    void pageDown();
    // How far one page scrolls.
    int pageHeight() const;

signals:
    void readingKeyPressed(tavrel::ReadingNavigator::ReadingKey key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openLink(const QUrl& url);
    void sizeToWholePages();

    double m_baseFontSize;
};

} // namespace tavrel
