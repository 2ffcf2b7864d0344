#pragma once

// The communication panel and the log cutting sheet with the runs behind them: the patrol
// (CommunicationRun), whose end hands the downloaded pages to the log cutting run (LogCutRun).
// The panel's buttons and the sheet's stop button are connected to the runs here.

#include "comm/CurlTransferFactory.h"
#include "comm/MyURLEncoder.h"
#include "comm/TransferGate.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace tavrel {

class AlertPanel;
class CommunicationPanelWindow;
class CommunicationRun;
class DataFolder;
class LogCutRun;
class LogCutSheet;
class Preferences;
class ServiceAccount;
class ServiceConfiguration;
class SystemLog;
class WarehouseHeaderSource;

class CommunicationWindows : public QObject
{
    Q_OBJECT

public:
    struct Setup
    {
        const DataFolder& dataFolder;
        ServiceAccount& account;
        const ServiceConfiguration& configuration;
        Preferences& preferences;
        AlertPanel& alerts;
        SystemLog& log;
        // The window the log cutting sheet comes down over.
        QWidget* mainWindow;
        // The tavrelsplit program.
        QString cutterProgram;
        // Saves the displayed board and deselects the board tree before the files change.
        std::function<void()> saveAndDeselectBoard;
        // Rebuilds everything that shows the data folder.
        std::function<void()> makeTableNow;
    };

    explicit CommunicationWindows(const Setup& setup, QObject* parent = nullptr);
    ~CommunicationWindows() override;

    CommunicationRun& run() { return *m_run; }
    LogCutRun& logCut() { return *m_logCut; }
    CommunicationPanelWindow& panel() { return *m_panel; }
    LogCutSheet& sheet() { return *m_sheet; }

private:
    CurlTransferFactory m_transfers;
    TransferGate m_gate;
    MyURLEncoder m_urlEncoder;
    std::unique_ptr<WarehouseHeaderSource> m_headerSource;
    // Both windows belong to the main window.
    CommunicationPanelWindow* m_panel = nullptr;
    LogCutSheet* m_sheet = nullptr;
    std::unique_ptr<CommunicationRun> m_run;
    std::unique_ptr<LogCutRun> m_logCut;
};

} // namespace tavrel
