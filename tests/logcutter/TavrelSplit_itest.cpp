#include "CutterProcess.h"
#include "PageMarkup.h"
#include "store/BoardLogFile.h"
#include "support/BoardLogLists.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "text/TextEncoding.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::MessageMarkup;
using tavrel::test::numberRange;
using tavrel::test::numbersOf;
using tavrel::test::TempDir;

namespace {

const QString title = u"＠ｎｉｆｔｙ：フォーラム：テストフォーラム：雑談会議室"_qs;

QByteArray page(const QString& pageTitle, const QList<MessageMarkup>& messages)
{
    return encoding::encodeCp932Lossy(test::boardPage(pageTitle, messages));
}

QList<MessageMarkup> withNumbers(const QStringList& numbers)
{
    QList<MessageMarkup> messages;
    for (const QString& n : numbers) {
        MessageMarkup m;
        m.number = n;
        messages.append(m);
    }
    return messages;
}

// A stored board: its title, record numbers, "NumberOfLastMes", "DateOfLastMes" (none when
// empty) and "MidokuSu".
BoardLogFile storedBoard(const QString& boardTitle, const QStringList& numbers,
                         const QString& lastNumber = u"0"_qs, const QString& lastDate = QString(),
                         const QString& unread = u"0"_qs)
{
    BoardLogFile log;
    log.header() = BoardLogHeader::newFileHeader();
    log.header().setKaigishitsuName(boardTitle);
    log.header().setForumID(u"STORED"_qs);
    log.header().setNumberOfLastMes(lastNumber);
    log.header().setMidokuSu(unread);
    if (!lastDate.isEmpty())
        log.header().setDateOfLastMes(lastDate);
    for (const QString& n : numbers) {
        MessageRecord record;
        record.setNumber(n);
        record.setTitle(u"stored"_qs);
        record.setDontRead(u"NO"_qs);
        log.body().append(record);
    }
    return log;
}

// The backup suffixes present next to the board log file.
QStringList backupsOf(const QString& boardLogPath)
{
    QStringList found;
    for (int n = 1; n <= 5; ++n) {
        if (QFileInfo::exists(boardLogPath + u'.' + QString::number(n)))
            found.append(u'.' + QString::number(n));
    }
    return found;
}

using HeaderValues = QList<std::pair<BoardLogHeader::Key, QString>>;

struct Scenario
{
    const char* name;
    std::optional<BoardLogFile> stored;
    QList<QByteArray> pages; // cut one after the other
    QStringList takenBackups;
    // After the last cut: the body's numbers (nothing = no board log file).
    std::optional<QStringList> numbers;
    HeaderValues header;
    QStringList backups;
    // The newest backup holds the stored file as it was.
    bool backupIsStored = false;
};

} // namespace

