#pragma once

// Log cutting sheet for tests: records what the run shows, and can act when a file name
// appears (to press stop while a given page is being cut).

#include "app/LogCutPanel.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace tavrel::test {

class FakeLogCutPanel : public LogCutPanel
{
public:
    void showLogCutPanel() override
    {
        ++shown;
        visible = true;
    }
    void closeLogCutPanel() override
    {
        ++closed;
        visible = false;
    }
    void setCuttingFileText(const QString& text) override
    {
        texts.append(text);
        if (onText)
            onText(text);
    }
    void setProgress(double percent) override { progress.append(percent); }

    int shown = 0;
    int closed = 0;
    bool visible = false;
    QStringList texts;
    QList<double> progress;
    std::function<void(const QString&)> onText;
};

} // namespace tavrel::test
