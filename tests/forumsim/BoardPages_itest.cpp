// Board pages as the client reads them: 20 messages a page, newest first; title parts,
// body colours and explanation; retitled and restarted boards; ISO-2022-JP pages; forum
// top dates; board lists only at the URLs a forum answers.

#include "ForumSimFixture.h"

#include <QJsonArray>

#include <algorithm>

using namespace tavrel::test;
using tavrel::ServiceConfiguration;
using tavrel::TextScanner;

class BoardPages : public ForumSimFixture
{
protected:
    // Page `number` of an open new-style board on BoardHostA or BoardHostC.
    QString openPage(const QString& board, int number, const QString& host = configuration().boardHostA())
    {
        const QString output = QStringLiteral("%1.%2").arg(board).arg(number);
        const QString base = QStringLiteral("http://") + host + QStringLiteral("/nbbin/nb_wrent/");
        EXPECT_EQ(curl({QStringLiteral("-o") + output, QStringLiteral("-m1800"), QStringLiteral("-Y500"),
                        QStringLiteral("-y60"), pageUrl(base, board, number)},
                       QStringLiteral("Tmp"))
                      .exitCode,
                  0);
        return page(QStringLiteral("Tmp/") + output);
    }

    QString titleOf(const QString& page) const { return between(page, u"<title>", u"</title>"); }
};

TEST_F(BoardPages, PagesHoldTwentyMessagesNewestFirstDownToTheFirstNumber)
{
    // ryori01 holds 35 messages numbered from 101.
    const QList<QList<int>> expected = {
        [] {
            QList<int> n;
            for (int i = 135; i > 115; --i)
                n.append(i);
            return n;
        }(),
        [] {
            QList<int> n;
            for (int i = 115; i > 100; --i)
                n.append(i);
            return n;
        }(),
        {},
    };
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        EXPECT_EQ(numbersOf(openPage(QStringLiteral("ryori01"), page)), expected.at(page - 1));
    }
}

TEST_F(BoardPages, PageMarkupCarriesTitlePartsColoursExplanationAndMessageMarkers)
{
    const ServiceConfiguration& c = configuration();
    const QString text = openPage(QStringLiteral("neko01"), 1);
    EXPECT_EQ(titleOf(text).split(c.keijibanTitleSeparator()),
              (QStringList{QStringLiteral("@nifty"), QStringLiteral("フォーラム"),
                           QStringLiteral("ねこ好きフォーラム"), QStringLiteral("雑談会議室")}));
    const QString body = between(text, u"<body", u">");
    for (const char* attribute : {"bgcolor=\"#FFF8F0\"", "text=\"#333333\"", "link=\"#0033CC\"",
                                  "vlink=\"#663399\"", "alink=\"#CC0000\""})
        EXPECT_TRUE(body.contains(QLatin1String(attribute))) << attribute;
    EXPECT_TRUE(between(text, c.toolMeiToSetsumeiBunStart(), c.toolMeiToSetsumeiBunEnd())
                    .startsWith(QStringLiteral("<b>猫にまつわる雑談</b>")));

    // Every block has a number, a comment number, a title, a name, a date and a comment
    // link; members' blocks carry the hidden action block before the text.
    const QList<QString> blocks = messageBlocks(text);
    ASSERT_EQ(blocks.size(), 20);
    for (const QString& block : blocks) {
        EXPECT_GT(numberOf(block), 0);
        EXPECT_FALSE(between(block, u"<!-- PNO=", u" -->").isEmpty());
        EXPECT_FALSE(between(block, u"<!-- DAT B -->", u"<!-- DAT E -->").isEmpty());
        EXPECT_TRUE(commentLinkOf(block, c.serviceDomain()));
        const qsizetype action = block.indexOf(
            QStringLiteral("<div style=\"position:absolute;visibility:hidden;\">") + c.konoUserHenoAction());
        if (block.contains(QStringLiteral("<span class=\"id\">"))) {
            EXPECT_GE(action, 0);
            EXPECT_LT(action, block.indexOf(QStringLiteral("<!-- CON B -->")));
        }
    }
    // The comment on message 61 lists itself as reference of 61 and says whom it answers.
    const auto commented =
        std::find_if(blocks.begin(), blocks.end(), [](const QString& b) { return numberOf(b) == 61; });
    ASSERT_NE(commented, blocks.end());
    EXPECT_TRUE(between(*commented, u"<!-- REF B -->", u"<!-- REF E -->").contains(QStringLiteral("62")));
    // Without wr_add the comment URL ends with bid, wr_type and wr_psq.
    EXPECT_TRUE(
        commentLinkOf(*commented, c.serviceDomain())
            ->commentUrl.endsWith(QStringLiteral("/nbbin/nb_wrent_do?bid=neko01&wr_type=M&wr_psq=61")));
}