TEST(TavrelSplit, BoardScenarios)
{
    using H = BoardLogHeader;
    const QByteArray twenty = page(title, test::numbered(1, 20));
    const QByteArray restartPage = page(title, test::numbered(1, 12, u"2004/05/12"_qs));
    const Scenario scenarios[] = {
        {"a new board takes the page's messages",
         std::nullopt,
         {twenty},
         {},
         numberRange(1, 20),
         {{H::MidokuSu, u"20"_qs},
          {H::NumberOfLastMes, u"0"_qs},
          {H::ForumID, u"BRD01"_qs},
          {H::KaigishitsuName, title},
          {H::ForumName, u"テストフォーラム"_qs},
          {H::BoardName, u"雑談会議室"_qs},
          {H::BodyTagBGColor, u"FFFFEE"_qs},
          {H::PostURL, u"http://nb1.example.com/nbbin/nb_wrent_do?bid=BRD01&wr_add=f1&wr_type=M"_qs}},
         {}},
        {"cutting the same page twice adds nothing the second time",
         std::nullopt,
         {twenty, twenty},
         {},
         numberRange(1, 20),
         {{H::MidokuSu, u"20"_qs}},
         {}},
        {"duplicates go by the exact number text",
         storedBoard(title, {u"7"_qs}, u"5"_qs, QString(), u"1"_qs),
         {page(title, withNumbers({u"6"_qs, u"007"_qs, u"7"_qs, u"8"_qs, u"3"_qs, u"8"_qs, u"5"_qs}))},
         {},
         QStringList{u"7"_qs, u"6"_qs, u"007"_qs, u"8"_qs},
         {{H::MidokuSu, u"4"_qs}, {H::NumberOfLastMes, u"5"_qs}, {H::ForumID, u"STORED"_qs}},
         {}},
        {"a retitled board starts afresh and keeps the old file as backup .1",
         storedBoard(title, {u"30"_qs, u"31"_qs}, u"31"_qs, u"2004-05-01 00:00:00 +0900"_qs, u"2"_qs),
         {page(u"新しい：会議室"_qs, test::numbered(32, 33))},
         {},
         QStringList{u"32"_qs, u"33"_qs},
         {{H::KaigishitsuName, u"新しい：会議室"_qs},
          {H::BoardName, u"新しい：会議室"_qs},
          {H::MidokuSu, u"2"_qs},
          {H::NumberOfLastMes, u"0"_qs}},
         {u".1"_qs},
         true},
        {"a page without title retitles a board that has one",
         storedBoard(title, {u"1"_qs}),
         {page(QString(), test::numbered(2, 2))},
         {},
         QStringList{u"2"_qs},
         {{H::KaigishitsuName, QString()}, {H::MidokuSu, u"1"_qs}},
         {u".1"_qs},
         true},
        {"a stored board whose header lacks the title key counts as retitled",
         [] {
             BoardLogFile log = storedBoard(QString(), {u"1"_qs});
             log.header().remove(BoardLogHeader::KaigishitsuName);
             return log;
         }(),
         {page(title, test::numbered(1, 3))},
         {},
         numberRange(1, 3),
         {{H::KaigishitsuName, title}, {H::MidokuSu, u"3"_qs}},
         {u".1"_qs},
         true},
        {"a stored board without title takes the page's without a reset",
         storedBoard(QString(), {u"1"_qs}),
         {page(title, test::numbered(1, 3))},
         {},
         QStringList{u"1"_qs, u"2"_qs, u"3"_qs},
         {{H::KaigishitsuName, title}, {H::BoardName, u"雑談会議室"_qs}, {H::MidokuSu, u"2"_qs}},
         {}},
        {"a restarted board moves to the lowest free backup",
         storedBoard(title, {u"149"_qs, u"150"_qs}, u"150"_qs, u"2004-05-10 00:00:00 +0900"_qs, u"2"_qs),
         {restartPage},
         {u".1"_qs},
         numberRange(1, 12),
         {{H::MidokuSu, u"12"_qs},
          {H::NumberOfLastMes, u"0"_qs},
          {H::PostURL, u"http://nb1.example.com/nbbin/nb_wrent_do?bid=BRD01&wr_add=f1&wr_type=M"_qs}},
         {u".1"_qs, u".2"_qs},
         true},
        {"a last message dated at the stored date is no restart",
         storedBoard(title, {u"149"_qs, u"150"_qs}, u"150"_qs, u"2004-05-12 13:12:00 +0900"_qs, u"2"_qs),
         {restartPage},
         {},
         QStringList{u"149"_qs, u"150"_qs},
         {{H::MidokuSu, u"2"_qs}, {H::NumberOfLastMes, u"150"_qs}},
         {}},
        {"a stored board without last date never restarts",
         storedBoard(title, {u"150"_qs}, u"150"_qs),
         {restartPage},
         {},
         QStringList{u"150"_qs},
         {{H::MidokuSu, u"0"_qs}},
         {}},
        {"a page without messages creates no board",
         std::nullopt,
         {page(title, {})},
         {},
         std::nullopt,
         {},
         {}},
        {"a retitle that yields no message leaves only the backup",
         storedBoard(title, {u"1"_qs}),
         {page(u"別の会議室"_qs, {})},
         {},
         std::nullopt,
         {},
         {u".1"_qs},
         true},
    };

    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        TempDir dir;
        const QString logPath = dir.makeDir(u"Warehouse"_qs) + u"/BRD01"_qs;
        QByteArray storedBytes;
        if (s.stored) {
            storedBytes = s.stored->serialize();
            dir.writeFile(u"Warehouse/BRD01"_qs, storedBytes);
        }
        for (const QString& suffix : s.takenBackups)
            dir.writeFile(u"Warehouse/BRD01"_qs + suffix, "taken");
        for (const QByteArray& bytes : s.pages) {
            const QString pagePath = dir.writeFile(u"Tmp/BRD01.1"_qs, bytes);
            const test::CutterRun run = test::runCutter({logPath, pagePath});
            EXPECT_EQ(run.exitStatus, 0);
            EXPECT_EQ(run.errorLines, QStringList());
            EXPECT_TRUE(run.output.isEmpty());
        }

        const std::optional<BoardLogFile> after = BoardLogFile::read(logPath);
        if (s.numbers) {
            ASSERT_TRUE(after);
            EXPECT_EQ(numbersOf(*after), *s.numbers);
        } else {
            EXPECT_FALSE(QFileInfo::exists(logPath));
        }
        for (const auto& [key, value] : s.header) {
            ASSERT_TRUE(after);
            EXPECT_EQ(after->header().value(key), value) << BoardLogHeader::keyName(key).data();
        }
        EXPECT_EQ(backupsOf(logPath), s.backups);
        if (s.backupIsStored) {
            EXPECT_EQ(test::readFile(logPath + s.backups.last()), storedBytes);
        }
    }
}

