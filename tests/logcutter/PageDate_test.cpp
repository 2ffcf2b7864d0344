#include "logcutter/PageDate.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tavrel::PageDate;

TEST(PageDate, TakesFiveNumbersInOrderAndFillsTheRestFromNow)
{
    const QDateTime now(QDate(2010, 3, 4), QTime(5, 6, 59));
    struct Case
    {
        const char* name;
        QStringView text;
        QStringView dateText;
        QStringView dayNumber;
    };
    const Case cases[] = {
        {"page form", u"2004/05/12(Wed) 13:45", u"2004-05-12 13:45:00 +0900", u"20040512"},
        {"japanese weekday", u"2004/05/12(水) 23:59", u"2004-05-12 23:59:00 +0900", u"20040512"},
        {"leading text", u"日時: 1999-12-31 00:00", u"1999-12-31 00:00:00 +0900", u"19991231"},
        {"no minute takes the current one", u"2004/05/12 13", u"2004-05-12 13:06:00 +0900", u"20040512"},
        {"only a year", u"2004", u"2004-03-04 05:06:00 +0900", u"20040304"},
        {"empty takes everything from now", u"", u"2010-03-04 05:06:00 +0900", u"20100304"},
        {"an hour first fills the year", u"13:45", u"", u"00134504"},
        {"no such day", u"2004/02/30 10:00", u"", u"20040230"},
        {"hour out of range", u"2004/05/12 24:00", u"", u"20040512"},
        {"five-digit year has no date text", u"12345/01/01 00:00", u"", u"123450101"},
        {"huge number clamps", u"99999999999/1/1", u"",
         u"2147483647"
         "0101"},
    };
    for (const Case& c : cases) {
        const PageDate date = PageDate::fromText(c.text, now);
        EXPECT_EQ(date.dateText(), c.dateText.toString()) << c.name;
        EXPECT_EQ(date.dayNumber(), c.dayNumber.toString()) << c.name;
    }
}

TEST(PageDate, MomentIsJapanTime)
{
    const PageDate date = PageDate::fromText(u"2004/05/12 13:45");
    EXPECT_EQ(date.moment.offsetFromUtc(), 9 * 3600);
    EXPECT_EQ(date.moment.toUTC(), QDateTime(QDate(2004, 5, 12), QTime(4, 45), Qt::UTC));
}
