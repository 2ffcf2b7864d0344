#include "store/AppendableBoardLog.h"
#include "store/BoardLogFile.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::readFixture;
using tavrel::test::TempDir;

namespace {

MessageRecord record(const QString& number, const QString& contents)
{
    MessageRecord r;
    r.setNumber(number);
    r.setTitle(u"題名 "_qs + number);
    r.setDate(u"2004-01-01 10:00:00 +0900"_qs);
    r.setContents(contents);
    r.setDontRead(u"NO"_qs);
    return r;
}

// A file as this program writes it: texts with references, a carriage return, an unknown
// text key, and a header with typed values of its own.
QByteArray ourFile()
{
    BoardLogFile file;
    file.header() = BoardLogHeader::newFileHeader();
    file.header().setKaigishitsuName(u"会議室 & <雑談>"_qs);
    file.header().setNumberOfLastMes(u"3"_qs);
    file.header().setOther(u"Shown"_qs, PlistValue(true));
    file.body().append(record(u"1"_qs, u"a &amp; b\r\n<br>"_qs));
    file.body().append(record(u"007"_qs, u"七"_qs));
    MessageRecord extra = record(u"3"_qs, u"三"_qs);
    extra.setOther(u"Extra"_qs, PlistValue(u"x"_qs));
    file.body().append(extra);
    return file.serialize();
}

// What adding two records gives through the whole reading, and through the appending one.
struct Appended
{
    QByteArray whole;
    QByteArray appending;
    bool kept = false;
};

Appended appendTwo(const QByteArray& bytes)
{
    TempDir dir;
    const QString path = dir.writeFile(u"board"_qs, bytes);
    Appended out;
    QString error;
    std::optional<BoardLogFile> whole = BoardLogFile::read(path, &error);
    EXPECT_TRUE(whole) << error.toStdString();
    std::optional<AppendableBoardLog> appending = AppendableBoardLog::read(path, &error);
    EXPECT_TRUE(appending) << error.toStdString();
    if (!whole || !appending)
        return out;
    out.kept = !appending->keptRecordList().isEmpty();
    EXPECT_EQ(appending->recordCount(), whole->body().size());
    for (const QString& n : {u"8"_qs, u"9"_qs}) {
        whole->body().append(record(n, u"新しい &"_qs));
        appending->file().body().append(record(n, u"新しい &"_qs));
    }
    whole->header().setMidokuSu(u"2"_qs);
    appending->file().header().setMidokuSu(u"2"_qs);
    out.whole = whole->serialize();
    out.appending = appending->serialize();
    // Writing sends the same bytes in pieces.
    const QString written = dir.filePath(u"written"_qs);
    EXPECT_TRUE(appending->write(written, &error)) << error.toStdString();
    QFile file(written);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), out.appending);
    return out;
}

} // namespace

TEST(AppendableBoardLog, GivesTheBytesOfAWholeRewriteAndKeepsRecordsOnlyInTheWrittenForm)
{
    const QByteArray ours = ourFile();
    QByteArray withRootKey = ours;
    withRootKey.replace("\t</array>\n</dict>",
                        "\t</array>\n\t<key>Saved by</key>\n\t<string>me</string>\n</dict>");
    QByteArray typedRecord = ours;
    typedRecord.replace("<string>七</string>", "<integer>7</integer>");
    QByteArray emptyBody = BoardLogFile().serialize();
    QByteArray spacedHeader = ours;
    spacedHeader.replace("\t<key>Header</key>\n", "\t<key>Header</key>\n\n");

    const struct
    {
        const char* name;
        QByteArray bytes;
        bool kept;
    } cases[] = {
        {"written by this program", ours, true},
        {"other root key after the body", withRootKey, false},
        {"a record holding a number", typedRecord, false},
        {"empty body", emptyBody, false},
        {"other white space around the header", spacedHeader, false},
        {"written by another program", readFixture(u"plist/boardlog_sorted.plist"_qs), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Appended appended = appendTwo(c.bytes);
        EXPECT_EQ(appended.kept, c.kept);
        EXPECT_EQ(appended.appending, appended.whole);
    }
}

TEST(AppendableBoardLog, KeepsWhatSortingNeedsSplitsAnywhereAndStartsAfresh)
{
    TempDir dir;
    const QString path = dir.writeFile(u"board"_qs, ourFile());
    std::optional<AppendableBoardLog> log = AppendableBoardLog::read(path);
    ASSERT_TRUE(log);
    QList<QString> numbers;
    for (const AppendableBoardLog::KeptRecord& record : log->keptRecordList())
        numbers.append(record.number);
    EXPECT_EQ(numbers, (QList<QString>{u"1"_qs, u"007"_qs, u"3"_qs}));
    EXPECT_EQ(log->keptRecordList().at(1).date, u"2004-01-01 10:00:00 +0900"_qs);
    EXPECT_FALSE(log->keptRecordList().at(1).unread);
    // Any kept record reads alone as it reads in the whole file.
    const std::optional<BoardLogFile> whole = BoardLogFile::read(path);
    ASSERT_TRUE(whole);
    for (qsizetype i = 0; i < 3; ++i)
        EXPECT_EQ(log->keptRecord(i), std::optional<MessageRecord>(whole->body().at(i)));

    // Taking the kept records back as records at any place changes nothing in what is written.
    const QByteArray serialized = log->serialize();
    for (qsizetype index : {3, 2, 1, 0}) {
        SCOPED_TRACE(index);
        std::optional<AppendableBoardLog> split = AppendableBoardLog::read(path);
        ASSERT_TRUE(split);
        ASSERT_TRUE(split->takeKeptRecordsFrom(index));
        EXPECT_EQ(split->keptRecordList().size(), index);
        EXPECT_EQ(split->file().body().size(), 3 - index);
        EXPECT_EQ(split->serialize(), serialized);
    }
    EXPECT_TRUE(log->file().body().isEmpty());
    EXPECT_EQ(log->file().header().kaigishitsuName(), u"会議室 & <雑談>"_qs);

    log->dropKeptRecords();
    log->file().body().append(record(u"1"_qs, u"x"_qs));
    ASSERT_TRUE(log->write(path));
    const std::optional<BoardLogFile> written = BoardLogFile::read(path);
    ASSERT_TRUE(written);
    ASSERT_EQ(written->body().size(), 1);
    EXPECT_EQ(written->body().at(0).contents(), u"x"_qs);
}

TEST(AppendableBoardLog, RefusesWhatTheWholeReadingRefusesWithTheSameMessage)
{
    QByteArray badReference = ourFile();
    badReference.replace("<string>七</string>", "<string>七 &bogus;</string>");
    QByteArray badUtf8 = ourFile();
    badUtf8.replace("七", "\xE4\xB8");
    QByteArray recordNotDict = ourFile();
    recordNotDict.replace(
        "\t\t<dict>\n\t\t\t<key>Number</key>\n\t\t\t<string>3</string>",
        "\t\t<string>x</string>\n\t\t<dict>\n\t\t\t<key>Number</key>\n\t\t\t<string>3</string>");
    QByteArray truncated = ourFile();
    truncated.chop(20);

    TempDir dir;
    for (const QByteArray& bytes : {badReference, badUtf8, recordNotDict, truncated}) {
        const QString path = dir.writeFile(u"board"_qs, bytes);
        QString wholeError;
        QString appendingError;
        EXPECT_FALSE(BoardLogFile::read(path, &wholeError));
        EXPECT_FALSE(AppendableBoardLog::read(path, &appendingError));
        EXPECT_FALSE(appendingError.isEmpty());
        EXPECT_EQ(appendingError, wholeError);
    }
}
