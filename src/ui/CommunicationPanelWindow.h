#pragma once

// The communication panel: a tool window with the settings pop-up, the patrol, receive and
// send buttons, the stop button, a 0 to 100 progress bar and the status text. It shows what
// the run tells it and reports the buttons as signals; it decides nothing itself. The ID and
// password sheet opens over it.

#include "comm/CommunicationPanel.h"

#include <QWidget>

class QComboBox;
class QProgressBar;
class QPushButton;

namespace tavrel {

class ElidedLabel;
class IDPasswordSheet;

class CommunicationPanelWindow
    : public QWidget
    , public CommunicationPanel
{
    Q_OBJECT

public:
    explicit CommunicationPanelWindow(QWidget* parent = nullptr);

    bool isPanelVisible() const override;
    void bringPanelToFront() override;
    void showPanel() override;
    void closePanel() override;

    void setStatusText(const QString& text) override;
    void setProgress(double percent) override;
    void setCommandsEnabled(bool enabled) override;

    void setSettingsNames(const QStringList& names) override;
    QString selectedSettingsName() const override;
    bool selectSettingsName(const QString& name) override;

    void showIDPasswordSheet(const QString& niftyID, const QString& niftyPassword) override;
    void closeIDPasswordSheet() override;

    IDPasswordSheet* idPasswordSheet() const { return m_sheet; }

signals:
    void junkaiClicked();
    void jushinClicked();
    void soushinClicked();
    void stopClicked();
    void idPasswordForKeychain(const QString& niftyID, const QString& niftyPassword);
    void idPasswordForTemp(const QString& niftyID, const QString& niftyPassword);
    void idPasswordCancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* makeButton(QStringView textKey, const QString& name);
    void placeFirstTime();

    QComboBox* m_settingsPopUp;
    QPushButton* m_junkaiButton;
    QPushButton* m_jushinButton;
    QPushButton* m_soushinButton;
    QPushButton* m_stopButton;
    QProgressBar* m_progress;
    ElidedLabel* m_statusText;
    IDPasswordSheet* m_sheet;
    bool m_placed = false;
};

} // namespace tavrel
