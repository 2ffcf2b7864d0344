#include "ui/DodOvozaController.h"

#include "app/LogCutRun.h"
#include "comm/CommunicationRun.h"
#include "platform/AlertPanel.h"
#include "platform/SystemLog.h"
#include "store/DataFolderChooser.h"
#include "store/ServiceConfigurationPreference.h"
#include "store/UiTexts.h"
#include "ui/BrowserViewBinder.h"
#include "ui/CommunicationWindows.h"
#include "ui/KobetsuSetteiSheet.h"
#include "ui/LogCutSheet.h"
#include "ui/MessageTextView.h"
#include "ui/TavrelMenus.h"
#include "ui/TavrelWindow.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace tavrel {

DodOvozaController::DodOvozaController(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_preferences(platform.preferences)
    , m_configuration(
          ServiceConfiguration::withOverrides(serviceConfigurationOverrides(platform.preferences)))
    , m_account(platform.keychain)
    , m_builder(platform.alerts, platform.trash, platform.log)
    , m_browser(m_treeModel, m_listModel, m_builder, platform.preferences, platform.log,
                m_configuration.actionToThisUser())
    , m_navigator(m_browser, platform.alerts)
    , m_marks(m_browser, platform.log)
    , m_window(std::make_unique<TavrelWindow>())
{
    if (!m_platform.quitApplication)
        m_platform.quitApplication = [] { QCoreApplication::quit(); };
    awakeFromNib();
}

DodOvozaController::~DodOvozaController() = default;

void DodOvozaController::awakeFromNib()
{
    m_binder = new BrowserViewBinder(*m_window, m_browser, m_navigator, m_preferences, this);
    m_menus = new TavrelMenus(m_window->menuBar(), this);
    connectMenus();
    connect(m_binder, &BrowserViewBinder::selectionChanged, this, &DodOvozaController::validateMenus);
    connect(m_window.get(), &TavrelWindow::quitRequested, this, &DodOvozaController::terminate);
    m_platform.log.setDetailEnabled(m_preferences.kihonLogDetailOutputCheck());
    // The text view takes the reading keys, so it starts with the focus.
    m_window->hatsugenNaiyouTextView()->setFocus();
}

void DodOvozaController::connectMenus()
{
    const QHash<QString, std::function<void()>> commands{
        {QStringLiteral("KobetsuKaigishitsuSetteiMenuTitle"),
         [this] { orderFrontKobetsuKaigishitsuSettei(); }},
        {QStringLiteral("QuitMenuTitle"), [this] { terminate(); }},
        {QStringLiteral("SousaAccsessDodOvozaMenuTitle"), [this] { orderFrontTsuushinPanel(); }},
        {QStringLiteral("SousaLogCutMenuTitle"), [this] { cutTempLog(); }},
        {QStringLiteral("SousaReadMidokuMenuTitle"), [this] { readMidoku(); }},
        {QStringLiteral("SousaCommentMotoMesMoveMenuTitle"), [this] { m_navigator.goCommentMotoMessage(); }},
        {QStringLiteral("GoBackMenuTitle"), [this] { m_navigator.goBackDisplayedMessage(); }},
        {QStringLiteral("SousaMesAttrMenuKidokuThisMesTitle"), [this] { m_marks.setThisHatsugenKidoku(); }},
        {QStringLiteral("SousaMesAttrMenuKidokuThisBoardTitle"), [this] { m_marks.setAllHatsugenKidoku(); }},
        {QStringLiteral("SousaMesAttrMenuKidokuAllBoardTitle"),
         [this] { m_marks.setAllBoardHatsugenKidoku(); }},
        {QStringLiteral("SousaMesAttrMenuMidokuThisMesTitle"), [this] { m_marks.setThisHatsugenMidoku(); }},
        {QStringLiteral("SousaMesAttrMenuMidokuThisBoardTitle"), [this] { m_marks.setAllHatsugenMidoku(); }},
        {QStringLiteral("SousaMesAttrMenuLockThisMesTitle"), [this] { m_marks.setThisHatsugenLocked(); }},
        {QStringLiteral("SousaMesAttrMenuDeleteThisMesTitle"),
         [this] { m_marks.setThisHatsugenSakujoShitei(); }},
        {QStringLiteral("SousaMesAttrMenuKaijoThisMesTitle"), [this] { m_marks.setThisHatsugenLockKaijo(); }},
        {QStringLiteral("AboutMenuTitle"), [this] { orderFrontMyAboutPanel(); }},
    };
    for (QAction* item : m_menus->actions()) {
        const auto command = commands.value(item->objectName());
        if (command) {
            connect(item, &QAction::triggered, this, [this, command] {
                command();
                validateMenus();
            });
        }
    }
    for (QMenu* menu : m_menus->menus())
        connect(menu, &QMenu::aboutToShow, this, &DodOvozaController::validateMenus);
}

bool DodOvozaController::applicationDidFinishLaunching()
{
    if (!QFileInfo::exists(m_platform.curlPath)) {
        m_platform.alerts.runAlert(
            {uiText(u"NoCURLAlertTitle"), uiText(u"NoCURLAlertMessage"), {uiText(u"OK")}});
        m_platform.quitApplication();
        return false;
    }
    m_account.readFromKeychain();
    readPreferenceFields();
    m_preferences.writeStartDefaults(QStringLiteral(TAVREL_VERSION));

    DataFolderChooser chooser(m_platform.alerts, m_platform.folders);
    const std::optional<QString> path =
        chooser.ensureAtStartup(m_preferences.tvlFolderPath().value_or(QString()));
    if (!path) {
        m_platform.quitApplication();
        return false;
    }
    if (m_preferences.tvlFolderPath() != *path)
        m_preferences.setTvlFolderPath(*path);
    m_dataFolder.emplace(*path);
    buildCommunicationRun();
    makeTableNow();
    restorePaneSizes();
    return true;
}

void DodOvozaController::readPreferenceFields()
{
    m_defaultHandleName = m_preferences.handleName();
    m_defaultEMailAddress = m_preferences.eMailAddress();
    m_defaultLinkSite = m_preferences.linkSite();
    m_defaultIsSakujo = m_preferences.isSakujo();
    m_defaultSakujoSettei = m_preferences.sakujoDay();
    m_defaultHatsugenIntervalTime = m_preferences.hatsugenIntervalTime();
    m_defaultInyouFu = m_preferences.defaultInyouFu();
    m_defaultIsCompletePageScroll = m_preferences.completePageScrollFlag();
}

void DodOvozaController::buildCommunicationRun()
{
    if (m_communication)
        return;
    m_communication = std::make_unique<CommunicationWindows>(CommunicationWindows::Setup{
        *m_dataFolder,
        m_account,
        m_configuration,
        m_preferences,
        m_platform.alerts,
        m_platform.log,
        m_window.get(),
        m_platform.cutterProgram,
        [this] {
            m_browser.saveNowHyoujiKaigishitu();
            m_browser.noSelectMyKaigishitsuTable();
            validateMenus();
        },
        [this] { makeTableNow(); },
    });
}

CommunicationRun* DodOvozaController::communicationRun()
{
    return m_communication ? &m_communication->run() : nullptr;
}

void DodOvozaController::cutTempLog()
{
    if (m_communication)
        m_communication->logCut().cutTempLog();
}

void DodOvozaController::restorePaneSizes()
{
    if (const auto height = m_preferences.hatsugenTitleTableFrameSizeHeight())
        m_window->setMessageListPaneHeight(int(*height) + 8);
    if (const auto width = m_preferences.kaigishitsuTableFrameSizeWidth())
        m_window->setBoardPaneWidth(int(*width));
}

void DodOvozaController::makeTableNow()
{
    if (!m_dataFolder)
        return;
    m_browser.makeTableNow(m_dataFolder->warehousePath());
    m_binder->showTreeTop();
    validateMenus();
}

bool DodOvozaController::applicationShouldTerminate()
{
    // Nothing can hold unsaved work yet: the message editor asks its question here.
    return true;
}

void DodOvozaController::applicationWillTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    m_browser.saveNowHyoujiKaigishitu();
    m_preferences.setHatsugenTitleTableFrameSizeHeight(m_window->messageListPaneHeight());
    m_preferences.setKaigishitsuTableFrameSizeWidth(m_window->boardPaneWidth());
    m_preferences.setKihonLogDetailOutputCheck(m_platform.log.isDetailEnabled());
    if (!m_preferences.sync())
        m_platform.log.log(QStringLiteral("Could not write the preferences file ") +
                           m_preferences.filePath());
}

