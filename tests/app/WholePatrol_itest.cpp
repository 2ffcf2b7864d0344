// A whole patrol as the window wires it: the communication run against the simulated
// service with the real /usr/bin/curl, its end handing Tmp to the log cutting run with the
// real tavrelsplit; what the user then finds in Warehouse, Post and SentMessages.

#include "FakeLogCutPanel.h"
#include "app/LogCutRun.h"
#include "comm/CurlTransferFactory.h"
#include "comm/QueuedFiles.h"
#include "comm/RunFixture.h"
#include "forumsim/ForumSimProcess.h"
#include "support/BoardLogLists.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

// The records whose text holds `text`.
QList<MessageRecord> recordsHolding(const BoardLogFile& log, const QString& text)
{
    QList<MessageRecord> found;
    for (const MessageRecord& record : log.body()) {
        if (record.contents().contains(text))
            found.append(record);
    }
    return found;
}

class WholePatrol : public ::testing::Test
{
protected:
    WholePatrol()
        : f(transfers)
    {}

    void SetUp() override
    {
        ASSERT_TRUE(sim.start({u"--scenario"_s, fixturePath(u"app/patrol_scenario.json"_s)}))
            << sim.errorText().toStdString();
        qputenv("CURL_HOME", sim.curlHome().toLocal8Bit());
        f.m_preferences.setHatsugenIntervalTime(0.2);
        // The two runs joined as the window joins them.
        logCut = std::make_unique<LogCutRun>(LogCutRun::Collaborators{
            f.m_dataFolder, f.m_preferences, f.m_configuration, f.m_alerts, f.m_log, sheet,
            binaryDir() + u"/tavrelsplit"_s, [this] { ++saves; }, [this] { ++refreshes; }});
        f.m_run.setStepHooks({[this] { logCut->cutTempLog(); }});

        CommunicationSettings settings;
        for (const auto& [base, id] : boards())
            settings.junkaiArray.append(RunFixture::board(base, id));
        settings.forumTopDownloadArray = {RunFixture::forumTop(
            u"fpat"_s, u"http://" + f.m_configuration.memberHost() + u"/forum/fpat/top.go")};
        settings.isMyDeskMessageAccess = true;
        f.writeSettings(u"patrol"_s, settings);
    }
    void TearDown() override { qunsetenv("CURL_HOME"); }

    // The patrol list: new-style, https, old-style, and an ISO-2022-JP board on its own host.
    QList<QPair<QString, QString>> boards() const
    {
        const ServiceConfiguration& c = f.m_configuration;
        return {{u"http://" + c.boardHostA() + u"/nbbin/nb_wrent/", u"new1"_s},
                {u"https://" + c.boardHostA() + u"/nbbin/nb_wrent/", u"sec1"_s},
                {u"http://" + c.boardHostE() + u"/mes/cf_wrent/", u"old1"_s},
                {u"http://" + c.boardHostC() + u"/nbbin/nb_wrent/", u"jis1"_s}};
    }

    // Runs `command` and the log cutting that follows it; false when either did not end, or
    // the communication run failed.
    bool patrol(void (CommunicationRun::*command)() = &CommunicationRun::tsuushinJunkai)
    {
        QSignalSpy cut(logCut.get(), &LogCutRun::logCutEnded);
        if (f.run(u"patrol"_s, command) != true)
            return false;
        return cut.count() == 1 || cut.wait(60000);
    }

