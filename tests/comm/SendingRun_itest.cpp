// Sending as a whole run against the simulated service with the real client: queued posts
// reach the boards, their files move to SentMessages, the post interval, the stop button and
// an expired login in between.

#include "QueuedFiles.h"
#include "SimulatedRun.h"
#include "comm/SendStep.h"
#include "support/BoardLogLists.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

class SendingRun : public SimulatedRun
{
protected:
    void SetUp() override
    {
        SimulatedRun::SetUp();
        // A board and a forum top page that a send-only run leaves alone.
        writePatrol(
            {RunFixture::board(openBase(), u"limit0"_s, u"NO"_s, u"0"_s)},
            {RunFixture::forumTop(u"ftest"_s, u"http://" + config().memberHost() + u"/forum/ftest/top.go")});
        f.m_preferences.setHatsugenIntervalTime(0.2);
    }

    QString postPath() const { return f.m_dataFolder.postPath(); }
    QString sentPath() const { return f.m_dataFolder.sentMessagesPath(); }

    // The posting address of a board, optionally commenting on a message.
    QString newStyleURL(const QString& scheme, const QString& board, int comment = 0) const
    {
        return scheme + u"://" + config().boardHostA() + u"/nbbin/nb_wrent_do?bid=" + board + u"&wr_type=M" +
               (comment ? u"&wr_psq=" + QString::number(comment) : QString());
    }
    QString oldStyleURL(const QString& board, int comment = 0) const
    {
        return u"http://" + config().boardHostE() + u"/mes/cf_wrent_do?bid=" + board + u"&wr_type=M" +
               (comment ? u"&wr_psq=" + QString::number(comment) : QString());
    }

    // One name per request: "post <board> <status>", else the path's last piece.
    QStringList exchanges() const
    {
        QStringList names;
        for (const QJsonObject& request : requests()) {
            const QUrl url(request.value(u"url"_s).toString());
            const QString last = url.path().section(u'/', -1);
            if (last.endsWith(u"wrent_do"_s))
                names.append(u"post " + QUrlQuery(url).queryItemValue(u"bid"_s) + u' ' +
                             QString::number(request.value(u"status"_s).toInt()));
            else
                names.append(last);
        }
        return names;
    }

    // The posts the service stored, as "<board> <comment> <body>".
    QStringList storedPosts() const
    {
        QStringList posts;
        for (const QJsonValue& value : sim.adminGet(u"/posts"_s).value(u"posts"_s).toArray()) {
            const QJsonObject post = value.toObject();
            posts.append(post.value(u"board"_s).toString() + u' ' +
                         QString::number(post.value(u"comment"_s).toInt()) + u' ' +
                         post.value(u"wr_con1"_s).toString());
        }
        return posts;
    }
};

