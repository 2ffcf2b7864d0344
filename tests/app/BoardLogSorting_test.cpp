#include "app/BoardLogSorting.h"
#include "store/BoardLogFile.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::TempDir;

namespace {

struct Rec
{
    const char* number;
    const char* date;
    bool unread;
};

QByteArray boardFile(std::initializer_list<Rec> records, const char* lastNumber)
{
    BoardLogFile file;
    file.header() = BoardLogHeader::newFileHeader();
    file.header().setNumberOfLastMes(QString::fromLatin1(lastNumber));
    file.header().setDeleteFlag(QString());
    for (const Rec& r : records) {
        MessageRecord record;
        record.setNumber(QString::fromLatin1(r.number));
        record.setDate(QString::fromLatin1(r.date));
        record.setTitle(u"題 "_qs + QString::fromLatin1(r.number));
        record.setDontRead(r.unread ? u"YES"_qs : u"NO"_qs);
        file.body().append(record);
    }
    return file.serialize();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Sorting a file written by this program reads only the records that may move; the file it
// writes must be the one sorting the whole file in memory gives.
TEST(BoardLogSorting, SortingAFileGivesWhatSortingItWholeGives)
{
    const char* d1 = "2004-01-01 10:00:00 +0900";
    const char* d2 = "2004-01-02 10:00:00 +0900";
    const struct
    {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"in order", boardFile({{"0", "", true}, {"1", d1, false}, {"2", d2, true}}, "1")},
        {"pages cut newest first", boardFile({{"1", d1, false},
                                              {"2", d1, true},
                                              {"7", d2, true},
                                              {"8", d2, true},
                                              {"5", d1, true},
                                              {"6", d1, false}},
                                             "2")},
        {"a low number late",
         boardFile({{"1", d1, false}, {"3", d1, false}, {"4", d1, false}, {"2", d2, true}}, "4")},
        {"equal numbers ordered by date",
         boardFile({{"1", d1, false}, {"2", d2, false}, {"2", d1, true}}, "9")},
        {"falling from the start", boardFile({{"3", d2, true}, {"2", d1, false}, {"1", "", false}}, "0")},
        {"numbers as written", boardFile({{"7", d1, false}, {"007", d2, true}, {"10", d1, true}}, "")},
    };
    const SortingDefaults defaults{true, 30};
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<BoardLogFile> whole = BoardLogFile::parse(c.bytes);
        ASSERT_TRUE(whole);
        BoardLogSorting::sort(*whole, defaults);

        const QString path = dir.writeFile(u"board"_qs, c.bytes);
        QString error;
        EXPECT_EQ(BoardLogSorting::sortFile(path, defaults, &error), BoardLogSorting::Outcome::Sorted)
            << error.toStdString();
        EXPECT_EQ(readAll(path), whole->serialize());
    }
}
