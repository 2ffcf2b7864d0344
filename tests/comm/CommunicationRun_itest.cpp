#include "QueuedFiles.h"
#include "SimulatedRun.h"
#include "comm/ForumTopStep.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

QStringList tmpFiles(const RunFixture& f)
{
    QStringList names = QDir(f.m_dataFolder.tmpPath()).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace

TEST_F(SimulatedRun, LoginSendsTheEncodedIDAndPasswordAndLogoutTheCookies)
{
    writePatrol({});
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin), true);
    EXPECT_TRUE(f.m_account.isLoggedIn());
    const QList<QJsonObject> log = requests();
    ASSERT_EQ(log.size(), 2);
    const QJsonObject login = log.at(0);
    EXPECT_EQ(login.value(u"url"_s).toString(), u"https://" + config().memberHost() + u"/forum/login");
    EXPECT_EQ(login.value(u"member"_s).toString(), u"TAV00001"_s);
    EXPECT_TRUE(QFile(f.m_dataFolder.loginCookiesPath()).size() > 0);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.path() + u"/nifty_Login.html"_s));
    const QJsonObject logout = log.at(1);
    EXPECT_EQ(logout.value(u"url"_s).toString(), u"http://" + config().memberHost() + u"/forum/logout.go");
    EXPECT_TRUE(logout.value(u"cookies"_s).toBool());
    EXPECT_EQ(logout.value(u"member"_s).toString(), u"TAV00001"_s);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.path() + u"/nifty_Logout.html"_s));
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());

    // The member's password holds spaces, so the session above proves they arrived intact. An
    // ID with "@" and "." reaches the service as typed too.
    sim.adminPost(u"/requests/clear"_s);
    f.m_account.setNiftyIDAndPasswordForTemp(u"tav.user@example.jp"_s, u"two words"_s);
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin), true);
    const QJsonObject fields = requests().at(0).value(u"fields"_s).toObject();
    EXPECT_EQ(fields.value(u"attest_id"_s).toString(), u"tav.user@example.jp"_s);
    EXPECT_EQ(fields.value(u"method_type"_s).toString(), u"GET"_s);
}

TEST_F(SimulatedRun, ReceivesEveryBoardKindOverSeveralPagesByTheStopRules)
{
    f.writeBoardLog(u"semi1"_s, u"25"_s);
    writePatrol({
        RunFixture::board(openBase(), u"open1"_s),                 // all 45: pages 1-3
        RunFixture::board(semiBase(), u"semi1"_s),                 // from 26: pages 1-2
        RunFixture::board(oldBase(), u"old1"_s, u"NO"_s, u"50"_s), // limit 50: pages 1-3
        RunFixture::board(openBase(), u"prot1"_s, u"YES"_s, u"20"_s, u"mi kan"_s),
        RunFixture::board(openBase(), u"limit0"_s, u"NO"_s, u"0"_s), // page 1 only
        RunFixture::board(openBase(), u"empty1"_s),                  // no numbers: page 1
    });
    // The cookie file as the login left it, read when the first page is about to be fetched.
    QByteArray loginCookies;
    f.m_panel.onStatusText = [&](const QString& text) {
        if (loginCookies.isEmpty() && text.startsWith(RunFixture::text(u"StatusJushin")))
            loginCookies = readFile(f.m_dataFolder.loginCookiesPath());
    };
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJunkai), true);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_EQ(requestNames(), QStringList({u"login"_s, u"open1/1"_s, u"open1/2"_s, u"open1/3"_s, u"semi1/1"_s,
                                           u"semi1/2"_s, u"old1/1"_s, u"old1/2"_s, u"old1/3"_s, u"prot1/1"_s,
                                           u"limit0/1"_s, u"empty1/1"_s, u"logout.go"_s}));
    EXPECT_EQ(tmpFiles(f),
              QStringList({u"empty1.1"_s, u"limit0.1"_s, u"old1.1"_s, u"old1.2"_s, u"old1.3"_s, u"open1.1"_s,
                           u"open1.2"_s, u"open1.3"_s, u"prot1.1"_s, u"semi1.1"_s, u"semi1.2"_s}));
    for (const QJsonObject& request : requests()) {
        const QString url = request.value(u"url"_s).toString();
        SCOPED_TRACE(url.toStdString());
        if (url.contains(u"/semi1/"_s)) {
            // The https board gets the service ID as basic authentication and no cookies.
            EXPECT_TRUE(request.value(u"basicAuth"_s).toBool());
            EXPECT_FALSE(request.value(u"cookies"_s).toBool());
            EXPECT_EQ(request.value(u"member"_s).toString(), u"TAV00001"_s);
        } else if (url.contains(u"/old1/"_s)) {
            // The login's cookies reach the old-style board's host, and each answer renews them.
            EXPECT_TRUE(request.value(u"cookies"_s).toBool());
            EXPECT_EQ(request.value(u"member"_s).toString(), u"TAV00001"_s);
        } else if (url.contains(u"/prot1/"_s)) {
            const QJsonObject fields = request.value(u"fields"_s).toObject();
            EXPECT_EQ(fields.value(u"ktype"_s).toString(), config().maru());
            EXPECT_EQ(fields.value(u"b_passwd"_s).toString(), u"mi kan"_s);
        }
    }
    // The protected board's page holds its messages, not the password form.
    EXPECT_TRUE(readFile(f.m_dataFolder.tmpPath() + u"/prot1.1"_s).contains("<!-- NO B -->"));
    // The old-style answers' cookies replaced the login's cookie file.
    EXPECT_TRUE(loginCookies.contains("Set-Cookie: NFSESSION="));
    const QByteArray cookies = readFile(f.m_dataFolder.loginCookiesPath());
    EXPECT_TRUE(cookies.contains("Set-Cookie: NFSESSION="));
    EXPECT_NE(cookies, loginCookies);
    EXPECT_FALSE(QFile::exists(f.m_dataFolder.nextCookiesPath()));
}