TEST(TavrelSplit, NewBoardHeaderAndRecordsFromEachEncoding)
{
    struct Case
    {
        const char* fixture;
        int records;
        QString firstTitle;
        QString firstName;
    };
    const Case cases[] = {
        {"pages/board_sjis.html", 3, u"最初の発言"_qs, u"山田 太郎"_qs},
        {"pages/board_jis.html", 2, u"最初の発言"_qs, u"山田 太郎"_qs},
        {"pages/board_x0213.html", 1, u"鷗外を読む"_qs, u"森"_qs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fixture);
        TempDir dir;
        const QString logPath = dir.makeDir(u"Warehouse"_qs) + u"/BRD01"_qs;
        const QString pagePath =
            dir.writeFile(u"Tmp/BRD01.1"_qs, test::readFixture(QString::fromLatin1(c.fixture)));
        const test::CutterRun run = test::runCutter({logPath, pagePath});
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.errorLines, QStringList());
        const std::optional<BoardLogFile> log = BoardLogFile::read(logPath);
        ASSERT_TRUE(log);
        EXPECT_EQ(log->header().toDict().keys(),
                  (QStringList{u"ForumName"_qs, u"KaigishitsuName"_qs, u"BoardName"_qs, u"ForumID"_qs,
                               u"PostURL"_qs, u"MidokuSu"_qs, u"NumberOfLastMes"_qs, u"Delete"_qs,
                               u"DeleteDay"_qs, u"BodyTagBGColor"_qs, u"BodyTagTextColor"_qs,
                               u"BodyTagLinkColor"_qs, u"BodyTagVLinkColor"_qs, u"BodyTagALinkColor"_qs}));
        EXPECT_EQ(log->header().kaigishitsuName(),
                  u"＠ｎｉｆｔｙ：フォーラム：テストフォーラム：雑談会議室"_qs);
        EXPECT_EQ(log->header().midokuSu(), QString::number(c.records));
        ASSERT_EQ(log->body().size(), c.records);
        const MessageRecord& first = log->body().first();
        EXPECT_EQ(first.title(), c.firstTitle);
        EXPECT_EQ(first.name(), c.firstName);
        EXPECT_EQ(first.refference(), u"参照:0"_qs);
        EXPECT_TRUE(first.contents().startsWith(u"<!-- NO B -->1<!-- NO E -->"_qs))
            << first.contents().toStdString();
    }
}

TEST(TavrelSplit, MyDeskPagesAreAddedWithoutDuplicateDetection)
{
    TempDir dir;
    const QString logPath = dir.makeDir(u"Warehouse"_qs) + u"/message"_qs;
    const QString pagePath = dir.writeFile(u"Tmp/message.1"_qs, test::readFixture(u"pages/mydesk.html"_qs));
    for (int run = 0; run < 2; ++run) {
        const test::CutterRun result = test::runCutter({logPath, pagePath});
        EXPECT_EQ(result.exitStatus, 0);
        EXPECT_EQ(result.errorLines, QStringList());
    }
    const std::optional<BoardLogFile> log = BoardLogFile::read(logPath);
    ASSERT_TRUE(log);
    EXPECT_EQ(numbersOf(*log), (QStringList{u"20040512"_qs, u"20040512"_qs, u"20040513"_qs, u"20040512"_qs,
                                            u"20040512"_qs, u"20040513"_qs}));
    EXPECT_EQ(log->header().midokuSu(), u"6"_qs);
    EXPECT_EQ(log->header().forumID(), u"message"_qs);
    EXPECT_EQ(log->header().kaigishitsuName(), u"マイデスク：メッセージ"_qs);
    EXPECT_FALSE(log->header().contains(BoardLogHeader::PostURL) && !log->header().postURL().isEmpty());
}

