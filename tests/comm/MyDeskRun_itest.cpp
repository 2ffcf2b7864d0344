// The MyDesk steps of a run against the simulated service with the real client: queued
// MyDesk messages delivered, the inbox pages and the unread messages' pages saved where the
// log cutting finds them.

#include "QueuedFiles.h"
#include "SimulatedRun.h"
#include "forumsim/PageReading.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QJsonArray>
#include <QUrl>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

class MyDeskRun : public SimulatedRun
{
protected:
    void SetUp() override
    {
        SimulatedRun::SetUp();
        f.m_preferences.setHatsugenIntervalTime(0.2);
    }

    void writeSettings(bool myDesk)
    {
        CommunicationSettings settings;
        settings.isMyDeskMessageAccess = myDesk;
        f.writeSettings(u"sim"_s, settings);
    }
    void deliver(const QString& text, bool read = false)
    {
        sim.adminPost(
            u"/mydesk"_s,
            {{u"to"_s, u"TAV00001"_s}, {u"from"_s, u"TAV09999"_s}, {u"text"_s, text}, {u"read"_s, read}});
    }
    // One name per request: the path's last piece, with the page of an inbox request.
    QStringList exchanges() const
    {
        QStringList names;
        for (const QJsonObject& request : requests()) {
            QString name = QUrl(request.value(u"url"_s).toString()).path().section(u'/', -1);
            if (name == u"inbox.go")
                name += u' ' + request.value(u"fields"_s).toObject().value(u"page"_s).toString();
            names.append(name);
        }
        return names;
    }
    QStringList names(const QString& folder) const
    {
        QStringList list = QDir(folder).entryList(QDir::Files);
        list.sort();
        return list;
    }
    // The texts of the inbox, as the service holds them, each with "read" or "unread".
    QStringList inbox() const
    {
        QStringList list;
        for (const QJsonValue& value : sim.adminGet(u"/mydesk/TAV00001"_s).value(u"inbox"_s).toArray()) {
            const QJsonObject message = value.toObject();
            list.append(message.value(u"text"_s).toString() +
                        (message.value(u"read"_s).toBool() ? u" read"_s : u" unread"_s));
        }
        list.sort();
        return list;
    }
    // Whether every one of `texts` is on one of the saved message pages of Tmp.
    bool pagesHold(const QStringList& texts) const
    {
        QString all;
        for (const QString& name : names(f.m_dataFolder.tmpPath()))
            all += decodePage(readFile(f.m_dataFolder.tmpPath() + u'/' + name));
        for (const QString& text : texts) {
            if (!all.contains(text))
                return false;
        }
        return true;
    }
};

