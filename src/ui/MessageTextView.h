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

    void showDisplay(const MessageDisplay& display);
    void clearDisplay();
    void setBackground(const QColor& color);

    // The vertical scroller as the reading logic sees it.
    ReadingNavigator::Scroller scroller() const;
    double scrollPosition() const { return scroller().position; }
    void pageDown();

signals:
    void readingKeyPressed(tavrel::ReadingNavigator::ReadingKey key);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openLink(const QUrl& url);

    double m_baseFontSize;
};

} // namespace tavrel
