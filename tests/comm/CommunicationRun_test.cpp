#include "FakeTransfers.h"
#include "QueuedFiles.h"
#include "RunFixture.h"
#include "comm/ForumTopPage.h"
#include "comm/ReceiveStep.h"
#include "support/QtPrinters.h"
#include "text/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

const QString kOpenBase = u"http://nbbs-a.example.com/nbbin/nb_wrent/"_s;
const QString kOldBase = u"http://cf-e.example.com/mes/cf_wrent/"_s;

// A board page holding these message numbers.
QByteArray boardPage(int first, int last)
{
    QByteArray page = "<html><body>\n";
    for (int n = last; n >= first; --n)
        page += "<!-- BEGIN --><!-- NO B -->" + QByteArray::number(n) + "<!-- NO E --><!-- END -->\n";
    return page + "</body></html>\n";
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class CommunicationRunTest : public ::testing::Test
{
protected:
    CommunicationRunTest()
        : f(transfers)
    {}

    void writePatrol(const QList<PatrolEntry>& boards, const QList<ForumTopEntry>& tops = {})
    {
        CommunicationSettings settings;
        settings.junkaiArray = boards;
        settings.forumTopDownloadArray = tops;
        f.writeSettings(u"daily"_s, settings);
    }

    // Board pages come from `pages` (board ID → page number → numbers, first and last); a
    // page with no entry answers `missingStatus`.
    void servePages(const QHash<QString, QList<QPair<int, int>>>& pages, int missingStatus = 0)
    {
        transfers.setResponder([pages, missingStatus](const TransferRequest& request) -> std::optional<int> {
            const QString output = request.value(u"-o"_s).value_or(QString());
            const qsizetype dot = output.lastIndexOf(u'.');
            const QString board = output.left(dot);
            if (!pages.contains(board))
                return 0; // login, logout, top pages
            const int page = output.mid(dot + 1).toInt();
            const QList<QPair<int, int>>& list = pages.value(board);
            if (page > list.size())
                return missingStatus;
            const QPair<int, int> numbers = list.at(page - 1);
            writeFile(request.outputPath(), numbers.first > 0 ? boardPage(numbers.first, numbers.second)
                                                              : QByteArray("<html>no numbers</html>"));
            return 0;
        });
    }

    FakeTransferFactory transfers;
    RunFixture f;
};

} // namespace

TEST_F(CommunicationRunTest, EmptyPatrolListStillLogsInAndOutAndCutsLogs)
{
    writePatrol({});
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), true);
    ASSERT_EQ(transfers.requests().size(), 2);
    EXPECT_EQ(transfers.requests().at(0).url(),
              u"https://" + f.m_configuration.memberHost() + u"/forum/login");
    EXPECT_EQ(transfers.requests().at(0).workingDirectory, f.m_dataFolder.path());
    EXPECT_EQ(transfers.requests().at(1).url(),
              u"http://" + f.m_configuration.memberHost() + u"/forum/logout.go");
    EXPECT_EQ(f.m_cutTempLogCalls, 1);
    EXPECT_FALSE(f.m_panel.visible);
    EXPECT_EQ(f.m_run.runState(), RunState::LoggedOut);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_EQ(f.m_log.lines(), QStringList({u"Login"_s, u"Logout"_s}));
    EXPECT_FALSE(f.m_gate.isBusy());
}

