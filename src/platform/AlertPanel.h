#pragma once

// Alert panels and the beep. An alert has a title, a message and up to three buttons: the
// first is the default, the second the alternate, the third the other button. Logic asks
// through this interface, so it runs headless in tests.

#include <QString>
#include <QStringList>

namespace tavrel {

enum class AlertAnswer
{
    Default,
    Alternate,
    Other,
};

struct AlertRequest
{
    QString title;
    QString message;
    // One to three button texts; an empty list shows a single "OK" of the desktop's own.
    QStringList buttons;
};

class AlertPanel
{
public:
    virtual ~AlertPanel() = default;

    // Shows the alert modally and returns the button the user pressed.
    virtual AlertAnswer runAlert(const AlertRequest& request) = 0;
    // Sounds the alert beep.
    virtual void beep() = 0;
};

} // namespace tavrel