    BoardLogFile board(const QString& id) const
    {
        std::optional<BoardLogFile> file = BoardLogFile::read(f.m_dataFolder.warehousePath() + u'/' + id);
        EXPECT_TRUE(file) << id.toStdString();
        return file.value_or(BoardLogFile());
    }
    int lastNumberOnService(const QString& id) const
    {
        return sim.adminGet(u"/boards/"_s + id).value(u"lastNumber"_s).toInt(-1);
    }
    QString postURL(const QString& id, int comment = 0) const
    {
        const ServiceConfiguration& c = f.m_configuration;
        const QString tail = u"_do?bid="_s + id + u"&wr_type=M"_s +
                             (comment ? u"&wr_psq="_s + QString::number(comment) : QString());
        if (id == u"old1")
            return u"http://" + c.boardHostE() + u"/mes/cf_wrent" + tail;
        return (id == u"sec1" ? u"https://"_s : u"http://"_s) + c.boardHostA() + u"/nbbin/nb_wrent" + tail;
    }
    void deliver(const QString& text)
    {
        sim.adminPost(u"/mydesk"_s,
                      {{u"to"_s, u"TAV00001"_s}, {u"from"_s, u"TAV00002"_s}, {u"text"_s, text}});
    }
    // The board posts the service stored (MyDesk sends are logged there too).
    QList<QJsonObject> boardPosts() const
    {
        QList<QJsonObject> posts;
        for (const QJsonValue& value : sim.adminGet(u"/posts"_s).value(u"posts"_s).toArray()) {
            if (value.toObject().value(u"kind"_s).toString() != u"mydesk")
                posts.append(value.toObject());
        }
        return posts;
    }
    // The boards whose pages were requested, in order, once each.
    QStringList boardsFetched() const
    {
        static const QRegularExpression page(u"/([^/]+)/wr_page=\\d+/"_s);
        QStringList names;
        for (const QJsonValue& value : sim.adminGet(u"/requests"_s).value(u"requests"_s).toArray()) {
            const QRegularExpressionMatch match = page.match(value.toObject().value(u"url"_s).toString());
            if (match.hasMatch() && !names.contains(match.captured(1)))
                names.append(match.captured(1));
        }
        return names;
    }

    ForumSimProcess sim;
    CurlTransferFactory transfers;
    RunFixture f;
    FakeLogCutPanel sheet;
    std::unique_ptr<LogCutRun> logCut;
    int saves = 0;
    int refreshes = 0;
};

} // namespace

TEST_F(WholePatrol, PatrolPostsReceivesAndCutsEveryBoardKindIntoItsLog)
{
    const QString post = f.m_dataFolder.postPath();
    const struct
    {
        QString file;
        QString board;
        int comment;
        QString body;
    } posts[] = {
        {u"fa.1212110001"_s, u"new1"_s, 0, u"新形式への新しい発言"_s},
        {u"fb.1212110002"_s, u"sec1"_s, 3, u"https の三番へのコメント"_s},
        {u"fc.5-1212110003"_s, u"old1"_s, 5, u"旧形式の五番へのコメント"_s},
    };
    for (const auto& p : posts)
        writeBoardPost(post, p.file, postURL(p.board, p.comment), p.body);
    writeMyDeskMessage(post, u"message.1212110004"_s, u"TAV00001"_s, u"自分への便り"_s);
    deliver(u"未読の便り一"_s);
    deliver(u"未読の便り二"_s);

    ASSERT_TRUE(patrol());
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
    EXPECT_EQ(boardsFetched(), QStringList({u"new1"_s, u"sec1"_s, u"old1"_s, u"jis1"_s}));

    const struct
    {
        QString id;
        QString explanation; // none when null
    } expected[] = {
        {u"new1"_s, u"新形式の会議室です。"_s},
        {u"sec1"_s, QString()},
        {u"old1"_s, u"旧形式の会議室です。"_s},
        {u"jis1"_s, u"ISO-2022-JP の会議室です。"_s},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id.toStdString());
        const BoardLogFile log = board(e.id);
        const int last = lastNumberOnService(e.id);
        ASSERT_GT(last, 20); // more than one page
        EXPECT_EQ(numbersOf(log),
                  (e.explanation.isNull() ? QStringList() : QStringList{u"0"_s}) + numberRange(1, last));
        if (!e.explanation.isNull()) {
            EXPECT_EQ(log.body().first().contents(), e.explanation);
            EXPECT_EQ(log.body().first().lock(), u"YES"_s);
        }
        // Everything arrived unread, the explanation too.
        EXPECT_EQ(log.header().midokuSu(), QString::number(log.body().size()));
        EXPECT_EQ(log.header().numberOfLastMes(), QString::number(last));
        EXPECT_FALSE(log.header().dateOfLastMes().isEmpty());
        EXPECT_EQ(log.header().dateOfLastMes(), log.body().last().date());
    }

    // Each post is on the service and came back into its board's log.
    const QList<QJsonObject> stored = boardPosts();
    ASSERT_EQ(stored.size(), 3);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const auto& p = posts[i];
        SCOPED_TRACE(p.file.toStdString());
        EXPECT_EQ(stored.at(i).value(u"board"_s).toString(), p.board);
        EXPECT_EQ(stored.at(i).value(u"wr_con1"_s).toString(), p.body);
        const QList<MessageRecord> records = recordsHolding(board(p.board), p.body);
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records.first().number(), QString::number(lastNumberOnService(p.board)));
        EXPECT_EQ(records.first().comment(), QString::number(p.comment));
    }
    EXPECT_EQ(
        fileNames(f.m_dataFolder.sentMessagesPath()),
        QStringList({u"fa.1212110001"_s, u"fb.1212110002"_s, u"fc.5-1212110003"_s, u"message.1212110004"_s}));
    EXPECT_TRUE(fileNames(post).isEmpty());

    // The MyDesk messages, the one sent in this run among them, are in the "message" log.
    const BoardLogFile messages = board(u"message"_s);
    EXPECT_EQ(messages.body().size(), 3);
    for (const QString& text : {u"未読の便り一"_s, u"未読の便り二"_s, u"自分への便り"_s})
        EXPECT_EQ(recordsHolding(messages, text).size(), 1) << text.toStdString();
    EXPECT_EQ(messages.header().midokuSu(), u"3"_s);

    // Warehouse holds the boards and nothing else; the sheet came and went once.
    EXPECT_EQ(fileNames(f.m_dataFolder.warehousePath()),
              QStringList({u"jis1"_s, u"message"_s, u"new1"_s, u"old1"_s, u"sec1"_s}));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(sheet.shown, 1);
    EXPECT_EQ(sheet.closed, 1);
    EXPECT_FALSE(sheet.visible);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(f.m_panel.visible);
}

