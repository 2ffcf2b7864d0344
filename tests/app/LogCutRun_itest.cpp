// The log cutting run with the real tavrelsplit on real files.

#include "FakeLogCutPanel.h"
#include "app/LogCutRun.h"
#include "logcutter/PageMarkup.h"
#include "platform/FakeAlertPanel.h"
#include "platform/FakeSystemLog.h"
#include "store/BackupLogFile.h"
#include "store/BoardLogFile.h"
#include "store/DataFolder.h"
#include "store/Preferences.h"
#include "store/ServiceConfiguration.h"
#include "store/UiTexts.h"
#include "support/BoardLogLists.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "text/TextEncoding.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

const QString boardTitle = u"＠ｎｉｆｔｙ：フォーラム：テストフォーラム：雑談会議室"_s;

// A board page of the given messages, with the board's explanation when one is given.
QByteArray page(const QList<MessageMarkup>& messages, const QString& explanation = QString())
{
    QString text = boardPage(boardTitle, messages);
    if (!explanation.isNull()) {
        const ServiceConfiguration configuration;
        const QString body = u"<body bgcolor=\"#FFFFEE\">\n"_s;
        text.replace(body, body + u"<div>"_s + configuration.toolMeiToSetsumeiBunStart() + explanation +
                               configuration.toolMeiToSetsumeiBunEnd() + u"</div>\n"_s);
    }
    return encoding::encodeCp932Lossy(text);
}

class LogCutRunTest : public ::testing::Test
{
protected:
    LogCutRunTest()
        : folder(*DataFolder::create(dir.path()))
        , preferences(dir.filePath(u"preferences.plist"_s))
    {
        log.setDetailEnabled(true);
    }

    std::unique_ptr<LogCutRun> makeRun(const QString& program = binaryDir() + u"/tavrelsplit"_s)
    {
        return std::make_unique<LogCutRun>(
            LogCutRun::Collaborators{folder, preferences, configuration, alerts, log, panel, program,
                                     [this] {
                                         ++saves;
                                         savedWhilePanelHidden = !panel.visible;
                                     },
                                     [this] { ++refreshes; }});
    }

    // One whole run; false when it did not end in time.
    bool cutAll()
    {
        if (!run)
            run = makeRun();
        QSignalSpy ended(run.get(), &LogCutRun::logCutEnded);
        if (!run->cutTempLog())
            return false;
        return ended.count() == 1 || ended.wait(60000);
    }

    void putPage(const QString& name, const QByteArray& bytes)
    {
        QFile::remove(folder.tmpPath() + u'/' + name);
        dir.writeFile(u"TavrelFolder/Tmp/"_s + name, bytes);
    }

    QString boardPath(const QString& id) const { return folder.warehousePath() + u'/' + id; }

    BoardLogFile board(const QString& id) const
    {
        std::optional<BoardLogFile> file = BoardLogFile::read(boardPath(id));
        EXPECT_TRUE(file) << id.toStdString();
        return file.value_or(BoardLogFile());
    }

    // A stored board of this title holding the given messages, all read, with a "MidokuSu"
    // that does not match them.
    void storeBoard(const QString& id, int last, const QString& deleteFlag = QString(),
                    const QString& deleteDay = QString())
    {
        BoardLogFile file;
        file.header() = BoardLogHeader::newFileHeader();
        file.header().setKaigishitsuName(boardTitle);
        file.header().setForumID(id);
        file.header().setMidokuSu(u"7"_s);
        file.header().setDeleteFlag(deleteFlag);
        file.header().setDeleteDay(deleteDay);
        file.header().setNumberOfLastMes(QString::number(last));
        file.header().setDateOfLastMes(u"2004-05-12 13:"_s + QString::number(last).rightJustified(2, u'0') +
                                       u":00 +0900"_s);
        for (int n = 1; n <= last; ++n) {
            MessageRecord record;
            record.setNumber(QString::number(n));
            record.setTitle(u"stored"_s);
            record.setDate(u"2004-05-12 13:00:00 +0900"_s);
            record.setDontRead(u"NO"_s);
            file.body().append(record);
        }
        ASSERT_TRUE(file.write(boardPath(id)));
    }