TEST_F(CommunicationRunTest, PagesStopByTheRulesOfEachBoard)
{
    f.writeBoardLog(u"known"_s, u"90"_s);
    writePatrol({
        RunFixture::board(kOpenBase, u"limit50"_s, u"NO"_s, u"50"_s), // pages 1-3 by the limit
        RunFixture::board(kOpenBase, u"limit0"_s, u"NO"_s, u"0"_s),   // page 1 only
        RunFixture::board(kOpenBase, u"known"_s),                     // reaches number 91 on page 2
        RunFixture::board(kOpenBase, u"repeat"_s),                    // page 2 repeats page 1
        RunFixture::board(kOpenBase, u"empty"_s),                     // first page without numbers
        RunFixture::board(kOpenBase, u"all"_s),                       // every page to number 1
    });
    servePages({
        {u"limit50"_s, {{181, 200}, {161, 180}, {141, 160}, {121, 140}}},
        {u"limit0"_s, {{181, 200}, {161, 180}}},
        {u"known"_s, {{101, 120}, {81, 100}, {61, 80}}},
        {u"repeat"_s, {{101, 120}, {101, 120}, {81, 100}}},
        {u"empty"_s, {{0, 0}, {81, 100}}},
        {u"all"_s, {{21, 40}, {1, 20}}},
    });
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), true);
    const QStringList expected = {
        u"login"_s,   u"limit50/1"_s, u"limit50/2"_s, u"limit50/3"_s, u"limit0/1"_s,
        u"known/1"_s, u"known/2"_s,   u"repeat/1"_s,  u"repeat/2"_s,  u"empty/1"_s,
        u"all/1"_s,   u"all/2"_s,     u"logout.go"_s,
    };
    QStringList got;
    for (const QString& url : transfers.urls()) {
        const qsizetype page = url.indexOf(u"/wr_page=");
        got.append(page < 0 ? url.section(u'/', -1)
                            : url.section(u'/', -3, -3) + u'/' + url.mid(page + 9).section(u'/', 0, 0));
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(f.m_panel.progress.constLast(), 100.0);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.tmpPath() + u"/limit50.3"_s));
}

TEST_F(CommunicationRunTest, TimeLimitAbandonsTheBoardAndRotatesCookiesButTheRunGoesOn)
{
    writePatrol({RunFixture::board(kOldBase, u"slow"_s), RunFixture::board(kOpenBase, u"next"_s)});
    transfers.setResponder([this](const TransferRequest& request) -> std::optional<int> {
        if (request.url().contains(u"/slow/"_s)) {
            writeFile(f.m_dataFolder.nextCookiesPath(), "HTTP/1.1 200 OK\r\nSet-Cookie: s=2\r\n\r\n");
            return 28;
        }
        if (request.url().contains(u"/next/"_s))
            writeFile(request.outputPath(), boardPage(1, 5));
        return 0;
    });
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), true);
    EXPECT_EQ(transfers.requests().size(), 4);
    EXPECT_EQ(QFile(f.m_dataFolder.loginCookiesPath()).size(), 36);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
}

TEST_F(CommunicationRunTest, FailedPageEndsTheRunWithoutLogout)
{
    writePatrol({RunFixture::board(kOpenBase, u"bd1"_s), RunFixture::board(kOpenBase, u"bd2"_s)});
    servePages({{u"bd1"_s, {{21, 40}}}}, 22);
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), false);
    EXPECT_EQ(transfers.urls().constLast(), kOpenBase + u"bd1/wr_page=2/wr_type=M");
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"StopTsushinAlertTitle")}));
    EXPECT_EQ(f.m_run.runState(), RunState::Idle);
    EXPECT_EQ(f.m_cutTempLogCalls, 0);
    // The panel stays open with its commands off until it is closed.
    EXPECT_TRUE(f.m_panel.visible);
    EXPECT_FALSE(f.m_panel.commandsEnabled);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.tmpPath() + u"/bd1.1"_s));
}