TEST_F(BoardPages, RetitledAndRestartedBoardsShowTheirNewTitleAndNumbers)
{
    const QString oldTitle = titleOf(openPage(QStringLiteral("neko01"), 1));
    const QJsonObject before = m_sim.adminGet(QStringLiteral("/boards/neko01"));
    const QString lastDate = before.value(QStringLiteral("lastDate")).toString();

    m_sim.adminPost(QStringLiteral("/boards/neko01/retitle"),
                    QJsonObject{{QStringLiteral("title"), QStringLiteral("新・雑談会議室")}});
    const QString retitled = titleOf(openPage(QStringLiteral("neko01"), 1));
    EXPECT_NE(retitled, oldTitle);
    EXPECT_TRUE(retitled.endsWith(QStringLiteral("：新・雑談会議室")));

    const QJsonObject restarted =
        m_sim.adminPost(QStringLiteral("/boards/neko01/restart"), QJsonObject{{QStringLiteral("count"), 5}});
    EXPECT_EQ(restarted.value(QStringLiteral("lastNumber")).toInt(), 5);
    const QString page = openPage(QStringLiteral("neko01"), 1);
    EXPECT_EQ(numbersOf(page), (QList<int>{5, 4, 3, 2, 1}));
    // The oldest message of the new run is later than the last one before the restart.
    const QString oldestDate = between(messageBlocks(page).last(), u"<!-- DAT B -->", u"<!-- DAT E -->");
    EXPECT_GT(oldestDate.left(10) + oldestDate.right(6), lastDate.left(10) + u' ' + lastDate.right(5));
}

TEST_F(BoardPages, AnIso2022JpBoardDeclaresItsCharsetAndEncodesWithEscapes)
{
    const QString output = QStringLiteral("tetsu03.1");
    const QString base =
        QStringLiteral("http://") + configuration().boardHostC() + QStringLiteral("/nbbin/nb_wrent/");
    ASSERT_EQ(curl({QStringLiteral("-o") + output, pageUrl(base, QStringLiteral("tetsu03"), 1)},
                   QStringLiteral("Tmp"))
                  .exitCode,
              0);
    const QByteArray bytes = readFile(dataPath(QStringLiteral("Tmp/") + output));
    EXPECT_TRUE(bytes.contains("charset=iso-2022-jp"));
    EXPECT_TRUE(bytes.contains("\x1b$B"));
    EXPECT_FALSE(std::any_of(bytes.begin(), bytes.end(), [](char b) { return (b & 0x80) != 0; }));
    const QString text = decodePage(bytes);
    EXPECT_TRUE(titleOf(text).endsWith(QStringLiteral("駅弁会議室")));
    EXPECT_EQ(numbersOf(text).size(), 20);

    // Switched back to Shift_JIS on request.
    m_sim.adminPost(QStringLiteral("/boards/tetsu03/settings"),
                    QJsonObject{{QStringLiteral("charset"), QStringLiteral("Shift_JIS")}});
    EXPECT_TRUE(openPage(QStringLiteral("tetsu03"), 1, configuration().boardHostC())
                    .contains(QStringLiteral("charset=Shift_JIS")));
}

TEST_F(BoardPages, ForumTopPagesGiveEachBoardsLastMessageDate)
{
    const ServiceConfiguration& c = configuration();
    const QJsonArray boards =
        m_sim.adminGet(QStringLiteral("/state")).value(QStringLiteral("boards")).toArray();
    ASSERT_EQ(curl({QStringLiteral("-ofneko"),
                    QStringLiteral("http://") + c.memberHost() + QStringLiteral("/forum/fneko/top.go")},
                   QStringLiteral("ForumTop"))
                  .exitCode,
              0);
    const QString top = page(QStringLiteral("ForumTop/fneko"));
    int seen = 0;
    TextScanner scanner(top);
    while (const auto block = scanner.textBetween(u"<!-- BBS BEGIN -->", u"<!-- BBS END -->")) {
        const QString link = between(*block, u"<a href=\"", u"\"");
        const QString board = link.section(u'/', -1);
        const QString info = between(*block, c.toolBetsuTsuikaJouhouStart(), c.toolBetsuTsuikaJouhouEnd());
        const QString date = info.section(c.saisyuuHatsugenNichiji(), 1).mid(1);
        for (const QJsonValue& entry : boards) {
            if (entry.toObject().value(QStringLiteral("id")).toString() == board) {
                EXPECT_EQ(date, entry.toObject().value(QStringLiteral("lastDate")).toString())
                    << board.toStdString();
                ++seen;
            }
        }
    }
    EXPECT_EQ(seen, 4);
}