    // The user reads every message of a board.
    void markAllRead(const QString& id)
    {
        BoardLogFile file = board(id);
        for (MessageRecord& record : file.body())
            record.setDontRead(u"NO"_s);
        file.header().setMidokuSu(u"0"_s);
        ASSERT_TRUE(file.write(boardPath(id)));
    }

    QStringList linesStartingWith(const QString& prefix) const
    {
        QStringList found;
        for (const QString& line : log.lines()) {
            if (line.startsWith(prefix))
                found.append(line.mid(prefix.size()));
        }
        return found;
    }

    TempDir dir;
    DataFolder folder;
    Preferences preferences;
    ServiceConfiguration configuration;
    FakeAlertPanel alerts;
    FakeSystemLog log;
    FakeLogCutPanel panel;
    int saves = 0;
    int refreshes = 0;
    bool savedWhilePanelHidden = false;
    std::unique_ptr<LogCutRun> run;
};

} // namespace

TEST_F(LogCutRunTest, CutsThreePagesOfTwoBoardsAndSortsEachBoardOnce)
{
    storeBoard(u"BRD01"_s, 3);
    putPage(u"BRD01.1"_s, page(numbered(1, 10)));
    // The newer page overlaps the first and lists its messages newest first.
    QList<MessageMarkup> newer = numbered(9, 15);
    std::reverse(newer.begin(), newer.end());
    putPage(u"BRD01.2"_s, page(newer));
    putPage(u"BRD02.1"_s, page(numbered(1, 5)));

    ASSERT_TRUE(cutAll());

    EXPECT_EQ(linesStartingWith(u"Cutting Log File : "_s),
              (QStringList{u"BRD01.1"_s, u"BRD01.2"_s, u"BRD02.1"_s}));
    EXPECT_EQ(linesStartingWith(u"Sorting Message. File : "_s), (QStringList{u"BRD01"_s, u"BRD02"_s}));
    EXPECT_TRUE(alerts.alerts().isEmpty());

    const BoardLogFile first = board(u"BRD01"_s);
    EXPECT_EQ(numbersOf(first), numberRange(1, 15));
    EXPECT_EQ(first.header().numberOfLastMes(), u"15"_s);
    EXPECT_EQ(first.header().dateOfLastMes(), u"2004-05-12 13:15:00 +0900"_s);
    // Messages 1 to 3 were read before; "7" was wrong and is recounted.
    EXPECT_EQ(first.header().midokuSu(), u"12"_s);

    const BoardLogFile second = board(u"BRD02"_s);
    EXPECT_EQ(numbersOf(second), numberRange(1, 5));
    EXPECT_EQ(second.header().numberOfLastMes(), u"5"_s);
    EXPECT_EQ(second.header().dateOfLastMes(), second.body().last().date());
    EXPECT_EQ(second.header().midokuSu(), u"5"_s);

    // The sheet: shown after the displayed board was saved, progress per page, closed once.
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(savedWhilePanelHidden);
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.closed, 1);
    EXPECT_TRUE(panel.progress.contains(100.0 / 3));
    EXPECT_TRUE(panel.progress.contains(100.0));
    EXPECT_TRUE(panel.texts.contains(uiText(u"LogCutSortingMessage") + u"\nBRD02"_s));
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(run->isRunning());
}