void DodOvozaController::terminate()
{
    if (!applicationShouldTerminate())
        return;
    applicationWillTerminate();
    m_platform.quitApplication();
}

bool DodOvozaController::applicationOpenFile(const QString& path)
{
    return m_communication && m_communication->run().openSettingsFile(path);
}

MenuContext DodOvozaController::menuContext() const
{
    MenuContext context;
    if (m_communication) {
        const LogCutSheet& sheet = m_communication->sheet();
        context.workSheetIsKey = sheet.isVisible() && sheet.isActiveWindow();
    }
    const int row = m_browser.selectedMessageRow();
    if (row >= 0 && row < m_listModel.size())
        context.selectedRecord = &m_listModel.recordAt(row);
    return context;
}

bool DodOvozaController::validateMenuItem(const QAction* item) const
{
    return MenuValidation::validateMenuItem(item->objectName(), menuContext());
}

void DodOvozaController::validateMenus()
{
    const MenuContext context = menuContext();
    for (QAction* item : m_menus->actions())
        item->setEnabled(MenuValidation::validateMenuItem(item->objectName(), context));
}

void DodOvozaController::orderFrontTsuushinPanel()
{
    if (m_communication)
        m_communication->run().orderFrontTsuushinPanel();
}

void DodOvozaController::orderFrontMyAboutPanel()
{
    const QString version = windowText(u"CFBundleShortVersionString")
                                .replace(QStringLiteral("%1"), QStringLiteral(TAVREL_VERSION));
    QMessageBox::about(m_window.get(), windowText(u"AboutMenuTitle"),
                       u"<h3>Tavrel</h3><p>" + version.toHtmlEscaped() + u"</p><p>" +
                           windowText(u"AboutNoticeText").toHtmlEscaped() + u"</p>");
}

