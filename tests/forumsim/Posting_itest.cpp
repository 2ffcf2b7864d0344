// Posts as the client sends them: the post URL taken from a board page's comment link, the
// form fields in the client's order and Shift_JIS form encoding. A post appears on the next
// page fetch under the board's next number with every field decoded.

#include "ForumSimFixture.h"

#include <QJsonArray>

using namespace tavrel::test;
using tavrel::ServiceConfiguration;
using tavrel::TextScanner;

namespace {

struct BoardAccess
{
    const char* id;
    // Board server base URL, e.g. "http://nbbs-a.example.com/nbbin/nb_wrent/".
    QString base;
    const char* password = "";
};

struct PostCase
{
    const char* name;
    BoardAccess board;
    bool comment;
    QString spname;
    QString title;
    QString email;
    QString body;
    QString link;
    QString delkw;
};

bool isOldStyle(const BoardAccess& board)
{
    return board.base.contains(QStringLiteral("cf_wrent"), Qt::CaseInsensitive);
}

bool isSecure(const QString& url)
{
    return url.left(5).toLower() == u"https";
}

} // namespace

class Posting : public ForumSimFixture
{
protected:
    void SetUp() override
    {
        ForumSimFixture::SetUp();
        ASSERT_EQ(login(memberId(), memberPassword()).exitCode, 0);
    }

    // Page `number` of the board, fetched with the client's argument order for its kind.
    QString fetchPage(const BoardAccess& board, int number)
    {
        const QString output = QStringLiteral("%1.%2").arg(QLatin1String(board.id)).arg(number);
        QStringList arguments{QStringLiteral("-o") + output, QStringLiteral("-m1800"),
                              QStringLiteral("-Y500"), QStringLiteral("-y60"),
                              pageUrl(board.base, QLatin1String(board.id), number)};
        if (isOldStyle(board)) {
            arguments.insert(1, QStringLiteral("-b") + cookiePath());
            arguments.insert(2, QStringLiteral("-D") + nextPath());
        } else if (isSecure(board.base)) {
            arguments.insert(0, QStringLiteral("-u") + memberId() + u':' + memberPassword());
        }
        if (*board.password) {
            arguments.insert(1, QStringLiteral("-dktype=") + urlEncode(configuration().maru()));
            arguments.insert(2, QStringLiteral("-db_passwd=") + urlEncode(QLatin1String(board.password)));
        }
        EXPECT_EQ(curl(arguments, QStringLiteral("Tmp")).exitCode, 0);
        return page(QStringLiteral("Tmp/") + output);
    }

    // The argument list of a post, in the client's order.
    QStringList postArguments(const PostCase& post, const QString& url) const
    {
        const ServiceConfiguration& c = configuration();
        const bool old = url.contains(QStringLiteral("cf_wrent"), Qt::CaseInsensitive);
        QStringList arguments{QStringLiteral("-o_%1.1211093000.html").arg(QLatin1String(post.board.id))};
        if (old)
            arguments << QStringLiteral("-b") + cookiePath() << QStringLiteral("-D") + nextPath()
                      << QStringLiteral("-f");
        else if (isSecure(url))
            arguments << QStringLiteral("-u") + memberId() + u':' + memberPassword();
        const auto field = [&](const char* name, const QString& value) {
            if (!value.isEmpty())
                arguments << QStringLiteral("-d%1=").arg(QLatin1String(name)) + urlEncode(value);
        };
        field("ktype", c.maru());
        field("wr_spname", post.spname);
        if (!old)
            field("wr_email", post.email);
        field("wr_title", post.title);
        if (old)
            field("wr_email", post.email);
        field("wr_con1", post.body);
        if (!old)
            field("wr_lurl", post.link);
        field("wr_sppasswd", QLatin1String(post.board.password));
        field("wr_delkw", post.delkw);
        if (old) {
            arguments << QStringLiteral("-dtstamp=940590220");
            // The location: the script path after the domain up to "_do", then the board.
            TextScanner scanner(url);
            const auto script = scanner.scanUpTo(c.serviceDomain()) && scanner.scan(c.serviceDomain())
                                    ? scanner.scanUpTo(u"_do")
                                    : std::nullopt;
            const auto board = script && scanner.scanUpTo(u"bid=") && scanner.scan(u"bid=")
                                   ? scanner.scanUpTo(u"&")
                                   : std::nullopt;
            if (board && url.contains(QStringLiteral("wr_psq=")))
                field("wr_location", script->toString() + u'/' + board->toString());
            field("exec", c.hatsugenSuru());
        }
        arguments << url;
        return arguments;
    }
};

