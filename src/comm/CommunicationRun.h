#pragma once

// A communication run (patrol, receive only, send only) driven from the communication panel:
// the run state and mode, the run data, the one transfer task slot, the stop button, the ID
// and password sheet, and the chain of steps, each started by the end of the previous
// transfer task on the event loop. Login and logout run as transfer tasks in the slot too,
// so the event loop keeps serving (the stop button answers) while the run waits for them.
//
// Each step lives in its own class (procedures, sending, forum tops, receiving, MyDesk); the
// log cutting, which the window starts, is given as a hook.

#include "comm/RunData.h"
#include "comm/RunState.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>

namespace tavrel {

class AlertPanel;
class BoardHeaderSource;
class CommunicationPanel;
class DataFolder;
class ForumTopStep;
class LoginLogout;
class MyDeskReceiveStep;
class MyURLEncoder;
class Preferences;
class ProcedureStep;
class ReceiveStep;
class SendStep;
class ServiceAccount;
class ServiceConfiguration;
class SystemLog;
class Transfer;
class TransferFactory;
class TransferGate;

class CommunicationRun : public QObject
{
    Q_OBJECT

public:
    struct Collaborators
    {
        const DataFolder& dataFolder;
        ServiceAccount& account;
        const ServiceConfiguration& configuration;
        const Preferences& preferences;
        AlertPanel& alerts;
        SystemLog& log;
        CommunicationPanel& panel;
        const BoardHeaderSource& boardHeaders;
        TransferFactory& transfers;
        TransferGate& gate;
        const MyURLEncoder& urlEncoder;
    };

    struct StepHooks
    {
        // The log integration, called last when a run went through.
        std::function<void()> cutTempLog;
    };

    explicit CommunicationRun(const Collaborators& collaborators, QObject* parent = nullptr);
    ~CommunicationRun() override;

    void setStepHooks(StepHooks hooks) { m_hooks = std::move(hooks); }

    // The panel's commands.
    void orderFrontTsuushinPanel();
    void tsuushinJunkai() { startRun(RunMode::Junkai); }
    void tsuushinJushin() { startRun(RunMode::Jushin); }
    void tsuushinSoushin() { startRun(RunMode::Soushin); }
    // Terminates the running transfer task (its completion handler then ends the run),
    // cancels a pending post interval, sets the run state to stopped and closes the panel.
    void tsuushinStopAccess();
    // A settings file opened from outside: when it is a property-list dictionary, opens the
    // panel, selects the settings of the same name and starts a patrol; false otherwise.
    bool openSettingsFile(const QString& path);

    // The ID and password sheet's buttons and its end (codes 0 keychain, 1 temporary,
    // 2 cancel; cancel stops as the stop button does).
    void tsuushinSetNiftyIDPasswordForKeychain(const QString& niftyID, const QString& niftyPassword);
    void tsuushinSetNiftyIDPasswordForTemp(const QString& niftyID, const QString& niftyPassword);
    void tsuushinCancelNiftyIDPassword();
    void inputNiftyIDPasswordSheetDidEnd(int returnCode);

    // Reads the selected settings file into the run data, empties Tmp and lists the posts;
    // false (after the alert) when the file cannot be read.
    bool prepairSetteiYomikomi();

    // The chain, in order.
    void runBeforeProcedure();
    void startLogin();
    void prepairSoushin();
    void prepairForumTopDownload();
    void prepairJushin();
    void prepairMyDeskMessageSend();
    void prepairMyDeskMessageInbox();
    void runAfterProcedure();

    RunState runState() const { return m_runState; }
    void setRunState(RunState state) { m_runState = state; }
    RunMode runMode() const { return m_runMode; }
    bool isStopped() const { return m_runState == RunState::Stopped; }
    // From a run command until the run has ended.
    bool isRunActive() const { return m_runActive; }
    RunData& runData() { return m_runData; }
    const RunData& runData() const { return m_runData; }
    const Collaborators& collaborators() const { return m_c; }
    ReceiveStep& receiveStep() { return *m_receive; }
    ForumTopStep& forumTopStep() { return *m_forumTop; }
    LoginLogout& loginLogout() { return *m_loginLogout; }
    SendStep& sendStep() { return *m_send; }
    SendStep& myDeskSendStep() { return *m_myDeskSend; }
    MyDeskReceiveStep& myDeskReceiveStep() { return *m_myDeskReceive; }

    // Starts a transfer task in the slot: the line is logged, the task launched, and when it
    // ends the slot is cleared before `handler` gets the exit status.
    using EndHandler = std::function<void(int exitStatus)>;
    void startTransfer(const QString& workingDirectory, const QStringList& arguments, const QString& logLine,
                       EndHandler handler);
    // The same with a task made elsewhere (the before-procedure).
    void startTask(std::unique_ptr<Transfer> task, const QString& workingDirectory,
                   const QStringList& arguments, const QString& logLine, EndHandler handler);
    bool isTransferRunning() const;

    // Ends the run after a failure: the alert with "OK", run state idle, nothing further is
    // started; the panel stays as it is.
    void endRunWithAlert(QStringView titleKey, QStringView messageKey);
    // Ends the run: run state idle, the gate released.
    void endRun();

    // Status text and progress of the panel.
    void showStatus(const QString& text);
    void showProgress(double percent);

signals:
    // The run has ended: `completed` when it went through to the log cutting.
    void runEnded(bool completed);

private:
    void startRun(RunMode mode);
    void finishRun();

    Collaborators m_c;
    StepHooks m_hooks;
    RunState m_runState = RunState::Idle;
    RunMode m_runMode = RunMode::None;
    bool m_runActive = false;
    RunData m_runData;
    std::unique_ptr<Transfer> m_currentTask;
    std::unique_ptr<LoginLogout> m_loginLogout;
    std::unique_ptr<ForumTopStep> m_forumTop;
    std::unique_ptr<ReceiveStep> m_receive;
    std::unique_ptr<ProcedureStep> m_procedures;
    std::unique_ptr<SendStep> m_send;
    std::unique_ptr<SendStep> m_myDeskSend;
    std::unique_ptr<MyDeskReceiveStep> m_myDeskReceive;
};

} // namespace tavrel