TEST_F(BoardPages, BoardListsAnswerOnlyAtTheUrlsTheirForumHas)
{
    const ServiceConfiguration& c = configuration();
    const QString forum = QStringLiteral("http://") + c.forumHost();
    const QString portal = QStringLiteral("http://") + c.portalHost();
    const QStringList attempts = {forum + QStringLiteral("/fwebkk/bbsini/%1.html"),
                                  forum + QStringLiteral("/%1/cm_freeboard.html"),
                                  portal + QStringLiteral("/forum/%1/cm_freeboard.html"),
                                  forum + QStringLiteral("/fwebkk/cm_freeboard/%1/cm_freeboard.html")};
    // Exit statuses of curl -f at attempts 0 to 3 (the demo scenario's "boardListAt").
    const QList<std::pair<QString, QList<int>>> forums = {
        {QStringLiteral("fneko"), {0, 0, 0, 0}},      {QStringLiteral("ftetsu"), {22, 22, 22, 0}},
        {QStringLiteral("fpc"), {22, 22, 0, 0}},      {QStringLiteral("fryori"), {22, 0, 22, 22}},
        {QStringLiteral("nosuch"), {22, 22, 22, 22}},
    };
    for (const auto& [id, expected] : forums) {
        for (int attempt = 0; attempt < 4; ++attempt) {
            SCOPED_TRACE(QStringLiteral("%1 attempt %2").arg(id).arg(attempt).toStdString());
            const CurlRun run =
                curl({QStringLiteral("-o") + id, QStringLiteral("-f"), attempts.at(attempt).arg(id)});
            EXPECT_EQ(run.exitCode, expected.at(attempt));
            if (run.exitCode == 0) {
                EXPECT_FALSE(between(page(id), u"<!--CM_FREEBOARD_START", u"CM_FREEBOARD_END-->").isEmpty());
            }
        }
    }
    // Listing forms: skip:, del: and "#" separated names.
    ASSERT_EQ(curl({QStringLiteral("-ofpc"), QStringLiteral("-f"), attempts.at(3).arg(QStringLiteral("fpc"))})
                  .exitCode,
              0);
    const QString list =
        between(page(QStringLiteral("fpc")), u"<!--CM_FREEBOARD_START", u"CM_FREEBOARD_END-->");
    EXPECT_TRUE(list.contains(QStringLiteral("SEMIOPEN1:pc01 ハードウェア相談\n")));
    EXPECT_TRUE(list.contains(QStringLiteral("skip:NS2:pc02#ソフトウェア相談\n")));
    EXPECT_TRUE(list.contains(QStringLiteral("del:pc03\n")));

    // The forum list names each forum's top page, and its board-list URL when it has one.
    ASSERT_EQ(curl({QStringLiteral("-oforum_list.html"), QStringLiteral("-f"),
                    forum + QStringLiteral("/fwebkk/cm_freeboard/forum_list.html")})
                  .exitCode,
              0);
    const QString forumList = page(QStringLiteral("forum_list.html"));
    EXPECT_TRUE(forumList.contains(QStringLiteral("[fneko]\ncaption=ねこ好きフォーラム\nurl=http://") +
                                   c.memberHost() + QStringLiteral("/forum/fneko/top.go\n")));
    EXPECT_TRUE(forumList.contains(QStringLiteral("BBSINI=") + attempts.at(0).arg(QStringLiteral("fneko"))));
    EXPECT_FALSE(
        forumList.contains(QStringLiteral("BBSINI=") + attempts.at(0).arg(QStringLiteral("ftetsu"))));
    EXPECT_FALSE(forumList.contains(QStringLiteral("/forum/fryori/top.go")));
}