TEST_F(Posting, PostsAppearUnderTheNextNumberWithEveryFieldDecoded)
{
    const ServiceConfiguration& c = configuration();
    const BoardAccess open{"neko01",
                           QStringLiteral("http://") + c.boardHostA() + QStringLiteral("/nbbin/nb_wrent/")};
    const BoardAccess semiOpen{"neko02", QStringLiteral("https://") + c.boardHostA() +
                                             QStringLiteral("/nbbin/nb_wrent/")};
    const BoardAccess protectedBoard{"neko04", open.base, "mikan"};
    const BoardAccess membersOnly{"kaiin02", QStringLiteral("https://") + c.boardHostB() +
                                                 QStringLiteral("/nbbin_s/nb_wrent/")};
    const BoardAccess oldE{"neko03",
                           QStringLiteral("http://") + c.boardHostE() + QStringLiteral("/mes/cf_wrent/")};
    const BoardAccess oldD{"tetsu02",
                           QStringLiteral("http://") + c.boardHostD() + QStringLiteral("/mes/cf_wrent/")};

    const QList<PostCase> cases = {
        {"new message, new-style http", open, false, QStringLiteral("ねこ太郎"), QStringLiteral("今日のタマ"),
         QStringLiteral("tarou@example.jp"),
         QStringLiteral("一行目 a.b-c_d x=y&z\r\n二行目～①ｶﾀｶﾅ\r\n\r\n四行目"),
         QStringLiteral("http://www.example.com/~tarou/"), QStringLiteral("del key")},
        {"comment, new-style https with wr_add", semiOpen, true, QStringLiteral("はなこ"),
         QStringLiteral("Re:かわいい"), QString(), QStringLiteral("うちの子にも\r\n見せたいです"), QString(),
         QString()},
        {"new message, protected board", protectedBoard, false, QStringLiteral("みかん"),
         QStringLiteral("保護しました"), QString(), QStringLiteral("パスワード付きの会議室です"), QString(),
         QString()},
        {"comment, members-only board with wr_add", membersOnly, true, QStringLiteral("会員"), QString(),
         QString(), QStringLiteral("&lt;b&gt;タグではありません&lt;/b&gt;"), QString(), QString()},
        {"comment, old-style board with relative links", oldE, true, QStringLiteral("旧会員"),
         QStringLiteral("Re:旧形式"), QStringLiteral("old@example.jp"),
         QStringLiteral("古い会議室への\r\nコメント"), QString(), QString()},
        {"new message, old-style board on host D", oldD, false, QStringLiteral("てつお"),
         QStringLiteral("ダイヤ改正"), QString(), QStringLiteral("来月から変わります"), QString(), QString()},
    };

    for (const PostCase& post : cases) {
        SCOPED_TRACE(post.name);
        const QString before = fetchPage(post.board, 1);
        const QList<QString> blocks = messageBlocks(before);
        ASSERT_FALSE(blocks.isEmpty());
        const int newest = numberOf(blocks.first());
        // A comment goes to the newest message's comment URL; a new message to the post URL
        // of the page's last comment link. Site-relative links get the board's origin first.
        const QString origin = post.board.base.section(u'/', 0, 2);
        const QString linkBlock =
            withAbsoluteCommentLink(post.comment ? blocks.first() : blocks.last(), origin);
        const auto link = commentLinkOf(linkBlock, c.serviceDomain());
        ASSERT_TRUE(link);
        const QString url = post.comment ? link->commentUrl : link->postUrl;

        const CurlRun run = curl(postArguments(post, url), QStringLiteral("Tmp"));
        ASSERT_EQ(run.exitCode, 0) << run.errorOutput.toStdString() << " " << url.toStdString();
        EXPECT_TRUE(page(QStringLiteral("Tmp/_%1.1211093000.html").arg(QLatin1String(post.board.id)))
                        .contains(QStringLiteral("発言番号：%1").arg(newest + 1)));

        const QList<QString> after = messageBlocks(fetchPage(post.board, 1));
        ASSERT_FALSE(after.isEmpty());
        const QString& block = after.first();
        EXPECT_EQ(numberOf(block), newest + 1);
        EXPECT_EQ(between(block, u"<!-- PNO=", u" -->").toInt(), post.comment ? newest : 0);
        EXPECT_EQ(between(block, u"<!-- TI B -->", u"<!-- TI E -->"),
                  post.title.isEmpty() ? QStringLiteral("(無題)") : post.title);
        EXPECT_EQ(between(block, u"<!-- NN B -->", u"<!-- NN E -->"), post.spname);
        EXPECT_EQ(between(between(block, u"<!-- EAD B -->", u"<!-- EAD E -->"), u"mailto:", u"\""),
                  post.email);
        QString bodyMarkup = post.body;
        bodyMarkup.replace(QStringLiteral("\r\n"), QStringLiteral("<br>\n"));
        EXPECT_TRUE(between(block, u"<!-- CON B -->", u"<!-- CON E -->").startsWith(bodyMarkup))
            << block.toStdString();
        EXPECT_EQ(block.contains(QStringLiteral("<span class=\"id\">[") + memberId() + u']'),
                  isOldStyle(post.board) || isSecure(post.board.base));
        if (!post.link.isEmpty()) {
            EXPECT_TRUE(block.contains(QStringLiteral("<a href=\"") + post.link));
        }
        // The next comment link leads to the new message.
        const auto newLink = commentLinkOf(withAbsoluteCommentLink(block, origin), c.serviceDomain());
        ASSERT_TRUE(newLink);
        EXPECT_TRUE(newLink->commentUrl.endsWith(QStringLiteral("&wr_psq=%1").arg(newest + 1)));

        const QJsonArray posts =
            m_sim.adminGet(QStringLiteral("/posts")).value(QStringLiteral("posts")).toArray();
        ASSERT_FALSE(posts.isEmpty());
        const QJsonObject recorded = posts.last().toObject();
        EXPECT_EQ(recorded.value(QStringLiteral("board")).toString(), QLatin1String(post.board.id));
        EXPECT_EQ(recorded.value(QStringLiteral("wr_con1")).toString(), post.body);
        EXPECT_EQ(recorded.value(QStringLiteral("wr_spname")).toString(), post.spname);
        EXPECT_EQ(recorded.value(QStringLiteral("wr_delkw")).toString(), post.delkw);
        EXPECT_EQ(recorded.value(QStringLiteral("ktype")).toString(), c.maru());
        if (isOldStyle(post.board)) {
            EXPECT_EQ(recorded.value(QStringLiteral("exec")).toString(), c.hatsugenSuru());
            EXPECT_EQ(recorded.contains(QStringLiteral("wr_location")), post.comment);
        }
    }
}

