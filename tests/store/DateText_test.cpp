#include "store/DateText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;

TEST(DateText, ParsesAndFormatsTheStoredForm)
{
    const struct
    {
        const char16_t* text;
        qint64 utcSeconds; // -1 = not a date text
    } cases[] = {
        {u"2004-03-05 23:59:07 +0900", 1078498747}, {u"2004-03-05 14:59:07 +0000", 1078498747},
        {u"2004-03-05 09:29:07 -0530", 1078498747}, {u"2000-02-29 00:00:00 +0900", 951750000},
        {u"2001-02-29 00:00:00 +0900", -1},         {u"2004-03-05 24:00:00 +0900", -1},
        {u"2004-3-05 23:59:07 +0900", -1},          {u"2004-03-05T23:59:07 +0900", -1},
        {u"2004-03-05 23:59:07 0900", -1},          {u"2004-03-05 23:59:07 +09:00", -1},
        {u"2004-03-05 23:59:07 +0960", -1},         {u"2004-03-05 23:59:07 +1500", -1},
        {u" 2004-03-05 23:59:07 +0900", -1},        {u"2004-03-05 23:59:07", -1},
        {u"２００４-03-05 23:59:07 +0900", -1},     {u"", -1},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const std::optional<QDateTime> moment = parseDateText(text);
        ASSERT_EQ(moment.has_value(), c.utcSeconds >= 0);
        if (!moment)
            continue;
        EXPECT_EQ(moment->toSecsSinceEpoch(), c.utcSeconds);
        EXPECT_EQ(formatDateText(*moment), text);
    }
}

TEST(DateText, FormatsInTheMomentsOwnOffset)
{
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(1078498747, QTimeZone::utc());
    EXPECT_EQ(formatDateText(utc.toTimeZone(japanTime())), u"2004-03-05 23:59:07 +0900"_qs);
    EXPECT_EQ(formatDateText(utc), u"2004-03-05 14:59:07 +0000"_qs);
    EXPECT_EQ(formatDateText(QDateTime()), QString());
    EXPECT_EQ(japanTime().offsetFromUtc(utc), 9 * 3600);
}