TEST_F(CommunicationRunTest, StopDuringAPageOrTheLoginEndsTheRunWithItsAlert)
{
    writePatrol({RunFixture::board(kOpenBase, u"bd1"_s)});
    for (const QString& hangOn : {u"/wr_page=1/"_s, u"/forum/login"_s}) {
        SCOPED_TRACE(hangOn.toStdString());
        f.m_alerts.clear();
        transfers.setResponder([hangOn](const TransferRequest& request) -> std::optional<int> {
            if (request.url().contains(hangOn))
                return std::nullopt; // runs until terminated
            return 0;
        });
        f.m_run.orderFrontTsuushinPanel();
        QSignalSpy ended(&f.m_run, &CommunicationRun::runEnded);
        f.m_run.tsuushinJushin();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return f.m_run.isTransferRunning() && transfers.urls().constLast().contains(hangOn); },
            5000));
        // Another command cannot start meanwhile.
        f.m_run.tsuushinJunkai();
        EXPECT_EQ(f.m_alerts.beeps(), 1);
        f.m_run.tsuushinStopAccess();
        EXPECT_FALSE(f.m_panel.visible);
        ASSERT_TRUE(ended.wait(5000));
        const QString title = hangOn.contains(u"login"_s) ? RunFixture::text(u"ErrorTitle")
                                                          : RunFixture::text(u"StopTsushinAlertTitle");
        EXPECT_EQ(f.alertTitles(), QStringList({title}));
        EXPECT_FALSE(transfers.urls().constLast().contains(u"logout"_s));
        EXPECT_FALSE(f.m_gate.isBusy());
    }
}

TEST_F(CommunicationRunTest, MissingPasswordOrFailedLoginSendsNothingFurther)
{
    writePatrol({RunFixture::board(kOpenBase, u"bd1"_s)});
    f.m_account.setNiftyIDAndPasswordForTemp(u"TAV00001"_s, QString());
    f.m_run.orderFrontTsuushinPanel();
    EXPECT_TRUE(f.m_panel.sheetVisible);
    f.m_run.tsuushinSetNiftyIDPasswordForTemp(u"TAV00001"_s, QString());
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), false);
    EXPECT_TRUE(transfers.requests().isEmpty());
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"NotIDAndPasswordTitle")}));
    EXPECT_FALSE(f.m_panel.visible);
    EXPECT_EQ(f.m_run.runState(), RunState::Idle);

    f.m_alerts.clear();
    f.m_account.setNiftyIDAndPasswordForTemp(u"TAV00001"_s, u"wrong"_s);
    transfers.setResponder([](const TransferRequest&) { return std::optional<int>(22); });
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), false);
    EXPECT_EQ(transfers.requests().size(), 1);
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"ErrorTitle")}));
    EXPECT_EQ(f.m_alerts.alerts().at(0).message, RunFixture::text(u"LoginFailMessage"));
    EXPECT_FALSE(f.m_account.isLoggedIn());
    EXPECT_FALSE(f.m_gate.isBusy());
}

TEST_F(CommunicationRunTest, PanelOpeningDropsCookiesAndTheSheetAnswers)
{
    writePatrol({});
    writeFile(f.m_dataFolder.loginCookiesPath(), "old");
    writeFile(f.m_dataFolder.nextCookiesPath(), "old");
    f.m_account.setNiftyIDAndPasswordForTemp(QString(), QString());
    f.m_run.orderFrontTsuushinPanel();
    EXPECT_FALSE(QFile::exists(f.m_dataFolder.loginCookiesPath()));
    EXPECT_FALSE(QFile::exists(f.m_dataFolder.nextCookiesPath()));
    EXPECT_TRUE(f.m_panel.visible);
    EXPECT_TRUE(f.m_panel.commandsEnabled);
    EXPECT_EQ(f.m_panel.statusTexts.constLast(), u"Status"_s);
    EXPECT_EQ(f.m_panel.settingsNames, QStringList({u"daily"_s}));
    ASSERT_TRUE(f.m_panel.sheetVisible);

    f.m_run.tsuushinSetNiftyIDPasswordForKeychain(u"me"_s, u"pw"_s);
    EXPECT_FALSE(f.m_panel.sheetVisible);
    EXPECT_TRUE(f.m_panel.visible);
    EXPECT_EQ(f.m_keychain.items().size(), 2);

    // Opening again while visible only brings it to the front; cancel closes it.
    f.m_run.orderFrontTsuushinPanel();
    EXPECT_EQ(f.m_panel.broughtToFront, 1);
    f.m_run.tsuushinCancelNiftyIDPassword();
    EXPECT_FALSE(f.m_panel.visible);
    EXPECT_EQ(f.m_run.runState(), RunState::Stopped);
}