TEST_F(LogCutRunTest, TmpWithOnlyIgnoredNamesGoesStraightToTheEnd)
{
    putPage(u".DS_Store"_s, page(numbered(1, 3)));
    putPage(u"._BRD01.1"_s, page(numbered(1, 3)));
    putPage(u"_BRD01.1"_s, page(numbered(1, 3)));

    ASSERT_TRUE(cutAll());

    EXPECT_TRUE(linesStartingWith(u"Cutting Log File : "_s).isEmpty());
    EXPECT_TRUE(QDir(folder.warehousePath()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_EQ(panel.texts, (QStringList{uiText(u"LogCutSortingMessage")}));
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.closed, 1);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(alerts.alerts().isEmpty());
}

TEST_F(LogCutRunTest, StopDuringTheSecondOfFivePagesSortsTheBoardsReachedOnly)
{
    const QStringList ids{u"BRDA"_s, u"BRDB"_s, u"BRDC"_s, u"BRDD"_s, u"BRDE"_s};
    for (const QString& id : ids)
        putPage(id + u".1"_s, page(numbered(1, 6)));
    storeBoard(u"BRDB"_s, 3);
    run = makeRun();
    // Stop is pressed from the event loop while the second page is being cut.
    panel.onText = [this](const QString& text) {
        if (text == u"BRDB.1")
            QMetaObject::invokeMethod(
                run.get(), [this] { run->stopLogCut(); }, Qt::QueuedConnection);
    };

    ASSERT_TRUE(cutAll());

    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().title, uiText(u"StopLogCutAlertTitle"));
    EXPECT_EQ(alerts.alerts().first().message, uiText(u"StopLogCutAlertMessage"));
    EXPECT_EQ(linesStartingWith(u"Cutting Log File : "_s), (QStringList{u"BRDA.1"_s, u"BRDB.1"_s}));
    EXPECT_EQ(linesStartingWith(u"Sorting Message. File : "_s), (QStringList{u"BRDA"_s, u"BRDB"_s}));
    EXPECT_EQ(board(u"BRDA"_s).header().numberOfLastMes(), u"6"_s);
    // Whether or not the second cut finished, its board was recounted.
    const BoardLogFile second = board(u"BRDB"_s);
    EXPECT_EQ(second.header().midokuSu(), QString::number(second.unreadCount()));
    for (const QString& id : ids.mid(2))
        EXPECT_FALSE(QFileInfo::exists(boardPath(id))) << id.toStdString();
    EXPECT_EQ(panel.closed, 1);
    EXPECT_EQ(refreshes, 1);

    // The next run starts afresh and cuts the rest.
    panel.onText = nullptr;
    alerts.clear();
    ASSERT_TRUE(cutAll());
    EXPECT_TRUE(alerts.alerts().isEmpty());
    for (const QString& id : ids)
        EXPECT_EQ(board(id).header().numberOfLastMes(), u"6"_s) << id.toStdString();
}

TEST_F(LogCutRunTest, ACutterThatCannotStartStopsTheRunLikeAFailedCut)
{
    storeBoard(u"BRD01"_s, 3);
    putPage(u"BRD01.1"_s, page(numbered(1, 6)));
    putPage(u"BRD02.1"_s, page(numbered(1, 6)));
    run = makeRun(dir.filePath(u"no-such-program"_s));

    ASSERT_TRUE(cutAll());

    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().message, uiText(u"StopLogCutAlertMessage"));
    EXPECT_EQ(linesStartingWith(u"Sorting Message. File : "_s), (QStringList{u"BRD01"_s}));
    EXPECT_EQ(board(u"BRD01"_s).header().midokuSu(), u"0"_s);
    EXPECT_FALSE(QFileInfo::exists(boardPath(u"BRD02"_s)));
    EXPECT_EQ(panel.closed, 1);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(LogCutRunTest, MissingBoardLogGetsItsNewestBackupBackWithAnAlert)
{
    // A new board whose page yields no message leaves no file; backups .1 and .3 lie there.
    const QString path = boardPath(u"BRD09"_s);
    dir.writeFile(u"TavrelFolder/Warehouse/BRD09.1"_s, "first backup");
    dir.writeFile(u"TavrelFolder/Warehouse/BRD09.3"_s, "after a gap");
    putPage(u"BRD09.1"_s, page({}));

    ASSERT_TRUE(cutAll());

    EXPECT_EQ(readFile(path), "first backup");
    EXPECT_FALSE(QFileInfo::exists(path + u".1"_s));
    EXPECT_TRUE(QFileInfo::exists(path + u".3"_s));
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().title, u"BRD09"_s);
    EXPECT_EQ(alerts.alerts().first().message, uiText(u"NotExistFileLogCutSeiretsuAlertMessage"));
}

TEST_F(LogCutRunTest, BrokenBoardLogStopsTheRunAndIsPutBack)
{
    // tavrelsplit moves a file it cannot read aside and fails; the run stops and puts it back.
    dir.writeFile(u"TavrelFolder/Warehouse/BRD01"_s, "not a property list");
    putPage(u"BRD01.1"_s, page(numbered(1, 3)));
    putPage(u"BRD02.1"_s, page(numbered(1, 3)));

    ASSERT_TRUE(cutAll());

    EXPECT_EQ(readFile(boardPath(u"BRD01"_s)), "not a property list");
    EXPECT_FALSE(QFileInfo::exists(boardPath(u"BRD02"_s)));
    ASSERT_EQ(alerts.alerts().size(), 2);
    EXPECT_EQ(alerts.alerts()[0].message, uiText(u"StopLogCutAlertMessage"));
    EXPECT_EQ(alerts.alerts()[1].title, u"BRD01"_s);
    EXPECT_EQ(alerts.alerts()[1].message, uiText(u"NotExistFileLogCutSeiretsuAlertMessage"));
}