void DodOvozaController::orderFrontKobetsuKaigishitsuSettei()
{
    KaigishitsuItem* board = m_browser.selectedBoard();
    if (!board || !board->header())
        return;
    KobetsuSetteiSheet sheet(m_window.get());
    sheet.setValues(KobetsuKaigishitsuSettei::valuesFor(*board->header()));
    if (sheet.exec() != QDialog::Accepted)
        return;
    KobetsuKaigishitsuSettei::apply(*board->header(), sheet.values(), m_listModel.messageArray());
    m_browser.updateBoardLabel();
}

bool DodOvozaController::showBoardMessage(const QString& boardID, const QString& number)
{
    for (int row = 0; row < m_treeModel.flatRowCount(); ++row) {
        const KaigishitsuItem* board = m_treeModel.boardAtRow(row);
        if (!board || board->kaigishitsuID() != boardID)
            continue;
        m_browser.saveNowHyoujiKaigishitu();
        m_browser.selectBoardRow(row, Reveal::Scroll);
        m_browser.clickForumKaigishitsuTable();
        if (const int message = m_listModel.rowOfNumber(number); message >= 0) {
            m_browser.selectMessageRow(message, Reveal::Centred);
            m_browser.clickMessageTitleTable();
        }
        validateMenus();
        return true;
    }
    return false;
}

void DodOvozaController::readMidoku()
{
    m_binder->readMidoku();
}

} // namespace tavrel
