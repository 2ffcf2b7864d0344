// MyDesk through curl: the inbox with its unread and read markers, message pages that mark
// a message read, and sending, all behind the login session.

#include "ForumSimFixture.h"

#include <QJsonArray>

using namespace tavrel::test;
using tavrel::ServiceConfiguration;
using tavrel::TextScanner;

class MyDesk : public ForumSimFixture
{
protected:
    void SetUp() override
    {
        ForumSimFixture::SetUp();
        ASSERT_EQ(login(memberId(), memberPassword()).exitCode, 0);
    }

    QString member() const { return QStringLiteral("http://") + configuration().memberHost(); }

    QString inbox(int number)
    {
        const QString output = QStringLiteral("message.%1").arg(number);
        EXPECT_EQ(curl({QStringLiteral("-o") + output, QStringLiteral("-b") + cookiePath(),
                        QStringLiteral("-D") + nextPath(), QStringLiteral("-dsort=3"),
                        QStringLiteral("-dpage=%1").arg(number),
                        member() + QStringLiteral("/forum/message/inbox.go")},
                       QStringLiteral("ForumTop"))
                      .exitCode,
                  0);
        return page(QStringLiteral("ForumTop/") + output);
    }

    // The links after each unread marker, made absolute as the client does.
    QStringList unreadLinks(const QString& inboxPage) const
    {
        QStringList links;
        TextScanner scanner(inboxPage);
        const QString marker = configuration().messageInboxMidokuIMGTag();
        while (scanner.scanUpTo(marker) && scanner.scan(marker)) {
            const auto link = scanner.textBetween(u"<a href=\"", u"\"");
            if (!link)
                break;
            links.append(member() + QStringLiteral("/forum/message/") + link->toString());
        }
        return links;
    }
};

TEST_F(MyDesk, UnreadMessagesAreListedFetchedAndThenShownAsRead)
{
    const QString first = inbox(1);
    EXPECT_TRUE(first.contains(configuration().messageInboxKidokuIMGTag()));
    const QStringList links = unreadLinks(first);
    ASSERT_EQ(links.size(), 3);

    for (qsizetype i = 0; i < links.size(); ++i) {
        const QString output = QStringLiteral("message.%1").arg(i);
        ASSERT_EQ(curl({QStringLiteral("-o") + output, QStringLiteral("-b") + cookiePath(),
                        QStringLiteral("-D") + nextPath(), links.at(i)},
                       QStringLiteral("Tmp"))
                      .exitCode,
                  0);
        // The cells the MyDesk page parser reads: sender link, member ID, date, text.
        const QString message = page(QStringLiteral("Tmp/") + output);
        TextScanner scanner(message);
        ASSERT_TRUE(scanner.scanUpTo(u"<a class=\"classname\""));
        ASSERT_TRUE(scanner.scanUpTo(u">") && scanner.scan(u">"));
        const auto sender = scanner.scanUpTo(u"<");
        ASSERT_TRUE(sender);
        ASSERT_TRUE(scanner.scanUpTo(u"<td") && scanner.scanUpTo(u">") && scanner.scan(u">"));
        const auto id = scanner.scanUpToAnyOf(u"\r\n<");
        ASSERT_TRUE(id);
        EXPECT_TRUE(id->startsWith(u"TAV") || *id == u"SYSOP001");
        ASSERT_TRUE(scanner.scanUpTo(u"<td width=") && scanner.scanUpTo(u">") && scanner.scan(u">"));
        EXPECT_TRUE(scanner.scanUpTo(u"<").value_or(QStringView()).contains(u'/'));
        EXPECT_FALSE(between(message, u"<td class=\"jpsystem\">", u"<br>").isEmpty());
        if (i == 0) {
            EXPECT_EQ(sender->toString(), QStringLiteral("はなこ"));
            EXPECT_EQ(between(message, u"<td class=\"jpsystem\">", u"<br>"),
                      QStringLiteral("オフ会のお知らせ"));
        }
    }
    EXPECT_TRUE(unreadLinks(inbox(1)).isEmpty());
    // Every message page carries the same title, so the message log keeps its identity.
    EXPECT_EQ(between(page(QStringLiteral("Tmp/message.0")), u"<title>", u"</title>"),
              between(page(QStringLiteral("Tmp/message.2")), u"<title>", u"</title>"));
}

TEST_F(MyDesk, InboxPagesHoldTwentyMessagesNewestFirst)
{
    for (int i = 0; i < 21; ++i) {
        m_sim.adminPost(QStringLiteral("/mydesk"),
                        QJsonObject{{QStringLiteral("to"), memberId()},
                                    {QStringLiteral("from"), QStringLiteral("TAV00005")},
                                    {QStringLiteral("text"), QStringLiteral("お知らせ%1\n本文").arg(i)}});
    }
    // 26 messages: page 1 holds 20 unread ones and no read marker, page 2 the rest.
    const QString first = inbox(1);
    EXPECT_EQ(unreadLinks(first).size(), 20);
    EXPECT_FALSE(first.contains(configuration().messageInboxKidokuIMGTag()));
    const QString second = inbox(2);
    EXPECT_EQ(unreadLinks(second).size(), 4);
    EXPECT_TRUE(second.contains(configuration().messageInboxKidokuIMGTag()));
    EXPECT_TRUE(unreadLinks(inbox(3)).isEmpty());
}

TEST_F(MyDesk, SendingNeedsTheSecondStepAndTheSession)
{
    const QStringList send = {QStringLiteral("-o_message.1211093000.html"),
                              QStringLiteral("-b") + cookiePath(),
                              QStringLiteral("-D") + nextPath(),
                              QStringLiteral("-f"),
                              QStringLiteral("-dtarget=secondok"),
                              QStringLiteral("-dtoid=TAV00002"),
                              QStringLiteral("-dtoname=") + urlEncode(QStringLiteral("はなこ")),
                              QStringLiteral("-dmessage=") +
                                  urlEncode(QStringLiteral("お返事です\r\nまた会いましょう")),
                              member() + QStringLiteral("/forum/message/send.go")};
    ASSERT_EQ(curl(send, QStringLiteral("Tmp")).exitCode, 0);
    const QJsonArray inbox =
        m_sim.adminGet(QStringLiteral("/mydesk/TAV00002")).value(QStringLiteral("inbox")).toArray();
    ASSERT_FALSE(inbox.isEmpty());
    EXPECT_EQ(inbox.first().toObject().value(QStringLiteral("text")).toString(),
              QStringLiteral("お返事です\r\nまた会いましょう"));
    EXPECT_EQ(inbox.first().toObject().value(QStringLiteral("from")).toString(), memberId());
    EXPECT_FALSE(inbox.first().toObject().value(QStringLiteral("read")).toBool());

    QStringList firstStep = send;
    firstStep.replace(4, QStringLiteral("-dtarget=first"));
    ASSERT_EQ(curl(firstStep, QStringLiteral("Tmp")).exitCode, 0);
    EXPECT_EQ(m_sim.adminGet(QStringLiteral("/posts")).value(QStringLiteral("posts")).toArray().size(), 1);

    m_sim.adminPost(QStringLiteral("/sessions/expire"));
    EXPECT_EQ(curl(send, QStringLiteral("Tmp")).exitCode, 22);
    EXPECT_EQ(m_sim.adminGet(QStringLiteral("/posts")).value(QStringLiteral("posts")).toArray().size(), 1);
}