TEST_F(WholePatrol, SecondPatrolAddsOnlyWhatIsNew)
{
    deliver(u"最初の便り"_s);
    ASSERT_TRUE(patrol());
    // The user reads two of the boards in between, as a save point writes them.
    const QStringList readByTheUser{u"new1"_s, u"message"_s};
    for (const QString& id : readByTheUser) {
        BoardLogFile log = board(id);
        for (MessageRecord& record : log.body())
            record.setDontRead(u"NO"_s);
        log.header().setMidokuSu(u"0"_s);
        ASSERT_TRUE(log.write(f.m_dataFolder.warehousePath() + u'/' + id));
    }
    QHash<QString, QPair<qsizetype, int>> before; // records, unread
    QHash<QString, QByteArray> bytes;
    for (const QString& id : {u"new1"_s, u"sec1"_s, u"old1"_s, u"jis1"_s, u"message"_s}) {
        const BoardLogFile log = board(id);
        before.insert(id, {log.body().size(), log.header().midokuSu().toInt()});
        bytes.insert(id, readFile(f.m_dataFolder.warehousePath() + u'/' + id));
    }

    sim.adminPost(u"/boards/new1/messages"_s, {{u"count"_s, 3}});
    sim.adminPost(
        u"/boards/old1/messages"_s,
        {{u"title"_s, u"追加"_s}, {u"member"_s, u"TAV00002"_s}, {u"body"_s, u"二度目の巡回までに"_s}});
    deliver(u"二通目の便り"_s);
    sim.adminPost(u"/requests/clear"_s);
    ASSERT_TRUE(patrol());
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());

    // The forum top page dropped the boards without news.
    EXPECT_EQ(boardsFetched(), QStringList({u"new1"_s, u"old1"_s}));
    const struct
    {
        QString id;
        int added;
    } cases[] = {{u"new1"_s, 3}, {u"old1"_s, 1}, {u"message"_s, 1}, {u"sec1"_s, 0}, {u"jis1"_s, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id.toStdString());
        const BoardLogFile log = board(c.id);
        EXPECT_EQ(log.body().size(), before.value(c.id).first + c.added);
        EXPECT_EQ(log.header().midokuSu(), QString::number(before.value(c.id).second + c.added));
        if (c.id != u"message") {
            EXPECT_EQ(log.header().numberOfLastMes(), QString::number(lastNumberOnService(c.id)));
            EXPECT_EQ(log.body().last().number(), log.header().numberOfLastMes());
        }
        if (c.added == 0) {
            EXPECT_EQ(readFile(f.m_dataFolder.warehousePath() + u'/' + c.id), bytes.value(c.id));
        }
    }
    QStringList unread;
    const BoardLogFile news = board(u"new1"_s);
    for (const MessageRecord& record : news.body()) {
        if (record.dontRead() == u"YES")
            unread.append(record.number());
    }
    EXPECT_EQ(unread, numberRange(26, 28));
    EXPECT_EQ(recordsHolding(board(u"old1"_s), u"二度目の巡回までに"_s).size(), 1);
    EXPECT_EQ(recordsHolding(board(u"message"_s), u"二通目の便り"_s).size(), 1);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(sheet.closed, 2);
}

