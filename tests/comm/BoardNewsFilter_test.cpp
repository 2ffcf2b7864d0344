#include "comm/BoardHeaderSource.h"
#include "comm/BoardNewsFilter.h"
#include "support/QtPrinters.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

namespace {

class Headers : public BoardHeaderSource
{
public:
    std::optional<QString> dateOfLastMes(const QString& bbsID) const override
    {
        if (!rows.contains(bbsID))
            return std::nullopt;
        return rows.value(bbsID);
    }
    QHash<QString, QString> rows;
};

PatrolEntry entry(const QString& id)
{
    PatrolEntry e;
    e.bbsID = id;
    return e;
}

} // namespace

TEST(BoardNewsFilter, DropsOnlyBoardsWhoseTopDateIsNotLaterThanTheStoredOne)
{
    const QString stored = u"2024-05-12 13:45:00 +0900"_s;
    Headers headers;
    headers.rows = {{u"same"_s, stored},      {u"older"_s, stored},
                    {u"newer"_s, stored},     {u"otherzone"_s, u"2024-05-12 04:45:00 +0000"_s},
                    {u"nodate"_s, QString()}, {u"badtop"_s, stored}};
    const QHash<QString, QString> lastDates = {
        {u"same"_s, u"2024-05-12 13:45:00 +0900"_s},
        {u"older"_s, u"2024-05-01 00:00:00 +0900"_s},
        {u"newer"_s, u"2024-05-12 13:46:00 +0900"_s},
        {u"otherzone"_s, u"2024-05-12 13:45:00 +0900"_s},
        {u"nodate"_s, u"2024-05-12 13:45:00 +0900"_s},
        {u"norow"_s, u"2020-01-01 00:00:00 +0900"_s},
        {u"badtop"_s, QString()},
    };
    QList<PatrolEntry> list;
    for (const QString& id : {u"same"_s, u"notontop"_s, u"older"_s, u"newer"_s, u"otherzone"_s, u"nodate"_s,
                              u"norow"_s, u"badtop"_s})
        list.append(entry(id));

    EXPECT_EQ(BoardNewsFilter::deleteJushinList(list, lastDates, headers),
              QStringList({u"same"_s, u"older"_s, u"otherzone"_s}));
    QStringList kept;
    for (const PatrolEntry& e : list)
        kept.append(e.bbsID);
    EXPECT_EQ(kept, QStringList({u"notontop"_s, u"newer"_s, u"nodate"_s, u"norow"_s, u"badtop"_s}));
}