TEST_F(LogCutRunTest, ExplanationIsInsertedOnceAndReplacedWhenChanged)
{
    putPage(u"BRD01.1"_s, page(numbered(1, 4), u"この会議室は雑談用です。"_s));
    ASSERT_TRUE(cutAll());
    BoardLogFile file = board(u"BRD01"_s);
    ASSERT_EQ(numbersOf(file), (QStringList{u"0"_s} + numberRange(1, 4)));
    const MessageRecord inserted = file.body().first();
    EXPECT_EQ(inserted.contents(), u"この会議室は雑談用です。"_s);
    EXPECT_EQ(inserted.title(), uiText(u"ToolMeiToSetsumeiBun"));
    EXPECT_EQ(inserted.lock(), u"YES"_s);
    EXPECT_TRUE(inserted.dateValue().has_value());
    EXPECT_EQ(file.header().midokuSu(), u"5"_s);

    // The same explanation again: left alone, still read.
    markAllRead(u"BRD01"_s);
    ASSERT_TRUE(cutAll());
    file = board(u"BRD01"_s);
    EXPECT_EQ(numbersOf(file), (QStringList{u"0"_s} + numberRange(1, 4)));
    EXPECT_EQ(file.body().first().dontRead(), u"NO"_s);
    EXPECT_EQ(file.header().midokuSu(), u"0"_s);

    // A changed explanation replaces the record and counts as unread again.
    putPage(u"BRD01.1"_s, page(numbered(1, 4), u"新しい説明です。"_s));
    ASSERT_TRUE(cutAll());
    file = board(u"BRD01"_s);
    EXPECT_EQ(numbersOf(file), (QStringList{u"0"_s} + numberRange(1, 4)));
    EXPECT_EQ(file.body().first().contents(), u"新しい説明です。"_s);
    EXPECT_EQ(file.body().first().dontRead(), u"YES"_s);
    EXPECT_EQ(file.header().midokuSu(), u"1"_s);

    // Switched off, explanations are neither changed nor created.
    preferences.setIsNoCuttingToolAndSetsumei(true);
    putPage(u"BRD01.1"_s, page(numbered(1, 4), u"三つ目の説明です。"_s));
    putPage(u"BRD02.1"_s, page(numbered(1, 2), u"別の会議室です。"_s));
    ASSERT_TRUE(cutAll());
    EXPECT_EQ(board(u"BRD01"_s).body().first().contents(), u"新しい説明です。"_s);
    EXPECT_EQ(numbersOf(board(u"BRD02"_s)), numberRange(1, 2));
}

TEST_F(LogCutRunTest, DeleteSettingsOfABoardAreKeptOrCompleted)
{
    struct Case
    {
        QString deleteFlag;
        QString deleteDay;
        bool isSakujo;
        double sakujoDay;
        QString expectedFlag;
        QString expectedDay;
    };
    const QList<Case> cases{
        {u"NO"_s, u"10"_s, true, 45, u"NO"_s, u"10"_s},
        {u""_s, u""_s, true, 45, u"YES"_s, u"45"_s},
        {u""_s, u""_s, false, 7.75, u"NO"_s, u"8"_s},
        {u"YES"_s, u""_s, false, 30, u"YES"_s, u"30"_s},
    };
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const QString id = u"BRD0"_s + QString::number(i);
        storeBoard(id, 2, c.deleteFlag, c.deleteDay);
        putPage(id + u".1"_s, page(numbered(1, 4)));
        preferences.setIsSakujo(c.isSakujo);
        preferences.setSakujoDay(c.sakujoDay);
        ASSERT_TRUE(cutAll());
        QFile::remove(folder.tmpPath() + u'/' + id + u".1"_s);
        const BoardLogFile file = board(id);
        EXPECT_EQ(file.header().deleteFlag(), c.expectedFlag) << i;
        EXPECT_EQ(file.header().deleteDay(), c.expectedDay) << i;
        EXPECT_EQ(file.header().numberOfLastMes(), u"4"_s) << i;
    }
}
