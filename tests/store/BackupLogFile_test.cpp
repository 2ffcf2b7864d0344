#include "store/BackupLogFile.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::readFile;
using tavrel::test::TempDir;

TEST(BackupLogFile, TakesTheLowestFreeNumberAndPutsTheNewestBack)
{
    TempDir dir;
    // A board identifier with a dot keeps its whole name.
    const QString board = dir.writeFile(QStringLiteral("Warehouse/for.um"), "first");
    EXPECT_EQ(BackupLogFile::newestBackup(board), QString());

    EXPECT_EQ(BackupLogFile::moveToBackup(board), board + u".1");
    EXPECT_FALSE(QFile::exists(board));
    dir.writeFile(QStringLiteral("Warehouse/for.um"), "second");
    EXPECT_EQ(BackupLogFile::moveToBackup(board), board + u".2");
    EXPECT_EQ(BackupLogFile::newestBackup(board), board + u".2");

    // The newest backup is put back; a file in the way is never overwritten.
    dir.writeFile(QStringLiteral("Warehouse/for.um"), "in the way");
    QString error;
    EXPECT_FALSE(BackupLogFile::restoreNewestBackup(board, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readFile(board), "in the way");
    QFile::remove(board);
    EXPECT_TRUE(BackupLogFile::restoreNewestBackup(board));
    EXPECT_EQ(readFile(board), "second");
    EXPECT_EQ(BackupLogFile::nextNumber(board), 2);

    // A gap: with .1 and .3 only, .2 is the next name and .1 the newest.
    dir.writeFile(QStringLiteral("Warehouse/for.um.3"), "third");
    EXPECT_EQ(BackupLogFile::newestBackup(board), board + u".1");
    EXPECT_EQ(BackupLogFile::moveToBackup(board), board + u".2");
}

TEST(BackupLogFile, FailsWithoutLoopingWhenNothingCanMove)
{
    TempDir dir;
    QString error;
    EXPECT_FALSE(BackupLogFile::moveToBackup(dir.filePath(QStringLiteral("absent")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(BackupLogFile::restoreNewestBackup(dir.filePath(QStringLiteral("absent")), &error));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}
