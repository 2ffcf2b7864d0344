#pragma once

// The board list download panel as its command sees it: the URL field, the message field
// and the OK and cancel buttons. The window implements it; tests use a fake.

#include <QString>

namespace tavrel {

class BoardListPanel
{
public:
    virtual ~BoardListPanel() = default;

    virtual void showPanel() = 0;
    virtual void closePanel() = 0;
    // The OK and cancel buttons together.
    virtual void setButtonsEnabled(bool enabled) = 0;
    virtual void setMessageText(const QString& text) = 0;
    // The URL typed by the user.
    virtual QString urlText() const = 0;
};

} // namespace tavrel
