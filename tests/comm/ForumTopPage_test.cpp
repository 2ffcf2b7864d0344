#include "comm/ForumTopPage.h"
#include "store/DateText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

const ForumTopPage::Markers kMarkers{u"[info]"_s, u"[/info]"_s, u"Last message"_s};

QString block(const QString& link, const QString& info)
{
    return u"<!-- BBS BEGIN --><tr><td><a href=\"" + link + u"\">Board</a></td><td>" + info +
           u"</td></tr><!-- BBS END -->\n";
}

} // namespace

TEST(ForumTopPage, ReadsEachBoardsLastMessageDate)
{
    const QDateTime now(QDate(2025, 3, 4), QTime(21, 7, 30), japanTime());
    const QString page =
        u"<html>"_s +
        block(u"http://b.example.com/nbbin/nb_wrent/neko01"_s,
              u"[info]42 Last message: 2024/05/12 13:45[/info]"_s) +
        // Markers in another letter case; only three numbers: the current hour and minute.
        u"<!-- bbs begin --><a href=\"http://b.example.com/x/neko02\">y</a>[INFO]last MESSAGE 2024-5-2[/INFO]<!-- Bbs End -->"_s +
        block(u"http://b.example.com/x/nolabel"_s, u"[info]42 messages[/info]"_s) +
        block(u"http://b.example.com/x/noinfo"_s, u"Last message: 2024/05/12 13:45"_s) +
        u"<!-- BBS BEGIN -->no link [info]Last message 2024/01/01 00:00[/info]<!-- BBS END -->"_s +
        block(u"http://b.example.com/x/bad"_s, u"[info]Last message 2024/13/40 25:61[/info]"_s) +
        block(u"http://b.example.com/x/far"_s, u"[info]Last message 20241/01/01 00:00[/info]"_s) +
        block(u"http://b.example.com/x/-evil"_s, u"[info]Last message 2024/01/01 00:00[/info]"_s) +
        block(u"http://b.example.com/x/"_s, u"[info]Last message 2024/01/01 00:00[/info]"_s) +
        // A later block of the same board wins.
        block(u"http://b.example.com/nbbin/nb_wrent/neko01"_s,
              u"[info]Last message 2024/05/12 13:46[/info]"_s) +
        u"<!-- BBS BEGIN --><a href=\"http://b.example.com/x/unterminated\">[info]Last message 1[/info]"_s;
    QHash<QString, QString> dates;
    QStringList unsafe;
    ForumTopPage::huriwakeForumTopData(page, kMarkers, now, dates, &unsafe);
    QHash<QString, QString> expected = {
        {u"neko01"_s, u"2024-05-12 13:46:00 +0900"_s},
        {u"neko02"_s, u"2024-05-02 21:07:00 +0900"_s},
        {u"bad"_s, QString()},
        {u"far"_s, QString()},
    };
    EXPECT_EQ(dates, expected);
    EXPECT_EQ(unsafe, QStringList({u"-evil"_s, u""_s}));
}

TEST(ForumTopPage, CurrentFieldsAreTakenInJapanTime)
{
    // 20:30 UTC on the 4th is 05:30 on the 5th in Japan.
    const QDateTime now(QDate(2025, 3, 4), QTime(20, 30), QTimeZone::utc());
    QHash<QString, QString> dates;
    ForumTopPage::huriwakeForumTopData(block(u"/b/id"_s, u"[info]Last message[/info]"_s), kMarkers, now,
                                       dates);
    EXPECT_EQ(dates.value(u"id"_s), u"2025-03-05 05:30:00 +0900"_s);
}

TEST(ForumTopPage, UnreadableFilesAddNothing)
{
    QHash<QString, QString> dates;
    EXPECT_FALSE(ForumTopPage::huriwakeForumTopFile(u"/nonexistent/top"_s, kMarkers,
                                                    QDateTime::currentDateTime(), dates));
    EXPECT_TRUE(dates.isEmpty());
}
