#include "comm/MyDeskInboxPage.h"
#include "store/ServiceConfiguration.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

TEST(MyDeskInboxPage, UnreadLinksInPageOrderAndTheReadMarker)
{
    const ServiceConfiguration c;
    const QString unread = c.messageInboxMidokuIMGTag() + u" alt=\"x\">"_s;
    const QString read = c.messageInboxKidokuIMGTag() + u" alt=\"y\">"_s;
    const QString row = u"<tr><td>%1</td><td><a href=\"%2\">t</a></td></tr>\n"_s;
    const struct
    {
        const char* name;
        QString page;
        QStringList urls;
        bool hasRead;
    } cases[] = {
        {"unread only",
         row.arg(unread, u"view.go?id=7"_s) + row.arg(unread.toUpper(), u"view.go?id=3"_s),
         {u"http://member.example.com/forum/message/view.go?id=7"_s,
          u"http://member.example.com/forum/message/view.go?id=3"_s},
         false},
        {"a read message ends the scan but its page's unread ones count",
         row.arg(read, u"view.go?id=9"_s) + row.arg(unread, u"view.go?id=8"_s),
         {u"http://member.example.com/forum/message/view.go?id=8"_s},
         true},
        {"a link with a blank or a control character is left out",
         row.arg(unread, u"view.go?id=1 x"_s) + row.arg(unread, u"view.go?id=2\n"_s) +
             row.arg(unread, QString()),
         {},
         false},
        {"a marker without a link after it", u"<p>"_s + unread + u"<a href=\"view.go"_s, {}, false},
        {"no messages", u"<html></html>"_s, {}, false},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.name);
        const MyDeskInboxPage::Result result = MyDeskInboxPage::read(
            t.page, c.messageInboxMidokuIMGTag(), c.messageInboxKidokuIMGTag(), c.memberHost());
        EXPECT_EQ(result.unreadURLs, t.urls);
        EXPECT_EQ(result.hasReadMessage, t.hasRead);
    }
}
