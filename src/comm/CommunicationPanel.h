#pragma once

// The communication panel as the run sees it: the settings pop-up, the three run buttons,
// the progress bar (0 to 100), the status text and the ID and password sheet. The window
// implements it; tests use a fake.

#include <QString>
#include <QStringList>

namespace tavrel {

class CommunicationPanel
{
public:
    virtual ~CommunicationPanel() = default;

    virtual bool isPanelVisible() const = 0;
    virtual void bringPanelToFront() = 0;
    // Shows the panel with the patrol button as the initial focus.
    virtual void showPanel() = 0;
    virtual void closePanel() = 0;

    virtual void setStatusText(const QString& text) = 0;
    virtual void setProgress(double percent) = 0;
    // The patrol, receive and send buttons and the settings pop-up together.
    virtual void setCommandsEnabled(bool enabled) = 0;

    virtual void setSettingsNames(const QStringList& names) = 0;
    // The title of the selected pop-up item; empty when there is none.
    virtual QString selectedSettingsName() const = 0;
    // Selects the item with this title; false when there is none.
    virtual bool selectSettingsName(const QString& name) = 0;

    // The ID and password sheet on the panel, its fields starting with these values. Its
    // three buttons answer through CommunicationRun's sheet methods.
    virtual void showIDPasswordSheet(const QString& niftyID, const QString& niftyPassword) = 0;
    virtual void closeIDPasswordSheet() = 0;
};

} // namespace tavrel
