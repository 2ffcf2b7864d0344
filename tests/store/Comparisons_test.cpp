#include "PlistTestSupport.h"
#include "store/Comparisons.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tavrel;

namespace {

MessageRecord record(const char16_t* number, const char16_t* date, const char16_t* tag)
{
    MessageRecord r;
    if (number)
        r.setNumber(QString::fromUtf16(number));
    if (date)
        r.setDate(QString::fromUtf16(date));
    r.setTitle(QString::fromUtf16(tag));
    return r;
}

QString titles(const QList<MessageRecord>& records)
{
    QStringList list;
    for (const MessageRecord& r : records)
        list.append(r.title());
    return list.join(u' ');
}

} // namespace

TEST(Comparisons, SortsByMessageNumberKeepingDecisionsAndOtherwiseTheOrder)
{
    const char16_t* early = u"2004-03-05 10:00:00 +0900";
    const char16_t* mid = u"2004-03-05 11:00:00 +0900";
    const char16_t* late = u"2004-03-05 12:00:00 +0900";
    const struct
    {
        const char* name;
        QList<MessageRecord> records;
        const char* expected;
    } cases[] = {
        {"earlier nine first",
         {record(u"10", mid, u"10"), record(u"9", late, u"9late"), record(u"9", early, u"9early")},
         "9early 9late 10"},
        {"text forms of one number",
         {record(u"012", late, u"a"), record(u"12", early, u"b"), record(u" 3x", nullptr, u"c")},
         "c b a"},
        {"missing and non-numeric count as zero",
         {record(u"1", nullptr, u"one"), record(nullptr, nullptr, u"absent"),
          record(u"abc", nullptr, u"abc")},
         "absent abc one"},
        // Undated records keep their places; the dated ones are ordered among themselves.
        {"unparsable dates stay put",
         {record(u"5", late, u"L"), record(u"5", u"yesterday", u"U"), record(u"5", early, u"E"),
          record(u"5", nullptr, u"N"), record(u"5", mid, u"M")},
         "E U M N L"},
        {"same dates keep their order",
         {record(u"2", mid, u"x"), record(u"2", mid, u"y"), record(u"1", mid, u"z")},
         "z x y"},
        {"offsets compare as instants",
         {record(u"4", u"2004-03-05 10:00:00 +0900", u"tokyo"),
          record(u"4", u"2004-03-05 02:00:00 +0000", u"utc")},
         "tokyo utc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QList<MessageRecord> records = c.records;
        sortByMessageNumber(records);
        EXPECT_EQ(titles(records), QString::fromLatin1(c.expected));
        // Every decision of the comparison holds in the result.
        for (qsizetype i = 0; i < records.size(); ++i) {
            for (qsizetype j = i + 1; j < records.size(); ++j)
                EXPECT_FALSE(messageNumberCompare(records[i], records[j]) > 0) << i << " " << j;
        }
    }
}

TEST(Comparisons, SortsDictionaryRecordsTheSameWay)
{
    QList<PlistDict> records{
        {{u"Number"_qs, u"10"_qs}},
        {{u"Number"_qs, u"9"_qs}, {u"Date"_qs, u"2004-03-05 12:00:00 +0900"_qs}},
        {{u"Number"_qs, u"9"_qs}, {u"Date"_qs, u"2004-03-05 10:00:00 +0900"_qs}},
    };
    sortByMessageNumber(records);
    EXPECT_EQ(records[0].string(u"Date"), u"2004-03-05 10:00:00 +0900"_qs);
    EXPECT_EQ(records[2].string(u"Number"), u"10"_qs);
}

TEST(Comparisons, TextAndFlagOrders)
{
    const auto entry = [](const char16_t* key, PlistValue value) {
        PlistDict dict;
        if (value.isValid())
            dict.insert(QString::fromUtf16(key), value);
        return dict;
    };
    using Compare = std::weak_ordering (*)(const PlistDict&, const PlistDict&);
    const struct
    {
        const char* name;
        Compare compare;
        const char16_t* key;
        QList<PlistValue> values;
        QList<int> expected; // positions of `values` in sorted order
    } cases[] = {
        {"board id, case significant",
         tsushinSetteiBoardNameCompare,
         u"BbsID",
         {u"b"_qs, u"B"_qs, PlistValue(), u"a"_qs, u"A"_qs},
         {2, 4, 1, 3, 0}},
        {"go command", forumListGoCommandCompare, u"ForumListGoCommand", {u"FTEST"_qs, u"FAB"_qs}, {1, 0}},
        {"forum name",
         forumListForumNameCompare,
         u"ForumListForumName",
         {u"会議"_qs, u"Zoo"_qs, u""_qs},
         {2, 1, 0}},
        {"download check first, stable",
         forumListDownloadCheckCompare,
         u"DownloadCheckBox",
         {false, true, PlistValue(), u"YES"_qs, true},
         {1, 3, 4, 0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QList<std::pair<PlistDict, int>> entries;
        for (int i = 0; i < c.values.size(); ++i)
            entries.append({entry(c.key, c.values[i]), i});
        std::stable_sort(entries.begin(), entries.end(),
                         [&](const auto& a, const auto& b) { return c.compare(a.first, b.first) < 0; });
        QList<int> order;
        for (const auto& e : entries)
            order.append(e.second);
        EXPECT_EQ(order, c.expected);
    }
}