TEST_F(SendingRun, QueuedPostsOfEveryBoardStyleReachTheServiceAndMoveToSentMessages)
{
    writeBoardPost(postPath(), u"fa.1211090001"_s, newStyleURL(u"http"_s, u"open1"_s),
                   u"新しい発言\n二行目"_s,
                   {{u"wr_title"_s, u"題名"_s}, {u"wr_lurl"_s, u"http://www.example.com/"_s}});
    writeBoardPost(postPath(), u"fb.1211090002"_s, newStyleURL(u"https"_s, u"semi1"_s, 7),
                   u"https へのコメント"_s);
    writeBoardPost(postPath(), u"fc.5-1211090003"_s, oldStyleURL(u"old1"_s, 5), u"旧形式へのコメント"_s,
                   {{u"wr_email"_s, u"neko@example.jp"_s}});
    writeBoardPost(postPath(), u"fd.1211090004"_s, oldStyleURL(u"old1"_s), u"旧形式の新しい発言"_s);
    // Skipped: no body. Left alone: a MyDesk message while MyDesk is off, and names not posted.
    writeQueued(postPath(), u"fe.1211090005"_s,
                {{u"wr_spname"_s, u"a"_s}, {u"PostURL"_s, newStyleURL(u"http"_s, u"open1"_s)}});
    writeMyDeskMessage(postPath(), u"message.1211090006"_s, u"TAV00001"_s, u"送らない"_s);
    writeBoardPost(postPath(), u"_fg.1211090007"_s, newStyleURL(u"http"_s, u"open1"_s), u"no"_s);
    // Already in SentMessages under the same name: posted, but the file cannot move.
    writeBoardPost(postPath(), u"ff.1211090008"_s, newStyleURL(u"http"_s, u"limit0"_s), u"動かせない"_s);
    writeQueued(sentPath(), u"ff.1211090008"_s, {{u"wr_con1"_s, u"older"_s}});

    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinSoushin), true);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_EQ(f.m_cutTempLogCalls, 1);
    // Send only: no forum top, no board page, no MyDesk request.
    EXPECT_EQ(exchanges(),
              QStringList({u"login"_s, u"post open1 200"_s, u"post semi1 200"_s, u"post old1 200"_s,
                           u"post old1 200"_s, u"post limit0 200"_s, u"logout.go"_s}));
    EXPECT_EQ(storedPosts(), QStringList({u"open1 0 新しい発言\r\n二行目"_s, u"semi1 7 https へのコメント"_s,
                                          u"old1 5 旧形式へのコメント"_s, u"old1 0 旧形式の新しい発言"_s,
                                          u"limit0 0 動かせない"_s}));
    const QJsonArray posts = sim.adminGet(u"/posts"_s).value(u"posts"_s).toArray();
    EXPECT_EQ(posts.at(0).toObject().value(u"wr_lurl"_s).toString(), u"http://www.example.com/"_s);
    EXPECT_EQ(posts.at(1).toObject().value(u"member"_s).toString(), u"TAV00001"_s); // basic authentication
    EXPECT_EQ(posts.at(2).toObject().value(u"wr_email"_s).toString(), u"neko@example.jp"_s);
    EXPECT_EQ(posts.at(2).toObject().value(u"wr_location"_s).toString(), u"/mes/cf_wrent/old1"_s);
    EXPECT_FALSE(posts.at(3).toObject().contains(u"wr_location"_s));

    EXPECT_EQ(fileNames(sentPath()),
              QStringList({u"fa.1211090001"_s, u"fb.1211090002"_s, u"fc.5-1211090003"_s, u"fd.1211090004"_s,
                           u"ff.1211090008"_s}));
    EXPECT_EQ(fileNames(postPath()), QStringList({u"_fg.1211090007"_s, u"fe.1211090005"_s, u"ff.1211090008"_s,
                                                  u"message.1211090006"_s}));
    EXPECT_TRUE(
        f.m_log.lines().contains(u"Fail to move \"ff.1211090008\" file from Post folder to SentMessage "
                                 u"Folder."_s));
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.tmpPath() + u"/_fa.1211090001.html"_s));
}

TEST_F(SendingRun, PostsToOneForumWaitTheIntervalAndTheStopButtonCancelsTheWait)
{
    f.m_preferences.setHatsugenIntervalTime(1.5);
    writeBoardPost(postPath(), u"fa.1211090001"_s, newStyleURL(u"http"_s, u"open1"_s), u"一つ目"_s);
    writeBoardPost(postPath(), u"fa.1211090002"_s, newStyleURL(u"http"_s, u"open1"_s), u"二つ目"_s);
    writeBoardPost(postPath(), u"fb.1211090003"_s, newStyleURL(u"http"_s, u"open1"_s), u"三つ目"_s);

    // Two files of forum "fa" are separated by the interval; "fb" follows at once.
    QElapsedTimer clock;
    clock.start();
    QList<qint64> launched;
    f.m_panel.onStatusText = [&](const QString& text) {
        if (text.startsWith(RunFixture::text(u"StatusSoushin")))
            launched.append(clock.elapsed());
    };
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinSoushin), true);
    ASSERT_EQ(launched.size(), 3);
    EXPECT_GE(launched.at(1) - launched.at(0), 1500);
    EXPECT_LT(launched.at(2) - launched.at(1), 1400);
    EXPECT_EQ(storedPosts().size(), 3);

    // Stopped while waiting: nothing more is posted, even after the interval has passed.
    sim.adminPost(u"/requests/clear"_s);
    f.m_panel.onStatusText = nullptr;
    writeBoardPost(postPath(), u"fc.1211090004"_s, newStyleURL(u"http"_s, u"open1"_s), u"四つ目"_s);
    writeBoardPost(postPath(), u"fc.1211090005"_s, newStyleURL(u"http"_s, u"open1"_s), u"五つ目"_s);
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (f.m_run.sendStep().isWaitingForInterval())
            f.m_run.tsuushinStopAccess();
    });
    stopper.start(10);
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinSoushin), false);
    stopper.stop();
    QTest::qWait(2000);
    EXPECT_EQ(exchanges(), QStringList({u"login"_s, u"post open1 200"_s}));
    EXPECT_EQ(storedPosts().size(), 4);
    EXPECT_EQ(fileNames(postPath()), QStringList({u"fc.1211090005"_s}));
    EXPECT_FALSE(f.m_run.isRunActive());
    EXPECT_FALSE(f.m_panel.visible);
}

