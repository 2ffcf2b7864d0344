#pragma once

// Everything a communication run needs, headless: a fresh data folder, preferences, the
// service configuration, fake alerts, log, panel and keychain, and a transfer factory (fake
// for unit tests, the real client for integration tests).

#include "FakeCommunicationPanel.h"
#include "comm/CommunicationRun.h"
#include "comm/MyURLEncoder.h"
#include "comm/ServiceAccount.h"
#include "comm/TransferGate.h"
#include "comm/WarehouseHeaderSource.h"
#include "platform/FakeAlertPanel.h"
#include "platform/FakeKeychain.h"
#include "platform/FakeSystemLog.h"
#include "store/BoardLogFile.h"
#include "store/CommunicationSettingsFolder.h"
#include "store/DataFolder.h"
#include "store/DateText.h"
#include "store/Preferences.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"
#include "support/TempDir.h"

#include <QSignalSpy>

#include <memory>

namespace tavrel::test {

class RunFixture
{
public:
    explicit RunFixture(TransferFactory& transfers)
        : m_dataFolder(DataFolder::create(m_parent.path()).value_or(QString()))
        , m_preferences(m_parent.filePath(QStringLiteral("preferences.plist")))
        , m_account(m_keychain)
        , m_headers(m_dataFolder)
        , m_run(CommunicationRun::Collaborators{m_dataFolder, m_account, m_configuration, m_preferences,
                                                m_alerts, m_log, m_panel, m_headers, transfers, m_gate,
                                                m_encoder})
    {
        m_account.setNiftyIDAndPasswordForTemp(QStringLiteral("TAV00001"), QStringLiteral("neko-pass1"));
        CommunicationRun::StepHooks hooks;
        hooks.cutTempLog = [this] { ++m_cutTempLogCalls; };
        m_run.setStepHooks(hooks);
    }

    // Writes a settings file into Access.
    void writeSettings(const QString& name, const CommunicationSettings& settings)
    {
        CommunicationSettingsFolder(m_dataFolder.accessPath()).write(name, settings);
    }
    // A board log file in Warehouse with this header (no messages).
    void writeBoardLog(const QString& bbsID, const QString& numberOfLastMes,
                       const QString& dateOfLastMes = {})
    {
        BoardLogFile log;
        log.header() = BoardLogHeader::newFileHeader();
        log.header().setForumID(bbsID);
        log.header().setNumberOfLastMes(numberOfLastMes);
        if (!dateOfLastMes.isEmpty())
            log.header().setDateOfLastMes(dateOfLastMes);
        log.write(m_dataFolder.warehousePath() + u'/' + bbsID);
    }

    static PatrolEntry board(const QString& base, const QString& bbsID,
                             const QString& readAll = QStringLiteral("YES"),
                             const QString& lastX = QStringLiteral("20"), const QString& hogoPassword = {})
    {
        PatrolEntry entry;
        entry.bbsID = bbsID;
        entry.jushinURL = base;
        entry.urlFormat = PatrolEntry::makeUrlFormat(base, bbsID);
        entry.readALL = readAll;
        entry.lastXMessage = lastX;
        if (!hogoPassword.isEmpty())
            entry.hogoPassword = hogoPassword;
        return entry;
    }

    // Opens the panel, selects the settings and runs `command`; waits for the run's end.
    // Nothing when the run did not end in time; else whether it went through.
    std::optional<bool> run(const QString& settingsName, void (CommunicationRun::*command)(),
                            int timeoutMs = 60000)
    {
        m_run.orderFrontTsuushinPanel();
        m_panel.selectSettingsName(settingsName);
        QSignalSpy ended(&m_run, &CommunicationRun::runEnded);
        (m_run.*command)();
        if (ended.isEmpty() && !ended.wait(timeoutMs))
            return std::nullopt;
        return ended.constLast().at(0).toBool();
    }

    // The titles of the alerts shown, as keys' texts.
    QStringList alertTitles() const
    {
        QStringList titles;
        for (const AlertRequest& alert : m_alerts.alerts())
            titles.append(alert.title);
        return titles;
    }
    static ForumTopEntry forumTop(const QString& forumID, const QString& url)
    {
        ForumTopEntry entry;
        entry.forumID = forumID;
        entry.forumName = forumID;
        entry.forumTopURL = url;
        return entry;
    }
    static QString text(const char16_t* key) { return uiText(QStringView(key)); }

    TempDir m_parent;
    DataFolder m_dataFolder;
    Preferences m_preferences;
    ServiceConfiguration m_configuration;
    FakeAlertPanel m_alerts;
    FakeSystemLog m_log;
    FakeCommunicationPanel m_panel;
    FakeKeychain m_keychain;
    ServiceAccount m_account;
    WarehouseHeaderSource m_headers;
    TransferGate m_gate;
    MyURLEncoder m_encoder;
    CommunicationRun m_run;
    int m_cutTempLogCalls = 0;
};

} // namespace tavrel::test
