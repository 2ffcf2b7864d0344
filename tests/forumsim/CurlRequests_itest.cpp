// Every request kind of the client, with its argument list, through the real curl and the
// simulator's curl config: the exit status and what the saved page holds.

#include "ForumSimFixture.h"

#include <QJsonArray>

using namespace tavrel::test;
using tavrel::ServiceConfiguration;

namespace {

struct RequestCase
{
    const char* name;
    const char* folder;
    // "{cookies}", "{next}", "{id}" and "{password}" stand for the cookie file, the next
    // cookie file and the member's ID and password.
    QStringList arguments;
    int exitCode;
    // Message blocks expected on the saved page; -1 when not counted.
    int messages;
    // A text the saved page holds (UTF-8), or nullptr.
    const char* contains;
};

QString base(const QString& scheme, const QString& host, const char* folder)
{
    return scheme + QStringLiteral("://") + host + u'/' + QLatin1String(folder) + u'/';
}

} // namespace

class CurlRequests : public ForumSimFixture
{
protected:
    QStringList expanded(const QStringList& arguments) const
    {
        QStringList result;
        for (QString argument : arguments) {
            argument.replace(QStringLiteral("{cookies}"), cookiePath());
            argument.replace(QStringLiteral("{next}"), nextPath());
            argument.replace(QStringLiteral("{id}"), memberId());
            argument.replace(QStringLiteral("{password}"), memberPassword());
            result.append(argument);
        }
        return result;
    }
};