TEST_F(CommunicationRunTest, UnsafeBoardIDsAreSkippedAndLogged)
{
    writePatrol({RunFixture::board(kOpenBase, u"../evil"_s), RunFixture::board(kOpenBase, u"-K"_s),
                 RunFixture::board(kOpenBase, u"good"_s)});
    servePages({{u"good"_s, {{1, 3}}}});
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), true);
    EXPECT_EQ(transfers.requests().size(), 3);
    EXPECT_EQ(transfers.requests().at(1).value(u"-o"_s), u"good.1"_s);
    EXPECT_EQ(f.m_log.lines().filter(u"Skipped board"_s).size(), 2);
}

TEST_F(CommunicationRunTest, ForumTopPagesDropBoardsWithoutNews)
{
    const ForumTopPage::Markers markers = ForumTopPage::Markers::from(f.m_configuration);
    f.writeBoardLog(u"same"_s, u"50"_s, u"2024-05-12 13:45:00 +0900"_s);
    f.writeBoardLog(u"newer"_s, u"50"_s, u"2024-05-12 13:45:00 +0900"_s);
    writePatrol({RunFixture::board(kOpenBase, u"same"_s), RunFixture::board(kOpenBase, u"newer"_s),
                 RunFixture::board(kOpenBase, u"unlisted"_s)},
                {RunFixture::forumTop(u"fneko"_s, u"http://member.example.com/forum/fneko/top.go"_s)});
    writeFile(f.m_dataFolder.forumTopPath() + u"/stale"_s, "left from the last run");
    const auto block = [&](const QString& id, const QString& date) -> QString {
        return u"<!-- BBS BEGIN --><a href=\"" + kOpenBase + id + u"\">x</a>" + markers.start +
               markers.label + u"\uFF1A" + date + markers.end + u"<!-- BBS END -->\n";
    };
    const QString top = block(u"same"_s, u"2024/05/12 13:45"_s) + block(u"newer"_s, u"2024/05/12 13:46"_s);
    transfers.setResponder([&](const TransferRequest& request) -> std::optional<int> {
        if (request.url().endsWith(u"top.go"_s))
            writeFile(request.outputPath(), encoding::encodeCp932Lossy(top));
        else if (request.url().contains(u"wr_page"_s))
            writeFile(request.outputPath(), boardPage(51, 52));
        return 0;
    });
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJunkai), true);
    const QStringList urls = transfers.urls();
    EXPECT_FALSE(urls.join(u' ').contains(u"/same/"_s));
    EXPECT_TRUE(urls.contains(kOpenBase + u"newer/wr_page=1/wr_type=M"));
    EXPECT_TRUE(urls.contains(kOpenBase + u"unlisted/wr_page=1/wr_type=M"));
    EXPECT_EQ(transfers.requests().at(1).workingDirectory, f.m_dataFolder.forumTopPath());
    EXPECT_EQ(QDir(f.m_dataFolder.forumTopPath()).entryList(QDir::Files), QStringList({u"fneko"_s}));
}

TEST_F(CommunicationRunTest, SendOnlyNeverTouchesForumTopsOrBoards)
{
    writePatrol({RunFixture::board(kOpenBase, u"bd1"_s)},
                {RunFixture::forumTop(u"fneko"_s, u"http://member.example.com/forum/fneko/top.go"_s)});
    writeFile(f.m_dataFolder.forumTopPath() + u"/kept"_s, "x");
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinSoushin), true);
    EXPECT_EQ(transfers.requests().size(), 2);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.forumTopPath() + u"/kept"_s));
}