TEST_F(SendingRun, ExpiredOldStyleLoginIsRenewedAndTheMessagePostedOnce)
{
    writeBoardPost(postPath(), u"fa.1211090001"_s, oldStyleURL(u"old1"_s), u"一つ目"_s);
    writeBoardPost(postPath(), u"fa.1211090002"_s, oldStyleURL(u"old1"_s, 3), u"期限切れの後"_s);
    // Refused for its content also after a fresh login: it stays, and the next one goes.
    writeBoardPost(postPath(), u"fb.1211090003"_s, oldStyleURL(u"old1"_s, 9999), u"ない発言へ"_s);
    writeBoardPost(postPath(), u"fc.1211090004"_s, oldStyleURL(u"old1"_s), u"最後"_s);
    // The session ends while the run waits between the first two posts.
    QTimer expirer;
    bool expired = false;
    QObject::connect(&expirer, &QTimer::timeout, [&] {
        if (!expired && f.m_run.sendStep().isWaitingForInterval()) {
            expired = true;
            sim.adminPost(u"/sessions/expire"_s);
        }
    });
    expirer.start(10);
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinSoushin), true);
    EXPECT_TRUE(expired);
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_EQ(exchanges(), QStringList({u"login"_s, u"post old1 200"_s, u"post old1 403"_s, u"login"_s,
                                        u"post old1 200"_s, u"post old1 400"_s, u"login"_s,
                                        u"post old1 400"_s, u"post old1 200"_s, u"logout.go"_s}));
    EXPECT_EQ(storedPosts(), QStringList({u"old1 0 一つ目"_s, u"old1 3 期限切れの後"_s, u"old1 0 最後"_s}));
    EXPECT_EQ(fileNames(sentPath()),
              QStringList({u"fa.1211090001"_s, u"fa.1211090002"_s, u"fc.1211090004"_s}));
    EXPECT_EQ(fileNames(postPath()), QStringList({u"fb.1211090003"_s}));
}

TEST_F(SendingRun, FailedPostEndsTheRunWithItsAlertAndNoLogout)
{
    writeBoardPost(postPath(), u"fa.1211090001"_s, newStyleURL(u"http"_s, u"open1"_s), u"一つ目"_s);
    writeBoardPost(postPath(), u"fb.1211090002"_s, newStyleURL(u"http"_s, u"limit0"_s), u"二つ目"_s);
    sim.adminPost(u"/behaviour"_s, {{u"target"_s, u"post:open1"_s}, {u"mode"_s, u"abort"_s}});
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJunkai), false);
    EXPECT_EQ(exchanges(), QStringList({u"login"_s, u"post open1 200"_s}));
    EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"StopTsushinAlertTitle")}));
    EXPECT_EQ(fileNames(postPath()), QStringList({u"fa.1211090001"_s, u"fb.1211090002"_s}));
    EXPECT_EQ(f.m_cutTempLogCalls, 0);
    EXPECT_TRUE(f.m_panel.visible);
}
