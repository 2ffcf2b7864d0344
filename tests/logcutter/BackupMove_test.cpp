#include "logcutter/BackupMove.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using tavrel::BackupMove;
using tavrel::test::readFile;
using tavrel::test::TempDir;

TEST(BackupMove, TakesTheLowestFreeNameAndNeverReplaces)
{
    struct Case
    {
        const char* name;
        QStringList taken;
        int limit;
        std::optional<QString> target; // suffix of the backup made
    };
    const Case cases[] = {
        {"first backup", {}, 1000, u".1"_qs},
        {"next after taken ones", {u".1"_qs, u".2"_qs}, 1000, u".3"_qs},
        {"a gap is filled", {u".1"_qs, u".3"_qs}, 1000, u".2"_qs},
        {"every name up to the limit taken", {u".1"_qs, u".2"_qs, u".3"_qs}, 3, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString log = dir.writeFile(u"BRD01"_qs, "board");
        for (const QString& suffix : c.taken)
            dir.writeFile(u"BRD01"_qs + suffix, suffix.toLatin1());
        QString error;
        const std::optional<QString> moved = BackupMove::move(log, &error, c.limit);
        if (c.target) {
            ASSERT_TRUE(moved) << error.toStdString();
            EXPECT_EQ(*moved, log + *c.target);
            EXPECT_EQ(readFile(*moved), "board");
            EXPECT_FALSE(QFileInfo::exists(log));
        } else {
            EXPECT_FALSE(moved);
            EXPECT_FALSE(error.isEmpty());
            EXPECT_EQ(readFile(log), "board");
        }
        for (const QString& suffix : c.taken)
            EXPECT_EQ(readFile(log + suffix), suffix.toLatin1());
    }
}

TEST(BackupMove, OtherFailuresGiveUpAtOnce)
{
    TempDir dir;
    QString error;
    EXPECT_FALSE(BackupMove::move(dir.filePath(u"missing"_qs), &error));
    EXPECT_TRUE(error.contains(u"missing.1"_qs)) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"missing.2"_qs)));
}
