#pragma once

// The main controller: owns the main window and the logic objects behind it, prepares the
// window from the preferences, checks the environment at start (curl, the service ID, a valid
// data folder), builds the board tree, answers the menus, and on quit saves the displayed
// board and the window state.
//
// The communication panel and the log cutting sheet are windows of their own; they are
// handed in before the start (setCommunicationPanel, setLogCutSheet, setLogCutCommand).

#include "app/BoardBrowser.h"
#include "app/BoardTreeBuilder.h"
#include "app/BoardTreeModel.h"
#include "app/MessageListModel.h"
#include "app/MessageMarks.h"
#include "app/ReadingNavigator.h"
#include "comm/CurlTransferFactory.h"
#include "comm/MyURLEncoder.h"
#include "comm/ServiceAccount.h"
#include "comm/TransferGate.h"
#include "store/DataFolder.h"
#include "store/ServiceConfiguration.h"
#include "ui/MenuValidation.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace tavrel {

class AlertPanel;
class BrowserViewBinder;
class CommunicationPanel;
class CommunicationRun;
class FolderPanel;
class Keychain;
class SystemLog;
class TavrelMenus;
class TavrelWindow;
class Trash;
class WarehouseHeaderSource;

class DodOvozaController : public QObject
{
    Q_OBJECT

public:
    struct Platform
    {
        AlertPanel& alerts;
        FolderPanel& folders;
        Keychain& keychain;
        SystemLog& log;
        Trash& trash;
        Preferences& preferences;
        QString curlPath = QStringLiteral("/usr/bin/curl");
        // Ends the application (the event loop); tests watch it instead.
        std::function<void()> quitApplication;
    };

    explicit DodOvozaController(const Platform& platform, QObject* parent = nullptr);
    ~DodOvozaController() override;

    // The communication panel window. When one is given before the start, the communication
    // run is built with it once the data folder is known.
    void setCommunicationPanel(CommunicationPanel* panel) { m_communicationPanel = panel; }
    // The log cutting sheet's window, for the menus' key-window rule.
    void setLogCutSheet(QWidget* sheet) { m_logCutSheet = sheet; }
    // What the log cutting menu item runs; the item is hidden while there is none.
    void setLogCutCommand(std::function<void()> command);

    // Start: false when the application is to quit (no curl, or no data folder chosen).
    bool applicationDidFinishLaunching();
    // The quit request; true when the application may quit now.
    bool applicationShouldTerminate();
    // Saves the displayed board and the window state and flushes the preferences.
    void applicationWillTerminate();
    // Quit request, then quit: the window's close and the Quit item.
    void terminate();

    void makeTableNow();
    // A communication settings file handed to the application: a patrol with it.
    bool applicationOpenFile(const QString& path);
    bool validateMenuItem(const QAction* item) const;
    void validateMenus();

    void orderFrontTsuushinPanel();
    void orderFrontMyAboutPanel();
    void orderFrontKobetsuKaigishitsuSettei();
    void readMidoku();
    // Shows the board whose ID is `boardID` and in it the message numbered `number` (none
    // when empty); false when there is no such board.
    bool showBoardMessage(const QString& boardID, const QString& number);

    TavrelWindow& window() { return *m_window; }
    TavrelMenus& menus() { return *m_menus; }
    BoardBrowser& browser() { return m_browser; }
    ReadingNavigator& navigator() { return m_navigator; }
    MessageMarks& marks() { return m_marks; }
    ServiceAccount& account() { return m_account; }
    const std::optional<DataFolder>& dataFolder() const { return m_dataFolder; }
    // The communication run; null until the start has built it with a panel.
    CommunicationRun* communicationRun() { return m_run.get(); }

private:
    void awakeFromNib();
    void connectMenus();
    void restorePaneSizes();
    void readPreferenceFields();
    void buildCommunicationRun();
    MenuContext menuContext() const;

    Platform m_platform;
    Preferences& m_preferences;
    ServiceConfiguration m_configuration;
    ServiceAccount m_account;
    BoardTreeModel m_treeModel;
    MessageListModel m_listModel;
    BoardTreeBuilder m_builder;
    BoardBrowser m_browser;
    ReadingNavigator m_navigator;
    MessageMarks m_marks;
    std::unique_ptr<TavrelWindow> m_window;
    TavrelMenus* m_menus = nullptr;
    BrowserViewBinder* m_binder = nullptr;

    std::optional<DataFolder> m_dataFolder;
    CommunicationPanel* m_communicationPanel = nullptr;
    QPointer<QWidget> m_logCutSheet;
    std::function<void()> m_logCutCommand;
    CurlTransferFactory m_transfers;
    TransferGate m_gate;
    MyURLEncoder m_urlEncoder;
    std::unique_ptr<WarehouseHeaderSource> m_headerSource;
    std::unique_ptr<CommunicationRun> m_run;
    bool m_terminated = false;

    // The preference-backed fields read at the start.
    QString m_defaultHandleName;
    QString m_defaultEMailAddress;
    QString m_defaultLinkSite;
    bool m_defaultIsSakujo = false;
    double m_defaultSakujoSettei = 0;
    double m_defaultHatsugenIntervalTime = 0;
    QString m_defaultInyouFu;
    bool m_defaultIsCompletePageScroll = false;
};

} // namespace tavrel
