#include "logcutter/MyDeskPage.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "text/TextEncoding.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

const QDateTime now(QDate(2010, 3, 4), QTime(5, 6));

QString message(const QString& sender, const QString& date, const QString& text)
{
    return u"<tr><td><a class=\"classname\" href=\"/p\">"_qs + sender +
           u"</a></td>\n<td>M001\n</td>\n<td width=\"9\">"_qs + date +
           u"</td></tr>\n<tr>\n<td class=\"jpsystem\">"_qs + text + u"</td></tr>\n"_qs;
}

// Title, name, date and number of each record.
QStringList summary(const QList<MessageRecord>& records)
{
    QStringList out;
    for (const MessageRecord& r : records)
        out.append(r.title() + u'|' + r.name() + u'|' + r.date() + u'|' + r.number());
    return out;
}

} // namespace

TEST(MyDeskPage, FixturePageGivesEveryMessageWithSenderDateAndFirstLine)
{
    const std::optional<QString> page = encoding::decodeShiftJis(test::readFixture(u"pages/mydesk.html"_qs));
    ASSERT_TRUE(page);
    const QList<MessageRecord> records = MyDeskPage::messages(*page, now);
    EXPECT_EQ(summary(records),
              (QStringList{u"会議のお知らせ|田中   ABC01234|2004-05-12 13:45:00 +0900|20040512"_qs,
                           // No "<br>" in its text: the one found in the next message is not its title,
                           // and the next message is still read. The decoder drops the blank after "&amp;".
                           u"|高橋 &伊藤   XYZ98765|2004-05-12 18:10:00 +0900|20040512"_qs,
                           u"お礼|田中   ABC01234|2004-05-13 07:05:00 +0900|20040513"_qs}));
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].contents(),
              u"田中   ABC01234<br>\n2004/05/12 13:45<br>\n<br>\n会議のお知らせ<br>\n明日十時からです。"_qs);
    EXPECT_EQ(records[1].contents(),
              u"高橋 &amp; 伊藤   XYZ98765<br>\n2004/05/12 18:10<br>\n<br>\n件名なしの本文"_qs);
    for (const MessageRecord& r : records) {
        EXPECT_EQ(r.dontRead(), u"YES"_qs);
        EXPECT_EQ(r.lock(), u"NO"_qs);
        EXPECT_TRUE(r.contains(MessageRecord::Memo) && r.memo().isEmpty());
        EXPECT_TRUE(r.contains(MessageRecord::Label) && r.label().isEmpty());
        EXPECT_FALSE(r.contains(MessageRecord::Comment) || r.contains(MessageRecord::EMail) ||
                     r.contains(MessageRecord::CommentURL) || r.contains(MessageRecord::Refference));
    }
}

TEST(MyDeskPage, MessagesWhoseCellsAreMissingAreSkipped)
{
    struct Case
    {
        const char* name;
        QString page;
        QStringList summary;
    };
    const QString ok = message(u"A"_qs, u"2004/05/12 13:45"_qs, u"件名<br>本文"_qs);
    const QString okSummary = u"件名|A   M001|2004-05-12 13:45:00 +0900|20040512"_qs;
    const Case cases[] = {
        {"no sender link", u"<html><td class=\"jpsystem\">x</td></html>"_qs, {}},
        {"date without minutes",
         message(u"B"_qs, u"2004/05/12 13時"_qs, u"t<br>"_qs),
         {u"t|B   M001|2004-05-12 13:06:00 +0900|20040512"_qs}},
        {"text that begins with a line break keeps its message",
         message(u"C"_qs, u"2004/05/12 13:45"_qs, u"<br>本文"_qs) + ok,
         {u"|C   M001|2004-05-12 13:45:00 +0900|20040512"_qs, okSummary}},
        {"empty text cell drops the message",
         message(u"D"_qs, u"2004/05/12 13:45"_qs, QString()) + ok,
         {okSummary}},
        {"a message without date cell takes the next one's cells",
         u"<tr><a class=\"classname\" href=\"/p\">E</a><td>M\n"_qs + ok,
         {u"件名|E   M|2004-05-12 13:45:00 +0900|20040512"_qs}},
        {"a sender link without a closing bracket", u"<a class=\"classname\""_qs, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(summary(MyDeskPage::messages(c.page, now)), c.summary) << c.name;
}