TEST_F(MyDeskRun, StepsFollowTheFlagAndTheRunMode)
{
    deliver(u"未読の一"_s);
    deliver(u"未読の二"_s);
    deliver(u"読んだもの"_s, true);
    const QString post = f.m_dataFolder.postPath();
    writeMyDeskMessage(post, u"message.1211090001"_s, u"TAV00001"_s, u"自分への一"_s);

    const struct
    {
        const char* name;
        void (CommunicationRun::*command)();
        bool myDesk;
        QString queue; // a MyDesk message queued before the run
        QStringList exchanges;
        QStringList messagePages; // in Tmp
        QStringList texts;        // found on them
        QStringList posted;       // files left in Post
    } cases[] = {
        {"MyDesk off: nothing of MyDesk is touched",
         &CommunicationRun::tsuushinJunkai,
         false,
         {},
         {u"login"_s, u"logout.go"_s},
         {},
         {},
         {u"message.1211090001"_s}},
        {"receive only: the unread messages, the queue stays",
         &CommunicationRun::tsuushinJushin,
         true,
         {},
         {u"login"_s, u"inbox.go 1"_s, u"view.go"_s, u"view.go"_s, u"logout.go"_s},
         {u"message.0"_s, u"message.1"_s},
         {u"未読の一"_s, u"未読の二"_s},
         {u"message.1211090001"_s}},
        {"send only: the queue is sent, the inbox not fetched",
         &CommunicationRun::tsuushinSoushin,
         true,
         {},
         {u"login"_s, u"send.go"_s, u"logout.go"_s},
         {},
         {},
         {}},
        {"patrol: both, the message sent in this run read back",
         &CommunicationRun::tsuushinJunkai,
         true,
         u"message.1211090002"_s,
         {u"login"_s, u"send.go"_s, u"inbox.go 1"_s, u"view.go"_s, u"view.go"_s, u"logout.go"_s},
         {u"message.0"_s, u"message.1"_s},
         {u"自分への一"_s, u"自分への二"_s},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(c.myDesk);
        if (!c.queue.isEmpty())
            writeMyDeskMessage(post, c.queue, u"TAV00001"_s, u"自分への二"_s);
        sim.adminPost(u"/requests/clear"_s);
        EXPECT_EQ(f.run(u"sim"_s, c.command), true);
        EXPECT_TRUE(f.m_alerts.alerts().isEmpty());
        EXPECT_EQ(exchanges(), c.exchanges);
        EXPECT_EQ(names(f.m_dataFolder.tmpPath()).filter(QRegularExpression(u"^message\\.\\d+$"_s)),
                  c.messagePages);
        EXPECT_TRUE(pagesHold(c.texts));
        EXPECT_EQ(names(post), c.posted);
    }
    EXPECT_EQ(names(f.m_dataFolder.sentMessagesPath()),
              QStringList({u"message.1211090001"_s, u"message.1211090002"_s}));
    EXPECT_EQ(inbox(), QStringList({u"未読の一 read"_s, u"未読の二 read"_s, u"自分への一 read"_s,
                                    u"自分への二 read"_s, u"読んだもの read"_s}));
    EXPECT_EQ(names(f.m_dataFolder.forumTopPath()), QStringList({u"message.1"_s}));
}

TEST_F(MyDeskRun, InboxScanEndsAfterThreePagesOrAtAPageWithAReadMessage)
{
    writeSettings(true);
    for (int i = 0; i < 61; ++i)
        deliver(u"通知 " + QString::number(i));
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin), true);
    QStringList expected = {u"login"_s, u"inbox.go 1"_s, u"inbox.go 2"_s, u"inbox.go 3"_s};
    for (int i = 0; i < 60; ++i)
        expected.append(u"view.go"_s);
    expected.append(u"logout.go"_s);
    EXPECT_EQ(exchanges(), expected);
    EXPECT_TRUE(QFile::exists(f.m_dataFolder.tmpPath() + u"/message.59"_s));
    // The oldest is on page 4 and stays unread.
    EXPECT_EQ(inbox().filter(u" unread"_s), QStringList({u"通知 0 unread"_s}));

    // Page 1 now lists read messages: the scan ends there.
    sim.adminPost(u"/requests/clear"_s);
    EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJushin), true);
    EXPECT_EQ(exchanges(), QStringList({u"login"_s, u"inbox.go 1"_s, u"logout.go"_s}));
}

TEST_F(MyDeskRun, FailedMyDeskRequestEndsTheRunWithItsAlertAndNoLogout)
{
    writeSettings(true);
    deliver(u"未読"_s);
    deliver(u"既読"_s, true); // the inbox scan ends at page 1
    const struct
    {
        const char* target;
        QStringList exchanges;
    } cases[] = {
        {"send", {u"login"_s, u"send.go"_s}},
        {"inbox", {u"login"_s, u"send.go"_s, u"inbox.go 1"_s}},
        {"message", {u"login"_s, u"send.go"_s, u"inbox.go 1"_s, u"view.go"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        writeMyDeskMessage(f.m_dataFolder.postPath(), u"message.1211090001"_s, u"TAV00001"_s, u"自分へ"_s);
        QDir(f.m_dataFolder.sentMessagesPath()).removeRecursively();
        QDir().mkpath(f.m_dataFolder.sentMessagesPath());
        sim.adminPost(u"/requests/clear"_s);
        f.m_alerts.clear();
        f.m_panel.visible = false; // a failed run leaves it open
        sim.adminPost(u"/behaviour"_s,
                      {{u"target"_s, QLatin1String(c.target)}, {u"mode"_s, u"abort"_s}, {u"times"_s, 1}});
        EXPECT_EQ(f.run(u"sim"_s, &CommunicationRun::tsuushinJunkai), false);
        EXPECT_EQ(exchanges(), c.exchanges);
        EXPECT_EQ(f.alertTitles(), QStringList({RunFixture::text(u"StopTsushinAlertTitle")}));
        EXPECT_EQ(f.m_cutTempLogCalls, 0);
    }
}
