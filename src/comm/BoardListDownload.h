#pragma once

// Downloading the service's complete board list into the data folder
// ("cm_freeboard_all.html"), from which the settings editor offers boards. The download runs
// as a transfer task that the event loop waits for; while it runs the transfer gate is held,
// so no communication run starts meanwhile (and it does not start during a run).

#include <QObject>

#include <memory>

namespace tavrel {

class AlertPanel;
class BoardListPanel;
class DataFolder;
class Preferences;
class Transfer;
class TransferFactory;
class TransferGate;

class BoardListDownload : public QObject
{
    Q_OBJECT

public:
    struct Collaborators
    {
        const DataFolder& dataFolder;
        const Preferences& preferences;
        AlertPanel& alerts;
        BoardListPanel& panel;
        TransferFactory& transfers;
        TransferGate& gate;
    };

    explicit BoardListDownload(const Collaborators& collaborators, QObject* parent = nullptr);
    ~BoardListDownload() override;

    // Enables the buttons, clears the message and shows the panel.
    void orderFrontAllBoardDownloadPanel();
    // Cancel: closes the panel.
    void tsuushinGetCancelAllBoard();
    // OK: downloads from the typed URL through the all-access HTTP proxy only. Success shows
    // "DownloadOKMessage"; failure "DownloadErrorMessage" and the alert "ErrorTitle" /
    // "DownloadErrorMessage"; then the panel closes. A URL that is not http or https counts
    // as a failure without a request. While another communication command runs: a beep.
    void tsuushinGetAllBoard();

    bool isRunning() const { return m_task != nullptr; }

signals:
    // The download has ended: `succeeded` when the list was saved.
    void finished(bool succeeded);

private:
    void finish(int exitStatus);

    Collaborators m_c;
    std::unique_ptr<Transfer> m_task;
};

} // namespace tavrel
