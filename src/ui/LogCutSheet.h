#pragma once

// The log cutting sheet: a window-modal dialog over the main window while the downloaded
// pages are cut and the boards sorted, with the line naming the current file, a 0 to 100
// progress bar and the stop button. Escape and the title bar's close button ask for a stop
// too; the sheet stays until the run closes it.

#include "app/LogCutPanel.h"

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace tavrel {

class ElidedLabel;

class LogCutSheet
    : public QDialog
    , public LogCutPanel
{
    Q_OBJECT

public:
    explicit LogCutSheet(QWidget* mainWindow);

    void showLogCutPanel() override;
    void closeLogCutPanel() override;
    void setCuttingFileText(const QString& text) override;
    void setProgress(double percent) override;

signals:
    void stopClicked();

public slots:
    void reject() override;

private:
    void requestStop();

    ElidedLabel* m_cuttingFileText;
    QProgressBar* m_progress;
    QPushButton* m_stopButton;
};

} // namespace tavrel