TEST_F(CommunicationRunTest, UnreadableSettingsStartNoRun)
{
    f.m_run.orderFrontTsuushinPanel();
    QFile::remove(f.m_dataFolder.accessPath() + u"/daily"_s);
    writeFile(f.m_dataFolder.accessPath() + u"/new"_s,
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>");
    writeFile(f.m_dataFolder.tmpPath() + u"/old.1"_s, "x");
    f.m_panel.setSettingsNames({u"new"_s});
    f.m_run.tsuushinJunkai();
    EXPECT_TRUE(transfers.requests().isEmpty());
    ASSERT_EQ(f.m_alerts.alerts().size(), 1);
    EXPECT_TRUE(f.m_alerts.alerts().at(0).message.endsWith(u" (new)"_s));
    EXPECT_TRUE(f.m_panel.commandsEnabled);
    EXPECT_FALSE(f.m_gate.isBusy());
    EXPECT_FALSE(QFile::exists(f.m_dataFolder.tmpPath() + u"/old.1"_s));
}

TEST(ReceiveStep, FirstWantedNumberComesFromTheLogHeader)
{
    FakeTransferFactory transfers;
    RunFixture f(transfers);
    f.writeBoardLog(u"a"_s, u"41"_s);
    f.writeBoardLog(u"b"_s, u"junk"_s);
    f.writeBoardLog(u"c"_s, u"2147483647"_s);
    writeFile(f.m_dataFolder.warehousePath() + u"/broken"_s, "not a plist");
    const QString warehouse = f.m_dataFolder.warehousePath();
    EXPECT_EQ(ReceiveStep::firstWantedNumber(warehouse, u"a"_s), 42);
    EXPECT_EQ(ReceiveStep::firstWantedNumber(warehouse, u"b"_s), 1);
    EXPECT_EQ(ReceiveStep::firstWantedNumber(warehouse, u"c"_s), 2147483647);
    EXPECT_EQ(ReceiveStep::firstWantedNumber(warehouse, u"missing"_s), 1);
    EXPECT_EQ(ReceiveStep::firstWantedNumber(warehouse, u"broken"_s), 1);
}

TEST_F(CommunicationRunTest, FailedOrStoppedLogoutShowsItsAlertAndTheRunGoesOn)
{
    writePatrol({});
    for (const bool stop : {false, true}) {
        SCOPED_TRACE(stop ? "stopped" : "failed");
        f.m_alerts.clear();
        const int cutsBefore = f.m_cutTempLogCalls;
        transfers.setResponder([stop](const TransferRequest& request) -> std::optional<int> {
            if (!request.url().endsWith(u"logout.go"_s))
                return 0;
            if (stop)
                return std::nullopt;
            return 7;
        });
        f.m_run.orderFrontTsuushinPanel();
        QSignalSpy ended(&f.m_run, &CommunicationRun::runEnded);
        f.m_run.tsuushinJushin();
        if (stop) {
            ASSERT_TRUE(QTest::qWaitFor(
                [&] {
                    return f.m_run.isTransferRunning() &&
                           transfers.urls().constLast().endsWith(u"logout.go"_s);
                },
                5000));
            f.m_run.tsuushinStopAccess();
        }
        ASSERT_TRUE(ended.wait(5000));
        EXPECT_TRUE(ended.at(0).at(0).toBool());
        ASSERT_EQ(f.m_alerts.alerts().size(), 1);
        EXPECT_EQ(f.m_alerts.alerts().at(0).message, RunFixture::text(u"LogoutFailMessage"));
        EXPECT_EQ(f.m_cutTempLogCalls, cutsBefore + 1);
        EXPECT_EQ(f.m_run.runState(), RunState::LoggedOut);
    }
}

TEST_F(CommunicationRunTest, StepsFollowTheRunModeAndTheMyDeskFlag)
{
    QStringList steps;
    transfers.setResponder([&steps](const TransferRequest& request) {
        steps.append(request.url().contains(u"wr_page"_s)
                         ? u"page"_s
                         : request.url().section(u'/', -1).section(u'?', 0, 0));
        return std::optional<int>(0);
    });
    // The procedures show their program's name while they run.
    const QString before = writeScript(f.m_parent.filePath(u"before.sh"_s), "exit 0");
    const QString after = writeScript(f.m_parent.filePath(u"after.sh"_s), "exit 0");
    f.m_panel.onStatusText = [&steps](const QString& text) {
        for (const QString& name : {u"before"_s, u"after"_s}) {
            if (text.startsWith(name + u".sh "))
                steps.append(name);
        }
    };
    f.m_run.setStepHooks({[&steps] { steps.append(u"cut"_s); }});

    const struct
    {
        void (CommunicationRun::*command)();
        bool myDesk;
        QStringList steps;
    } cases[] = {
        {&CommunicationRun::tsuushinJunkai,
         true,
         {u"before"_s, u"login"_s, u"nb_wrent_do"_s, u"top.go"_s, u"page"_s, u"send.go"_s, u"inbox.go"_s,
          u"logout.go"_s, u"after"_s, u"cut"_s}},
        {&CommunicationRun::tsuushinJunkai,
         false,
         {u"before"_s, u"login"_s, u"nb_wrent_do"_s, u"top.go"_s, u"page"_s, u"logout.go"_s, u"after"_s,
          u"cut"_s}},
        {&CommunicationRun::tsuushinJushin,
         true,
         {u"before"_s, u"login"_s, u"top.go"_s, u"page"_s, u"inbox.go"_s, u"logout.go"_s, u"after"_s,
          u"cut"_s}},
        {&CommunicationRun::tsuushinSoushin,
         true,
         {u"before"_s, u"login"_s, u"nb_wrent_do"_s, u"send.go"_s, u"logout.go"_s, u"after"_s, u"cut"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps.join(u' ').toStdString());
        CommunicationSettings settings;
        settings.beforeProcedure = before;
        settings.afterProcedure = after;
        settings.junkaiArray = {RunFixture::board(kOpenBase, u"bd1"_s)};
        settings.forumTopDownloadArray = {
            RunFixture::forumTop(u"fneko"_s, u"http://member.example.com/forum/fneko/top.go"_s)};
        settings.isMyDeskMessageAccess = c.myDesk;
        f.writeSettings(u"daily"_s, settings);
        QDir(f.m_dataFolder.postPath()).removeRecursively();
        QDir().mkpath(f.m_dataFolder.postPath());
        writeBoardPost(f.m_dataFolder.postPath(), u"fneko.1211093000"_s,
                       u"http://nbbs-a.example.com/nbbin/nb_wrent_do?bid=bd1&wr_type=M"_s, u"body"_s);
        writeMyDeskMessage(f.m_dataFolder.postPath(), u"message.1211093001"_s, u"TAV00002"_s, u"hi"_s);
        QDir(f.m_dataFolder.sentMessagesPath()).removeRecursively();
        QDir().mkpath(f.m_dataFolder.sentMessagesPath());
        steps.clear();
        EXPECT_EQ(f.run(u"daily"_s, c.command), true);
        EXPECT_EQ(steps, c.steps);
    }
}

TEST_F(CommunicationRunTest, EachRequestKindTakesItsProxyArgumentInFront)
{
    CommunicationSettings settings;
    settings.isUseProxy = true;
    settings.proxies = {u"hp"_s, u"1"_s, u"sp"_s, QString()};
    settings.junkaiArray = {RunFixture::board(kOpenBase, u"plain"_s),
                            RunFixture::board(u"HTTPS://nbbs-a.example.com/nbbin/nb_wrent/"_s, u"secure"_s)};
    settings.forumTopDownloadArray = {
        RunFixture::forumTop(u"fneko"_s, u"https://member.example.com/forum/fneko/top.go"_s)};
    f.writeSettings(u"daily"_s, settings);
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJunkai), true);
    QStringList first;
    for (const TransferRequest& request : transfers.requests())
        first.append(request.arguments.constFirst());
    // Login: HTTPS; forum tops: HTTP whatever their scheme; pages by scheme; logout: HTTP.
    EXPECT_EQ(first, QStringList({u"-xsp"_s, u"-xhp:1"_s, u"-xhp:1"_s, u"-xsp"_s, u"-xhp:1"_s}));

    settings.proxies = {u"hp"_s, u"1"_s, QString(), QString()};
    f.writeSettings(u"daily"_s, settings);
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinJushin), true);
    EXPECT_EQ(transfers.requests().at(5).arguments.constFirst(), u"-onifty_Login.html"_s);
}

