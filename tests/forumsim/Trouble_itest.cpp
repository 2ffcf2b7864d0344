// Boards and pages that misbehave on request: HTTP errors, cut connections, missing pages,
// and a board so slow that curl's low-speed limit ends the transfer.

#include "ForumSimFixture.h"

#include <QElapsedTimer>

using namespace tavrel::test;

class Trouble : public ForumSimFixture
{
protected:
    QStringList boardPage(const QString& board) const
    {
        return {QStringLiteral("-o") + board + QStringLiteral(".1"), QStringLiteral("-m1800"),
                QStringLiteral("-Y500"), QStringLiteral("-y60"),
                pageUrl(QStringLiteral("http://") + configuration().boardHostA() +
                            QStringLiteral("/nbbin/nb_wrent/"),
                        board, 1)};
    }

    void setBehaviour(const QString& target, const QString& mode, int times = 0)
    {
        const QJsonObject answer =
            m_sim.adminPost(QStringLiteral("/behaviour"), QJsonObject{{QStringLiteral("target"), target},
                                                                      {QStringLiteral("mode"), mode},
                                                                      {QStringLiteral("times"), times}});
        ASSERT_FALSE(answer.contains(QStringLiteral("error")));
    }
};

TEST_F(Trouble, FailingAbortedAndMissingAnswersGiveCurlsExitStatuses)
{
    const struct
    {
        const char* mode;
        int exitWithoutF;
        int exitWithF;
    } cases[] = {{"fail", 0, 22}, {"notfound", 0, 22}, {"abort", 18, 18}, {"normal", 0, 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.mode);
        setBehaviour(QStringLiteral("board:neko01"), QLatin1String(test.mode));
        EXPECT_EQ(curl(boardPage(QStringLiteral("neko01")), QStringLiteral("Tmp")).exitCode,
                  test.exitWithoutF);
        EXPECT_EQ(curl(QStringList{QStringLiteral("-f")} + boardPage(QStringLiteral("neko01")),
                       QStringLiteral("Tmp"))
                      .exitCode,
                  test.exitWithF);
    }
    // A behaviour that lasts one request; other boards are not touched.
    setBehaviour(QStringLiteral("board:neko01"), QStringLiteral("fail"), 1);
    EXPECT_EQ(
        curl(QStringList{QStringLiteral("-f")} + boardPage(QStringLiteral("ryori01")), QStringLiteral("Tmp"))
            .exitCode,
        0);
    EXPECT_EQ(
        curl(QStringList{QStringLiteral("-f")} + boardPage(QStringLiteral("neko01")), QStringLiteral("Tmp"))
            .exitCode,
        22);
    EXPECT_EQ(
        curl(QStringList{QStringLiteral("-f")} + boardPage(QStringLiteral("neko01")), QStringLiteral("Tmp"))
            .exitCode,
        0);
    EXPECT_EQ(numbersOf(page(QStringLiteral("Tmp/neko01.1"))).size(), 20);
}

// Takes about a minute: curl's own limit (-Y500 -y60) decides.
TEST_F(Trouble, SlowBoardEndsWithCurlsTimeLimitStatus)
{
    setBehaviour(QStringLiteral("board:neko01"), QStringLiteral("slow"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(curl(boardPage(QStringLiteral("neko01")), QStringLiteral("Tmp"), 180000).exitCode, 28);
    EXPECT_GE(timer.elapsed(), 55000);
    EXPECT_LT(timer.elapsed(), 150000);
    // The simulator still answers others meanwhile and stops cleanly afterwards.
    EXPECT_EQ(curl(boardPage(QStringLiteral("ryori01")), QStringLiteral("Tmp")).exitCode, 0);
    EXPECT_EQ(m_sim.stop(), 0);
}
