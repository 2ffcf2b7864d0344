#include "ui/CommunicationWindows.h"

#include "app/LogCutRun.h"
#include "comm/CommunicationRun.h"
#include "comm/WarehouseHeaderSource.h"
#include "ui/CommunicationPanelWindow.h"
#include "ui/LogCutSheet.h"

namespace tavrel {

CommunicationWindows::CommunicationWindows(const Setup& setup, QObject* parent)
    : QObject(parent)
    , m_headerSource(std::make_unique<WarehouseHeaderSource>(setup.dataFolder))
    , m_panel(new CommunicationPanelWindow(setup.mainWindow))
    , m_sheet(new LogCutSheet(setup.mainWindow))
{
    m_run = std::make_unique<CommunicationRun>(CommunicationRun::Collaborators{
        setup.dataFolder,
        setup.account,
        setup.configuration,
        setup.preferences,
        setup.alerts,
        setup.log,
        *m_panel,
        *m_headerSource,
        m_transfers,
        m_gate,
        m_urlEncoder,
    });
    m_logCut = std::make_unique<LogCutRun>(LogCutRun::Collaborators{
        setup.dataFolder,
        setup.preferences,
        setup.configuration,
        setup.alerts,
        setup.log,
        *m_sheet,
        setup.cutterProgram,
        setup.saveAndDeselectBoard,
        setup.makeTableNow,
    });
    m_run->setStepHooks({[this] { m_logCut->cutTempLog(); }});

    CommunicationRun* run = m_run.get();
    CommunicationPanelWindow* panel = m_panel;
    connect(panel, &CommunicationPanelWindow::junkaiClicked, run, &CommunicationRun::tsuushinJunkai);
    connect(panel, &CommunicationPanelWindow::jushinClicked, run, &CommunicationRun::tsuushinJushin);
    connect(panel, &CommunicationPanelWindow::soushinClicked, run, &CommunicationRun::tsuushinSoushin);
    connect(panel, &CommunicationPanelWindow::stopClicked, run, &CommunicationRun::tsuushinStopAccess);
    connect(panel, &CommunicationPanelWindow::idPasswordForKeychain, run,
            &CommunicationRun::tsuushinSetNiftyIDPasswordForKeychain);
    connect(panel, &CommunicationPanelWindow::idPasswordForTemp, run,
            &CommunicationRun::tsuushinSetNiftyIDPasswordForTemp);
    connect(panel, &CommunicationPanelWindow::idPasswordCancelled, run,
            &CommunicationRun::tsuushinCancelNiftyIDPassword);
    connect(m_sheet, &LogCutSheet::stopClicked, m_logCut.get(), &LogCutRun::stopLogCut);
}

CommunicationWindows::~CommunicationWindows() = default;

} // namespace tavrel
