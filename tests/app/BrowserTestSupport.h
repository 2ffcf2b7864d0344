#pragma once

// A data folder's Warehouse with board log files, and the browser's classes wired to fakes.

#include "app/BoardBrowser.h"
#include "app/BoardTreeBuilder.h"
#include "app/BoardTreeModel.h"
#include "app/MessageListModel.h"
#include "app/MessageMarks.h"
#include "app/ReadingNavigator.h"
#include "platform/FakeAlertPanel.h"
#include "platform/FakeSystemLog.h"
#include "platform/FakeTrash.h"
#include "store/BoardLogFile.h"
#include "store/Preferences.h"
#include "support/TempDir.h"

#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace tavrel::test {

// A message: number, the number it comments on ("0" for none), unread or read.
struct Msg
{
    QString number;
    QString comment = QStringLiteral("0");
    bool unread = true;
};

inline MessageRecord makeRecord(const Msg& msg)
{
    MessageRecord record;
    record.setNumber(msg.number);
    record.setComment(msg.comment);
    record.setTitle(u"title " + msg.number);
    record.setName(u"name " + msg.number);
    record.setDate(
        QStringLiteral("2004-05-12 13:%1:00 +0900").arg(msg.number.toInt() % 60, 2, 10, QLatin1Char('0')));
    record.setContents(u"<p>message " + msg.number + u"</p>");
    record.setDontRead(msg.unread ? QStringLiteral("YES") : QStringLiteral("NO"));
    record.setLock(QStringLiteral("NO"));
    record.setMemo(QString());
    record.setLabel(QString());
    return record;
}

// A header naming the forum and board; "MidokuSu" counts the unread messages unless given.
inline BoardLogHeader makeHeader(const QString& id, const QString& forum, const QList<Msg>& msgs,
                                 int midoku = -1)
{
    BoardLogHeader header = BoardLogHeader::newFileHeader();
    header.setForumID(id);
    header.setForumName(forum);
    header.setBoardName(u"board " + id);
    header.setKaigishitsuName(u"title of " + id);
    int unread = 0;
    for (const Msg& msg : msgs)
        unread += msg.unread;
    header.setMidokuSu(QString::number(midoku >= 0 ? midoku : unread));
    return header;
}

inline QString writeBoard(const QString& path, const BoardLogHeader& header, const QList<Msg>& msgs)
{
    BoardLogFile file;
    file.header() = header;
    for (const Msg& msg : msgs)
        file.body().append(makeRecord(msg));
    QString error;
    EXPECT_TRUE(file.write(path, &error)) << error.toStdString();
    return path;
}

inline BoardLogFile readBoard(const QString& path)
{
    QString error;
    std::optional<BoardLogFile> file = BoardLogFile::read(path, &error);
    EXPECT_TRUE(file) << error.toStdString();
    return file.value_or(BoardLogFile());
}

inline QStringList numbersOf(const QList<MessageRecord>& records)
{
    QStringList numbers;
    for (const MessageRecord& record : records)
        numbers.append(record.number());
    return numbers;
}

inline QStringList unreadNumbersOf(const QList<MessageRecord>& records)
{
    QStringList numbers;
    for (const MessageRecord& record : records) {
        if (record.isUnread())
            numbers.append(record.number());
    }
    return numbers;
}

// Everything the browser needs, over a temporary Warehouse.
class BrowserFixture : public ::testing::Test
{
protected:
    BrowserFixture()
        : warehouse(dir.makeDir(QStringLiteral("Warehouse")))
        , preferences(dir.filePath(QStringLiteral("prefs.plist")))
    {}

    QString board(const QString& id, const QString& forum, const QList<Msg>& msgs, int midoku = -1)
    {
        return writeBoard(warehouse + u'/' + id, makeHeader(id, forum, msgs, midoku), msgs);
    }

    // Builds the tree and shows its first board, as the start does.
    void start()
    {
        builder = std::make_unique<BoardTreeBuilder>(alerts, trash, log);
        browser =
            std::make_unique<BoardBrowser>(tree, list, *builder, preferences, log, QStringLiteral("ACTION"));
        navigator = std::make_unique<ReadingNavigator>(*browser, alerts);
        marks = std::make_unique<MessageMarks>(*browser, log);
        browser->makeTableNow(warehouse);
    }

    // Selects a board as a click in the board tree does.
    void clickBoard(int row)
    {
        browser->setSelectedBoardRow(row);
        browser->clickForumKaigishitsuTable();
    }

    // Selects messages as a click in the message list does, and shows the last one.
    void clickMessages(const QList<int>& rows)
    {
        browser->setSelectedMessageRows(rows, rows.isEmpty() ? -1 : rows.last());
        browser->clickMessageTitleTable();
    }

    QString selectedNumber() const
    {
        const int row = browser->selectedMessageRow();
        return row < 0 ? QString() : list.recordAt(row).number();
    }

    QString displayedId() const
    {
        const KaigishitsuItem* item = browser->displayedBoard();
        return item ? item->kaigishitsuID() : QString();
    }

    int countOf(const QString& id) const
    {
        for (int row = 0; row < tree.flatRowCount(); ++row) {
            if (const KaigishitsuItem* item = tree.boardAtRow(row); item && item->kaigishitsuID() == id)
                return item->midokuSuu();
        }
        return -1;
    }

    TempDir dir;
    QString warehouse;
    Preferences preferences;
    FakeAlertPanel alerts;
    FakeTrash trash;
    FakeSystemLog log;
    BoardTreeModel tree;
    MessageListModel list;
    std::unique_ptr<BoardTreeBuilder> builder;
    std::unique_ptr<BoardBrowser> browser;
    std::unique_ptr<ReadingNavigator> navigator;
    std::unique_ptr<MessageMarks> marks;
};

} // namespace tavrel::test