TEST_F(CurlRequests, EveryRequestKindOfTheClientIsAnswered)
{
    const ServiceConfiguration& c = configuration();
    const QString openA = base(QStringLiteral("http"), c.boardHostA(), "nbbin/nb_wrent");
    const QString semiA = base(QStringLiteral("https"), c.boardHostA(), "nbbin/nb_wrent");
    const QString closeA = base(QStringLiteral("https"), c.boardHostA(), "nbbin_s/nb_wrent");
    const QString oldE = base(QStringLiteral("http"), c.boardHostE(), "mes/cf_wrent");
    const QString oldLegacyE = base(QStringLiteral("http"), c.boardHostELegacy(), "mes/cf_wrent");
    const QString oldD = base(QStringLiteral("http"), c.boardHostD(), "mes/cf_wrent");
    const QString member = QStringLiteral("http://") + c.memberHost();
    const QString forum = QStringLiteral("http://") + c.forumHost();
    const QStringList limits{QStringLiteral("-m1800"), QStringLiteral("-Y500"), QStringLiteral("-y60")};
    const QString ktype = QStringLiteral("-dktype=") + urlEncode(c.maru());

    const QList<RequestCase> cases = {
        {"new-style http page", "Tmp",
         QStringList{QStringLiteral("-oneko01.1")} + limits +
             QStringList{pageUrl(openA, QStringLiteral("neko01"), 1)},
         0, 20, "雑談会議室"},
        {"https page without basic authentication", "Tmp",
         QStringList{QStringLiteral("-oneko02.1")} + limits +
             QStringList{pageUrl(semiA, QStringLiteral("neko02"), 1)},
         0, 0, "401"},
        {"https page with basic authentication", "Tmp",
         QStringList{QStringLiteral("-u{id}:{password}"), QStringLiteral("-oneko02.1")} + limits +
             QStringList{pageUrl(semiA, QStringLiteral("neko02"), 1)},
         0, 20, "写真会議室：子猫"},
        {"members-only page for a member", "Tmp",
         QStringList{QStringLiteral("-u{id}:{password}"), QStringLiteral("-okaiin01.1")} + limits +
             QStringList{pageUrl(closeA, QStringLiteral("kaiin01"), 1)},
         0, 18, nullptr},
        {"members-only page for another member", "Tmp",
         QStringList{QStringLiteral("-uTAV00006:soto-6"), QStringLiteral("-okaiin01.1")} + limits +
             QStringList{pageUrl(closeA, QStringLiteral("kaiin01"), 1)},
         0, 0, "403"},
        {"protected page without its password", "Tmp",
         QStringList{QStringLiteral("-oneko04.1")} + limits +
             QStringList{pageUrl(openA, QStringLiteral("neko04"), 1)},
         0, 0, "b_passwd"},
        {"protected page with its password", "Tmp",
         QStringList{QStringLiteral("-oneko04.1"), ktype, QStringLiteral("-db_passwd=mikan")} + limits +
             QStringList{pageUrl(openA, QStringLiteral("neko04"), 1)},
         0, 12, nullptr},
        {"protected page with a wrong password", "Tmp",
         QStringList{QStringLiteral("-oneko04.1"), ktype, QStringLiteral("-db_passwd=mikan2")} + limits +
             QStringList{pageUrl(openA, QStringLiteral("neko04"), 1)},
         0, 0, "パスワードが違います"},
        {"old-style page with the session", "Tmp",
         QStringList{QStringLiteral("-oneko03.1"), QStringLiteral("-b{cookies}"),
                     QStringLiteral("-D{next}")} +
             limits + QStringList{pageUrl(oldE, QStringLiteral("neko03"), 1)},
         0, 20, "旧・猫の会議室"},
        {"old-style page on the legacy host", "Tmp",
         QStringList{QStringLiteral("-oneko03.1"), QStringLiteral("-b{cookies}"),
                     QStringLiteral("-D{next}")} +
             limits + QStringList{pageUrl(oldLegacyE, QStringLiteral("neko03"), 2)},
         0, 20, nullptr},
        {"old-style page on board host D", "Tmp",
         QStringList{QStringLiteral("-otetsu02.1"), QStringLiteral("-b{cookies}"),
                     QStringLiteral("-D{next}")} +
             limits + QStringList{pageUrl(oldD, QStringLiteral("tetsu02"), 1)},
         0, 20, nullptr},
        {"old-style page without a session", "Tmp",
         QStringList{QStringLiteral("-oneko03.1"), QStringLiteral("-b/nonexistent/cookies"),
                     QStringLiteral("-D{next}")} +
             limits + QStringList{pageUrl(oldE, QStringLiteral("neko03"), 1)},
         0, 0, "403"},
        {"board under the wrong script folder", "Tmp",
         QStringList{QStringLiteral("-oneko01.1")} + limits +
             QStringList{pageUrl(oldE, QStringLiteral("neko01"), 1)},
         0, 0, "404"},
        {"forum top page",
         "ForumTop",
         {QStringLiteral("-ofneko"), member + QStringLiteral("/forum/fneko/top.go")},
         0,
         -1,
         "<!-- TOOLINFO B -->"},
        {"MyDesk inbox page",
         "ForumTop",
         {QStringLiteral("-omessage.1"), QStringLiteral("-b{cookies}"), QStringLiteral("-D{next}"),
          QStringLiteral("-dsort=3"), QStringLiteral("-dpage=1"),
          member + QStringLiteral("/forum/message/inbox.go")},
         0,
         -1,
         "icon_midoku.gif"},
        {"MyDesk message page",
         "Tmp",
         {QStringLiteral("-omessage.0"), QStringLiteral("-b{cookies}"), QStringLiteral("-D{next}"),
          member + QStringLiteral("/forum/message/view.go?id=1")},
         0,
         -1,
         "<td class=\"jpsystem\">"},
        {"forum list",
         "",
         {QStringLiteral("-oforum_list.html"), QStringLiteral("-f"),
          forum + QStringLiteral("/fwebkk/cm_freeboard/forum_list.html")},
         0,
         -1,
         "BBSINI="},
        {"board list at a URL the forum answers",
         "",
         {QStringLiteral("-oftetsu"), QStringLiteral("-f"),
          forum + QStringLiteral("/fwebkk/cm_freeboard/ftetsu/cm_freeboard.html")},
         0,
         -1,
         "OPEN1:tetsu01"},
        {"board list at a URL the forum does not answer",
         "",
         {QStringLiteral("-oftetsu.missing"), QStringLiteral("-f"),
          forum + QStringLiteral("/ftetsu/cm_freeboard.html")},
         22,
         -1,
         nullptr},
        {"all-board list",
         "",
         {QStringLiteral("-ocm_freeboard_all.html"),
          forum + QStringLiteral("/fwebkk/cm_freeboard/cm_freeboard_all.html")},
         0,
         -1,
         "[fneko]"},
        {"logout",
         "",
         {QStringLiteral("-onifty_Logout.html"), QStringLiteral("-b{cookies}"),
          member + QStringLiteral("/forum/logout.go")},
         0,
         -1,
         "ログアウト"},
        {"old-style page after the logout", "Tmp",
         QStringList{QStringLiteral("-oneko03.1"), QStringLiteral("-b{cookies}"),
                     QStringLiteral("-D{next}")} +
             limits + QStringList{pageUrl(oldE, QStringLiteral("neko03"), 1)},
         0, 0, "403"},
    };

    ASSERT_EQ(login(memberId(), memberPassword()).exitCode, 0);
    for (const RequestCase& test : cases) {
        SCOPED_TRACE(test.name);
        const QStringList arguments = expanded(test.arguments);
        const CurlRun run = curl(arguments, QLatin1String(test.folder));
        EXPECT_EQ(run.exitCode, test.exitCode) << run.errorOutput.toStdString();
        QString output;
        for (const QString& argument : arguments) {
            if (argument.startsWith(QStringLiteral("-o")))
                output = QDir(QLatin1String(test.folder)).filePath(argument.mid(2));
        }
        const QString saved = page(output);
        if (test.messages >= 0) {
            EXPECT_EQ(numbersOf(saved).size(), test.messages);
        }
        if (test.contains) {
            EXPECT_TRUE(saved.contains(QString::fromUtf8(test.contains))) << saved.left(600).toStdString();
        }
    }
}

