#include "app/MessageTreeOrder.h"
#include "text/IntegerValue.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <gtest/gtest.h>

#include <optional>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

struct Row
{
    std::optional<QString> number;
    std::optional<QString> comment;
    std::optional<QString> level;

    bool operator==(const Row&) const = default;
};

// The arrangement exactly as the rule reads, step by step on a list: the reference the fast
// arrangement must agree with.
QList<Row> arrangeByRule(QList<Row> rows)
{
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const Row r = rows[i];
        if (!r.comment || *r.comment == u"0")
            continue;
        qsizetype p = i - 1;
        while (p >= 0 && !(rows[p].number && *rows[p].number == *r.comment))
            --p;
        if (p < 0)
            continue;
        Row moved = r;
        const std::optional<QString>& parentLevel = rows[p].level;
        moved.level = (!parentLevel || parentLevel->isEmpty())
                          ? QStringLiteral("1")
                          : QString::number(saturatingAdd(integerValue(*parentLevel), 1));
        const int level = integerValue(*moved.level);
        qsizetype j = p + 1;
        while (j < i && integerValue(rows[j].level.value_or(QString())) >= level)
            ++j;
        rows.removeAt(i);
        rows.insert(j, moved);
    }
    return rows;
}

QList<Row> arrangeFast(const QList<Row>& rows)
{
    std::vector<MessageTreeOrder::Entry> entries;
    for (const Row& row : rows) {
        MessageTreeOrder::Entry entry;
        if (row.number)
            entry.number = QStringView(*row.number);
        if (row.comment)
            entry.comment = QStringView(*row.comment);
        entry.level = integerValue(row.level.value_or(QString()));
        entries.push_back(entry);
    }
    QList<Row> out;
    for (const MessageTreeOrder::Placement& placement : MessageTreeOrder::arrange(entries)) {
        Row row = rows[placement.entry];
        if (placement.newLevel)
            row.level = QString::number(*placement.newLevel);
        out.append(row);
    }
    return out;
}

QList<Row> rowsOf(std::initializer_list<std::pair<int, int>> numberAndComment)
{
    QList<Row> rows;
    for (auto [number, comment] : numberAndComment)
        rows.append({QString::number(number), QString::number(comment), QStringLiteral("0")});
    return rows;
}

QString describe(const QList<Row>& rows)
{
    QStringList parts;
    for (const Row& row : rows)
        parts.append(row.number.value_or(u"-"_s) + u'/' + row.level.value_or(u"-"_s));
    return parts.join(u' ');
}

} // namespace

TEST(MessageTreeOrder, CommentsFollowTheirMessageDepthFirst)
{
    // 3 comments on 1, 4 and 5 on 2, 6 on 3.
    const QList<Row> rows = rowsOf({{1, 0}, {2, 0}, {3, 1}, {4, 2}, {5, 2}, {6, 3}});
    EXPECT_EQ(describe(arrangeFast(rows)), u"1/0 3/1 6/2 2/0 4/1 5/1");
    EXPECT_EQ(arrangeFast(rows), arrangeByRule(rows));
}

TEST(MessageTreeOrder, FirstRecordAndOrphansStay)
{
    struct Case
    {
        const char* name;
        QList<Row> rows;
        QString expected;
    };
    const QList<Case> cases = {
        // The first record is never moved, even though its message comes later.
        {"first is a comment", rowsOf({{2, 1}, {1, 0}, {3, 2}}), u"2/0 3/1 1/0"_s},
        // 5 comments on 4, which is not in the list: it keeps its place and stored level,
        // and its own comment goes one deeper than that.
        {"orphan keeps stored level",
         {{u"1"_s, u"0"_s, u"0"_s},
          {u"5"_s, u"4"_s, u"3"_s},
          {u"6"_s, u"0"_s, u"0"_s},
          {u"7"_s, u"5"_s, u"0"_s}},
         u"1/0 5/3 7/4 6/0"_s},
        // Text comparison: "012" does not match "12".
        {"numbers match as text", {{u"12"_s, u"0"_s, {}}, {u"13"_s, u"012"_s, {}}}, u"12/- 13/-"_s},
        // A record without "Comment" never finds a message; one without "Number" is never found.
        {"absent keys", {{{}, u"0"_s, {}}, {u"2"_s, {}, u"4"_s}, {u"3"_s, u""_s, {}}}, u"-/- 2/4 3/-"_s},
        // A parent without a level puts its comment at level 1.
        {"parent without level", {{u"1"_s, u"0"_s, {}}, {u"2"_s, u"1"_s, u"7"_s}}, u"1/- 2/1"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describe(arrangeFast(c.rows)), c.expected) << c.name;
        EXPECT_EQ(arrangeFast(c.rows), arrangeByRule(c.rows)) << c.name;
    }
}

TEST(MessageTreeOrder, AgreesWithTheRuleOnRandomLists)
{
    // Random boards with duplicate numbers, odd stored levels, orphans and forward comments:
    // the fast arrangement must place and level every record exactly as the rule does.
    QRandomGenerator random(20240517);
    for (int round = 0; round < 300; ++round) {
        const int size = random.bounded(1, 60);
        QList<Row> rows;
        for (int i = 0; i < size; ++i) {
            Row row;
            if (random.bounded(20) != 0)
                row.number = QString::number(random.bounded(1, size + 3));
            const int kind = random.bounded(10);
            if (kind < 3)
                row.comment = u"0"_s;
            else if (kind < 9)
                row.comment = QString::number(random.bounded(0, size + 5));
            if (random.bounded(3) != 0)
                row.level = QString::number(random.bounded(-1, 5));
            rows.append(row);
        }
        ASSERT_EQ(describe(arrangeFast(rows)), describe(arrangeByRule(rows))) << "round " << round;
        ASSERT_EQ(arrangeFast(rows), arrangeByRule(rows)) << "round " << round;
    }
}

TEST(MessageTreeOrder, LongChainsAreArrangedWithoutDeepRecursion)
{
    // Every message comments on the one before: one chain 20000 deep.
    std::vector<QString> numbers;
    for (int i = 0; i < 20000; ++i)
        numbers.push_back(QString::number(i + 1));
    std::vector<MessageTreeOrder::Entry> entries;
    for (int i = 0; i < 20000; ++i)
        entries.push_back({QStringView(numbers[size_t(i)]), QStringView(numbers[size_t(qMax(0, i - 1))]), 0});
    entries[0].comment = QStringView(u"0");
    const std::vector<MessageTreeOrder::Placement> placements = MessageTreeOrder::arrange(entries);
    ASSERT_EQ(placements.size(), entries.size());
    for (size_t i = 1; i < placements.size(); ++i) {
        EXPECT_EQ(placements[i].entry, qsizetype(i));
        EXPECT_EQ(placements[i].newLevel, int(i));
    }
}
