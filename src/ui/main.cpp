// Tavrel: the main window of the @nifty Web Forum client.

#include "platform/DesktopTrash.h"
#include "platform/SecretServiceKeychain.h"
#include "platform/SyslogSystemLog.h"
#include "platform/desktop/DesktopAlertPanel.h"
#include "platform/desktop/DesktopFolderPanel.h"
#include "store/Preferences.h"
#include "store/PreferencesLocation.h"
#include "store/UiTexts.h"
#include "ui/CommunicationPanelWindow.h"
#include "ui/CommunicationWindows.h"
#include "ui/DodOvozaController.h"
#include "ui/LogCutSheet.h"
#include "ui/TavrelWindow.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

using namespace tavrel;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationDomain(QStringLiteral("tavrel.org"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVREL_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    SyslogSystemLog log("Tavrel");
    DesktopAlertPanel alerts;
    DesktopFolderPanel folders;
    SecretServiceKeychain keychain(log);
    DesktopTrash trash;
    Preferences preferences(preferencesFilePath());
    if (!preferences.problem().isEmpty())
        log.log(preferences.problem());

    // The log cutter is installed beside the application.
    const QString cutter = QCoreApplication::applicationDirPath() + QStringLiteral("/tavrelsplit");
    DodOvozaController controller({alerts, folders, keychain, log, trash, preferences,
                                   QStringLiteral("/usr/bin/curl"), cutter,
                                   [] { QCoreApplication::exit(0); }});
    alerts.setParentWidget(&controller.window());
    folders.setParentWidget(&controller.window());

    if (!controller.applicationDidFinishLaunching())
        return 0;
    // A quit from outside (session end) saves too; a quit through the controller already did.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller,
                     &DodOvozaController::applicationWillTerminate);
    controller.window().show();

    // For screenshots and manual checks: TAVREL_SHOW_BOARD=<board ID> opens that board, and
    // TAVREL_SHOW_MESSAGE=<number> a message in it.
    if (const QString board = qEnvironmentVariable("TAVREL_SHOW_BOARD"); !board.isEmpty())
        controller.showBoardMessage(board, qEnvironmentVariable("TAVREL_SHOW_MESSAGE"));
    // For screenshots only: TAVREL_SHOW_PANEL=1 opens the communication panel (as its menu
    // item does), =2 the same without the ID and password sheet over it.
    // TAVREL_SHOW_LOGCUT=<page file> shows the log cutting sheet at 40% on that page, and
    // TAVREL_SHOW_LOGCUT=sort:<board ID> at 80% in the sorting pass. Nothing is cut.
    if (const int panel = qEnvironmentVariableIntValue("TAVREL_SHOW_PANEL"); panel > 0) {
        controller.orderFrontTsuushinPanel();
        if (panel == 2 && controller.communication())
            controller.communication()->panel().closeIDPasswordSheet();
    }
    if (const QString page = qEnvironmentVariable("TAVREL_SHOW_LOGCUT");
        !page.isEmpty() && controller.communication()) {
        LogCutSheet& sheet = controller.communication()->sheet();
        sheet.showLogCutPanel();
        const bool sorting = page.startsWith(u"sort:");
        sheet.setCuttingFileText(sorting ? uiText(u"LogCutSortingMessage") + u'\n' + page.mid(5) : page);
        sheet.setProgress(sorting ? 80 : 40);
    }

    // Files named on the command line: communication settings files to patrol with.
    const QStringList files = app.arguments().mid(1);
    QTimer::singleShot(0, &controller, [&controller, files] {
        for (const QString& file : files)
            controller.applicationOpenFile(file);
    });
    return app.exec();
}