TEST_F(SimulatedRun, FailedPageEndsTheRunWithTheAlertAndNoLogout)
{
    writePatrol({RunFixture::board(openBase(), u"open1"_s), RunFixture::board(openBase(), u"limit0"_s)});
    sim.adminPost(u"/behaviour"_s, {{u"target"_s, u"board:open1"_s}, {u"mode"_s, u"abort"_s}});
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin), false);
    EXPECT_EQ(requestNames(), QStringList({u"login"_s, u"open1/1"_s}));
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"StopTsushinAlertTitle")}));
    EXPECT_EQ(f.m_run.runState(), RunState::Idle);
    EXPECT_EQ(f.m_cutTempLogCalls, 0);
    EXPECT_TRUE(f.m_panel.visible);
}

TEST_F(SimulatedRun, ForumTopPagesDropABoardWithoutNewsAndKeepANewerOne)
{
    const QDateTime openLast = lastMessageMinute(u"open1"_s);
    const QDateTime limitLast = lastMessageMinute(u"limit0"_s);
    ASSERT_TRUE(openLast.isValid() && limitLast.isValid());
    f.writeBoardLog(u"open1"_s, u"45"_s, formatDateText(openLast));
    f.writeBoardLog(u"limit0"_s, u"29"_s, formatDateText(limitLast.addSecs(-60)));
    writePatrol(
        {RunFixture::board(openBase(), u"open1"_s), RunFixture::board(openBase(), u"limit0"_s),
         RunFixture::board(openBase(), u"prot1"_s, u"YES"_s, u"20"_s, u"mi kan"_s)},
        {RunFixture::forumTop(u"ftest"_s, u"http://" + config().memberHost() + u"/forum/ftest/top.go")});
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJunkai), true);
    EXPECT_EQ(requestNames(),
              QStringList({u"login"_s, u"top.go"_s, u"limit0/1"_s, u"prot1/1"_s, u"logout.go"_s}));
    EXPECT_EQ(f.m_run.forumTopStep().boardLastDates().value(u"open1"_s), formatDateText(openLast));
    EXPECT_EQ(QDir(f.m_dataFolder.forumTopPath()).entryList(QDir::Files), QStringList({u"ftest"_s}));
}

TEST_F(SimulatedRun, SlowBoardIsAbandonedWithTheTimeLimitWhileTheRunGoesOn)
{
    writePatrol({RunFixture::board(openBase(), u"slow1"_s),
                 RunFixture::board(openBase(), u"limit0"_s, u"NO"_s, u"0"_s)});
    sim.adminPost(u"/behaviour"_s, {{u"target"_s, u"board:slow1"_s}, {u"mode"_s, u"slow"_s}, {u"rate"_s, 8}});
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin, 200000), true);
    EXPECT_EQ(requestNames(), QStringList({u"login"_s, u"slow1/1"_s, u"limit0/1"_s, u"logout.go"_s}));
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.tmpPath() + u"/limit0.1"_s));
}

TEST_F(SimulatedRun, ProceduresRunInTmpAroundTheRunAndAFailedBeforeProcedureStopsItBeforeLogin)
{
    const QString tmp = f.m_dataFolder.tmpPath();
    // The before-procedure finds no logout page of this run yet, the after-procedure does.
    const QString before = writeScript(f.m_parent.filePath(u"before.sh"_s),
                                       "test -f ../nifty_Logout.html && echo late > before.txt\n"
                                       "echo ran >> before.txt");
    const QString after = writeScript(f.m_parent.filePath(u"after.sh"_s),
                                      "test -f ../nifty_Logout.html && echo ran > after.txt\nexit 3");
    const QString failing =
        writeScript(f.m_parent.filePath(u"failing.sh"_s), "echo ran > before.txt\nexit 1");
    const struct
    {
        const char* name;
        QString before;
        std::optional<bool> completed;
        QStringList requests;
        QStringList tmpFiles;
    } cases[] = {
        {"both run; the after-procedure's status is ignored",
         before,
         true,
         {u"login"_s, u"logout.go"_s},
         {u"after.txt"_s, u"before.txt"_s}},
        {"a failing before-procedure", failing, false, {}, {u"before.txt"_s}},
        {"a before-procedure that cannot start", f.m_parent.filePath(u"missing.sh"_s), false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(f.m_dataFolder.path() + u"/nifty_Logout.html"_s);
        CommunicationSettings settings;
        settings.beforeProcedure = c.before;
        settings.afterProcedure = after;
        f.writeSettings(u"sim"_s, settings);
        sim.adminPost(u"/requests/clear"_s);
        f.m_alerts.clear();
        f.m_panel.visible = false;
        EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJunkai), c.completed);
        EXPECT_EQ(requestNames(), c.requests);
        EXPECT_EQ(tmpFiles(f), c.tmpFiles);
        if (!c.tmpFiles.isEmpty()) {
            EXPECT_EQ(readFile(tmp + u"/before.txt"_s), QByteArray("ran\n"));
        }
        EXPECT_EQ(f.alertTitles(),
                  *c.completed ? QStringList()
                               : QStringList({RunFixture::text(u"RunBeforeDownloadErrorAlertTitle")}));
    }
}