TEST_F(CommunicationRunTest, OpeningASettingsFileFromOutsideStartsAPatrolWithIt)
{
    writePatrol({});
    CommunicationSettings other;
    f.writeSettings(u"other"_s, other);
    EXPECT_FALSE(
        f.m_run.openSettingsFile(f.m_parent.writeFile(u"not-a-dictionary"_s, "<plist><array/></plist>")));
    EXPECT_FALSE(f.m_panel.visible);
    EXPECT_TRUE(transfers.requests().isEmpty());

    QSignalSpy ended(&f.m_run, &CommunicationRun::runEnded);
    EXPECT_TRUE(f.m_run.openSettingsFile(f.m_dataFolder.accessPath() + u"/other"_s));
    EXPECT_EQ(f.m_panel.selected, u"other"_s);
    EXPECT_EQ(f.m_run.runMode(), RunMode::Junkai);
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_TRUE(ended.at(0).at(0).toBool());
}

TEST_F(CommunicationRunTest, StopDuringTheBeforeProcedureEndsTheRunWithItsAlert)
{
    CommunicationSettings settings;
    settings.beforeProcedure = writeScript(f.m_parent.filePath(u"before.sh"_s), "exec sleep 30");
    f.writeSettings(u"daily"_s, settings);
    f.m_run.orderFrontTsuushinPanel();
    QSignalSpy ended(&f.m_run, &CommunicationRun::runEnded);
    f.m_run.tsuushinJunkai();
    ASSERT_TRUE(f.m_run.isTransferRunning());
    f.m_run.tsuushinStopAccess();
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_FALSE(ended.at(0).at(0).toBool());
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"RunBeforeDownloadErrorAlertTitle")}));
    EXPECT_TRUE(transfers.requests().isEmpty());
    EXPECT_FALSE(f.m_gate.isBusy());
}