TEST(TavrelSplit, FailuresReportAndLoseNothing)
{
    struct Case
    {
        const char* name;
        std::optional<QByteArray> stored; // the board log file's bytes before
        std::optional<QByteArray> page;   // nothing: no page file
        int arguments;                    // how many arguments to pass (2 = board log file, page)
        int exitStatus;
        QStringList errorStarts; // the start of each standard-error line
        bool storedMovesToBackup;
    };
    const QByteArray validLog = storedBoard(title, {u"1"_qs}).serialize();
    const QByteArray goodPage = page(title, test::numbered(2, 3));
    const Case cases[] = {
        {"no argument", validLog, goodPage, 0, 0, {u"Tavrel Log Cutter argument wrong!"_qs}, false},
        {"one argument", validLog, goodPage, 1, 0, {u"Tavrel Log Cutter argument wrong!"_qs}, false},
        {"three arguments", validLog, goodPage, 3, 0, {u"Tavrel Log Cutter argument wrong!"_qs}, false},
        {"missing page", validLog, std::nullopt, 2, 0, {}, false},
        {"empty page", validLog, QByteArray(), 2, 0, {}, false},
        {"page that cannot be decoded",
         validLog,
         QByteArray(
             "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-2022-jp\">"
             "</head><body>\x82\xa0</body>"),
         2,
         0,
         {u"failed file encoding : "_qs},
         false},
        {"unreadable board log file",
         QByteArray("<?xml version=\"1.0\"?><plist><dict><key>Header</key>"),
         goodPage,
         2,
         1,
         {u"cannot read board log file : "_qs, u"moved to backup log file : "_qs},
         true},
        {"board log file of another type",
         QByteArray("<plist><array/></plist>"),
         goodPage,
         2,
         1,
         {u"cannot read board log file : "_qs, u"moved to backup log file : "_qs},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString logPath = dir.makeDir(u"Warehouse"_qs) + u"/BRD01"_qs;
        if (c.stored)
            dir.writeFile(u"Warehouse/BRD01"_qs, *c.stored);
        const QString pagePath = dir.filePath(u"BRD01.1"_qs);
        if (c.page)
            dir.writeFile(u"BRD01.1"_qs, *c.page);
        const QStringList all{logPath, pagePath, logPath};
        const test::CutterRun run = test::runCutter(all.first(c.arguments));
        EXPECT_EQ(run.exitStatus, c.exitStatus);
        ASSERT_EQ(run.errorLines.size(), c.errorStarts.size()) << run.errorLines.join(u'\n').toStdString();
        for (qsizetype i = 0; i < c.errorStarts.size(); ++i)
            EXPECT_TRUE(run.errorLines[i].startsWith(c.errorStarts[i])) << run.errorLines[i].toStdString();
        if (c.storedMovesToBackup) {
            EXPECT_FALSE(QFileInfo::exists(logPath));
            EXPECT_EQ(test::readFile(logPath + u".1"_qs), *c.stored);
        } else {
            EXPECT_EQ(test::readFile(logPath), *c.stored);
            EXPECT_EQ(backupsOf(logPath), QStringList());
        }
        if (c.page) {
            EXPECT_EQ(test::readFile(pagePath), *c.page);
        }
    }
}

TEST(TavrelSplit, FailedWritesAndMovesExitNonZero)
{
    TempDir dir;
    const QString pagePath = dir.writeFile(u"BRD01.1"_qs, page(title, test::numbered(1, 2)));

    // The board log file's folder does not exist: the write fails.
    const test::CutterRun write = test::runCutter({dir.filePath(u"missing/BRD01"_qs), pagePath});
    EXPECT_EQ(write.exitStatus, 1);
    ASSERT_EQ(write.errorLines.size(), 1);
    EXPECT_TRUE(write.errorLines[0].startsWith(u"failed writing board log file : "_qs));

    // A name so long that no backup name fits: the retitled board's file stays untouched.
    const QString longName = QString(254, u'b');
    const QByteArray stored = storedBoard(u"旧題"_qs, {u"1"_qs}).serialize();
    const QString logPath = dir.writeFile(longName, stored);
    const test::CutterRun move = test::runCutter({logPath, pagePath});
    EXPECT_EQ(move.exitStatus, 1);
    ASSERT_EQ(move.errorLines.size(), 1);
    EXPECT_TRUE(move.errorLines[0].startsWith(u"cannot move board log file to a backup : "_qs));
    EXPECT_EQ(test::readFile(logPath), stored);
}