TEST_F(Posting, RefusedPostsAreNotStored)
{
    const ServiceConfiguration& c = configuration();
    const QString newStyle = QStringLiteral("http://") + c.boardHostA() +
                             QStringLiteral("/nbbin/nb_wrent_do?bid=neko04&wr_type=M");
    const QString oldStyle =
        QStringLiteral("http://") + c.boardHostE() + QStringLiteral("/mes/cf_wrent_do?bid=neko03&wr_type=M");
    const QString ktype = QStringLiteral("-dktype=") + urlEncode(c.maru());
    const QString exec = QStringLiteral("-dexec=") + urlEncode(c.hatsugenSuru());
    const QString cookies = QStringLiteral("-b") + cookiePath();
    const struct
    {
        const char* name;
        QStringList arguments;
    } cases[] = {
        {"wrong board password",
         {QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"), QStringLiteral("-dwr_con1=b"),
          QStringLiteral("-dwr_sppasswd=nashi"), newStyle}},
        {"no ktype",
         {QStringLiteral("-f"), QStringLiteral("-dwr_spname=a"), QStringLiteral("-dwr_con1=b"),
          QStringLiteral("-dwr_sppasswd=mikan"), newStyle}},
        {"no text",
         {QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"), QStringLiteral("-dwr_sppasswd=mikan"),
          newStyle}},
        {"comment on a missing message",
         {cookies, QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"),
          QStringLiteral("-dwr_con1=b"), exec, oldStyle + QStringLiteral("&wr_psq=9999")}},
        {"old-style without exec",
         {cookies, QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"),
          QStringLiteral("-dwr_con1=b"), oldStyle}},
        {"old-style with a wrong location",
         {cookies, QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"),
          QStringLiteral("-dwr_con1=b"), QStringLiteral("-dwr_location=%2Fmes%2Fcf%5Fwrent%2Fother"), exec,
          oldStyle + QStringLiteral("&wr_psq=1")}},
        {"wr_add that the board does not have",
         {QStringLiteral("-f"), ktype, QStringLiteral("-dwr_spname=a"), QStringLiteral("-dwr_con1=b"),
          QStringLiteral("-dwr_sppasswd=mikan"), newStyle + QStringLiteral("&wr_add=x")}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(curl(QStringList{QStringLiteral("-o_refused.html")} + test.arguments, QStringLiteral("Tmp"))
                      .exitCode,
                  22);
    }
    EXPECT_TRUE(m_sim.adminGet(QStringLiteral("/posts")).value(QStringLiteral("posts")).toArray().isEmpty());
}
