#pragma once

// Alerts of the desktop: a modal QMessageBox with up to three buttons, and the desktop's beep.

#include "platform/AlertPanel.h"

class QWidget;

namespace tavrel {

class DesktopAlertPanel : public AlertPanel
{
public:
    // Alerts are shown over `parent` (may be null, and may be set later).
    explicit DesktopAlertPanel(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent) { m_parent = parent; }

    AlertAnswer runAlert(const AlertRequest& request) override;
    void beep() override;

private:
    QWidget* m_parent;
};

} // namespace tavrel
