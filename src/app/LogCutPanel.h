#pragma once

// The log cutting sheet as the log cutting run sees it: shown over the main window while the
// downloaded pages are cut and the touched boards sorted, with a line naming the current
// file, a progress bar (0 to 100) and a stop button that answers through
// LogCutRun::stopLogCut(). The window implements it; tests use a fake.

#include <QString>

namespace tavrel {

class LogCutPanel
{
public:
    virtual ~LogCutPanel() = default;

    virtual void showLogCutPanel() = 0;
    virtual void closeLogCutPanel() = 0;
    virtual void setCuttingFileText(const QString& text) = 0;
    virtual void setProgress(double percent) = 0;
};

} // namespace tavrel
