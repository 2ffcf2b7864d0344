#pragma once

// The main controller: owns the main window and the logic objects behind it, prepares the
// window from the preferences, checks the environment at start (curl, the service ID, a valid
// data folder), builds the board tree, answers the menus, and on quit saves the displayed
// board and the window state.
// The communication panel, the log cutting sheet and their runs are built once the data
// folder is known (CommunicationWindows).

#include "app/BoardBrowser.h"
#include "app/BoardTreeBuilder.h"
#include "app/BoardTreeModel.h"
#include "app/MessageListModel.h"
#include "app/MessageMarks.h"
#include "app/ReadingNavigator.h"
#include "comm/ServiceAccount.h"
#include "store/DataFolder.h"
#include "store/ServiceConfiguration.h"
#include "ui/MenuValidation.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace tavrel {

class AlertPanel;
class BrowserViewBinder;
class CommunicationRun;
class CommunicationWindows;
class FolderPanel;
class Keychain;
class SystemLog;
class TavrelMenus;
class TavrelWindow;
class Trash;

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
        // The log cutter, tavrelsplit.
        QString cutterProgram;
        // Ends the application (the event loop); tests watch it instead.
        std::function<void()> quitApplication;
    };

    explicit DodOvozaController(const Platform& platform, QObject* parent = nullptr);
    ~DodOvozaController() override;

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
    // The communication windows and runs; null until the start has found the data folder.
    CommunicationWindows* communication() { return m_communication.get(); }
    CommunicationRun* communicationRun();
    // The log cutting command: cuts the pages of Tmp into the board log files.
    void cutTempLog();

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
    std::unique_ptr<CommunicationWindows> m_communication;
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
