#pragma once

// The communication panel for tests: keeps what the run shows and answers the pop-up.

#include "comm/CommunicationPanel.h"

#include <functional>

namespace tavrel::test {

class FakeCommunicationPanel : public CommunicationPanel
{
public:
    bool isPanelVisible() const override { return visible; }
    void bringPanelToFront() override { ++broughtToFront; }
    void showPanel() override { visible = true; }
    void closePanel() override { visible = false; }

    void setStatusText(const QString& text) override
    {
        statusTexts.append(text);
        if (onStatusText)
            onStatusText(text);
    }
    void setProgress(double percent) override { progress.append(percent); }
    void setCommandsEnabled(bool enabled) override { commandsEnabled = enabled; }

    void setSettingsNames(const QStringList& names) override
    {
        settingsNames = names;
        selected = names.value(0);
    }
    QString selectedSettingsName() const override { return selected; }
    bool selectSettingsName(const QString& name) override
    {
        if (!settingsNames.contains(name))
            return false;
        selected = name;
        return true;
    }

    void showIDPasswordSheet(const QString& niftyID, const QString& niftyPassword) override
    {
        sheetVisible = true;
        sheetValues = {niftyID, niftyPassword};
    }
    void closeIDPasswordSheet() override { sheetVisible = false; }

    bool visible = false;
    int broughtToFront = 0;
    QStringList statusTexts;
    // Called with every status text as it is shown, to look at the run at that moment.
    std::function<void(const QString&)> onStatusText;
    QList<double> progress;
    bool commandsEnabled = false;
    QStringList settingsNames;
    QString selected;
    bool sheetVisible = false;
    QStringList sheetValues;
};

} // namespace tavrel::test