TEST_F(CommunicationRunTest, RefusedPostWhoseLoginRenewalFailsEndsTheRunAndKeepsTheFile)
{
    writePatrol({});
    const QString queued = writeBoardPost(f.m_dataFolder.postPath(), u"fa.1211090001"_s,
                                          kOldBase.chopped(1) + u"_do?bid=bd1&wr_type=M"_s, u"body"_s);
    int logins = 0;
    transfers.setResponder([&logins](const TransferRequest& request) -> std::optional<int> {
        if (request.url().endsWith(u"/forum/login"_s))
            return ++logins == 1 ? 0 : 1;
        return request.url().contains(u"cf_wrent_do"_s) ? 22 : 0;
    });
    EXPECT_EQ(f.run(u"daily"_s, &CommunicationRun::tsuushinSoushin), false);
    QStringList pieces;
    for (const QString& url : transfers.urls())
        pieces.append(url.section(u'/', -1).section(u'?', 0, 0));
    EXPECT_EQ(pieces, QStringList({u"login"_s, u"cf_wrent_do"_s, u"login"_s}));
    EXPECT_EQ(f.alertTitles(),
              QStringList({RunFixture::text(u"ErrorTitle"), RunFixture::text(u"StopTsushinAlertTitle")}));
    EXPECT_TRUE(QFile::exists(queued));
    EXPECT_EQ(f.m_cutTempLogCalls, 0);
    EXPECT_EQ(f.m_run.runState(), RunState::Idle);
}