TEST_F(WholePatrol, BoardRestartedOnTheServiceLeavesABackupAndAFreshLog)
{
    ASSERT_TRUE(patrol());
    const BoardLogFile old = board(u"new1"_s);
    ASSERT_EQ(old.header().numberOfLastMes(), u"25"_s);

    sim.adminPost(u"/boards/new1/restart"_s, {{u"count"_s, 4}});
    ASSERT_TRUE(patrol());
    EXPECT_TRUE(f.m_alerts.alerts().isEmpty());

    const QString path = f.m_dataFolder.warehousePath() + u"/new1"_s;
    const std::optional<BoardLogFile> backup = BoardLogFile::read(path + u".1"_s);
    ASSERT_TRUE(backup);
    EXPECT_EQ(numbersOf(*backup), numbersOf(old));
    EXPECT_FALSE(QFile::exists(path + u".2"_s));
    const BoardLogFile fresh = board(u"new1"_s);
    EXPECT_EQ(numbersOf(fresh), QStringList({u"0"_s}) + numberRange(1, 4));
    EXPECT_EQ(fresh.header().numberOfLastMes(), u"4"_s);
    EXPECT_EQ(fresh.header().dateOfLastMes(), fresh.body().last().date());
    EXPECT_EQ(fresh.header().midokuSu(), u"5"_s);
    EXPECT_EQ(fresh.header().kaigishitsuName(), old.header().kaigishitsuName());
}

TEST_F(WholePatrol, ReceiveOnlyThenSendOnlyThroughTheWholeChain)
{
    const QString post = f.m_dataFolder.postPath();
    writeBoardPost(post, u"fa.1212110001"_s, postURL(u"new1"_s), u"後で送る発言"_s);
    writeMyDeskMessage(post, u"message.1212110002"_s, u"TAV00001"_s, u"後で送る便り"_s);
    deliver(u"受信だけで読む便り"_s);
    const QStringList allBoards{u"jis1"_s, u"message"_s, u"new1"_s, u"old1"_s, u"sec1"_s};

    const struct
    {
        const char* name;
        void (CommunicationRun::*command)();
        QStringList warehouse;
        QStringList queued;
        QStringList sent;
        qsizetype posts;      // on the service
        qsizetype myDeskLog;  // records in the "message" log
        bool boardsUnchanged; // since the case before
    } cases[] = {
        {"receive only: every board and the inbox, nothing sent",
         &CommunicationRun::tsuushinJushin,
         allBoards,
         {u"fa.1212110001"_s, u"message.1212110002"_s},
         {},
         0,
         1,
         false},
        {"send only: both queued messages go, no board or inbox is fetched",
         &CommunicationRun::tsuushinSoushin,
         allBoards,
         {},
         {u"fa.1212110001"_s, u"message.1212110002"_s},
         1,
         1,
         true},
    };
    QHash<QString, QByteArray> previous;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(patrol(c.command));
        EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
        EXPECT_EQ(fileNames(f.m_dataFolder.warehousePath()), c.warehouse);
        EXPECT_EQ(fileNames(post), c.queued);
        EXPECT_EQ(fileNames(f.m_dataFolder.sentMessagesPath()), c.sent);
        EXPECT_EQ(boardPosts().size(), c.posts);
        EXPECT_EQ(board(u"message"_s).body().size(), c.myDeskLog);
        for (const QString& id : allBoards) {
            const QByteArray now = readFile(f.m_dataFolder.warehousePath() + u'/' + id);
            if (c.boardsUnchanged) {
                EXPECT_EQ(now, previous.value(id)) << id.toStdString();
            }
            previous.insert(id, now);
        }
    }
    EXPECT_EQ(board(u"new1"_s).header().numberOfLastMes(), u"25"_s);
    EXPECT_EQ(lastNumberOnService(u"new1"_s), 26);
    EXPECT_EQ(refreshes, 2);
}