TEST_F(CurlRequests, LoginCookiesForTheWholeDomainReachAnOldStyleBoardOnAnotherHost)
{
    ASSERT_EQ(login(memberId(), memberPassword()).exitCode, 0);
    const QString dump = QString::fromLatin1(readFile(cookiePath()));
    EXPECT_TRUE(dump.contains(QStringLiteral("Set-Cookie: NFSESSION=")));
    EXPECT_TRUE(dump.contains(QStringLiteral("; Domain=") + configuration().serviceDomain()))
        << dump.toStdString();
    const QString login = page(QStringLiteral("nifty_Login.html"));
    EXPECT_TRUE(login.contains(QStringLiteral("ログインしました")));

    const QString url =
        pageUrl(QStringLiteral("http://") + configuration().boardHostE() + QStringLiteral("/mes/cf_wrent/"),
                QStringLiteral("neko03"), 1);
    ASSERT_EQ(curl({QStringLiteral("-oneko03.1"), QStringLiteral("-b") + cookiePath(),
                    QStringLiteral("-D") + nextPath(), QStringLiteral("-m1800"), QStringLiteral("-Y500"),
                    QStringLiteral("-y60"), url},
                   QStringLiteral("Tmp"))
                  .exitCode,
              0);
    EXPECT_EQ(numbersOf(page(QStringLiteral("Tmp/neko03.1"))).size(), 20);
    // The answer renews the session cookies, so the client's rotation keeps a full set.
    EXPECT_TRUE(QString::fromLatin1(readFile(nextPath())).contains(QStringLiteral("Set-Cookie: NFSESSION=")));

    const QJsonArray requests =
        m_sim.adminGet(QStringLiteral("/requests")).value(QStringLiteral("requests")).toArray();
    ASSERT_FALSE(requests.isEmpty());
    const QJsonObject last = requests.last().toObject();
    EXPECT_EQ(last.value(QStringLiteral("url")).toString(), url);
    EXPECT_EQ(last.value(QStringLiteral("member")).toString(), memberId());
    const QJsonObject loginEntry = requests.first().toObject();
    EXPECT_EQ(
        loginEntry.value(QStringLiteral("fields")).toObject().value(QStringLiteral("attest_id")).toString(),
        memberId());
}

TEST_F(CurlRequests, AWrongPasswordGivesTheLoginFormAndNoSession)
{
    ASSERT_EQ(login(memberId(), QStringLiteral("wrong password")).exitCode, 0);
    EXPECT_FALSE(QString::fromLatin1(readFile(cookiePath())).contains(QStringLiteral("NFSESSION")));
    EXPECT_TRUE(page(QStringLiteral("nifty_Login.html")).contains(QStringLiteral("attest_pass")));
    EXPECT_EQ(m_sim.adminGet(QStringLiteral("/state")).value(QStringLiteral("liveSessions")).toInt(), 0);
}

TEST_F(CurlRequests, AnExpiredSessionMakesAnOldStylePostFailWithExit22)
{
    ASSERT_EQ(login(memberId(), memberPassword()).exitCode, 0);
    const ServiceConfiguration& c = configuration();
    const QStringList post = {QStringLiteral("-o_neko03.1211093000.html"),
                              QStringLiteral("-b") + cookiePath(),
                              QStringLiteral("-D") + nextPath(),
                              QStringLiteral("-f"),
                              QStringLiteral("-dktype=") + urlEncode(c.maru()),
                              QStringLiteral("-dwr_spname=") + urlEncode(QStringLiteral("ねこ太郎")),
                              QStringLiteral("-dwr_con1=") + urlEncode(QStringLiteral("本文")),
                              QStringLiteral("-dtstamp=940590220"),
                              QStringLiteral("-dexec=") + urlEncode(c.hatsugenSuru()),
                              QStringLiteral("http://") + c.boardHostE() +
                                  QStringLiteral("/mes/cf_wrent_do?bid=neko03&wr_type=M")};
    EXPECT_EQ(curl(post, QStringLiteral("Tmp")).exitCode, 0);

    ASSERT_TRUE(m_sim.adminPost(QStringLiteral("/sessions/expire")).value(QStringLiteral("ok")).toBool());
    EXPECT_EQ(curl(post, QStringLiteral("Tmp")).exitCode, 22);
    const QJsonArray posts =
        m_sim.adminGet(QStringLiteral("/posts")).value(QStringLiteral("posts")).toArray();
    EXPECT_EQ(posts.size(), 1);
}
