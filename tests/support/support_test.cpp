#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace tavrel::test;

TEST(TestSupport, TempDirWritesAndReadsFilesAndIsRemoved)
{
    QString root;
    {
        TempDir dir;
        root = dir.path();
        const QString file = dir.writeFile(QStringLiteral("a/b/c.txt"), "bytes");
        EXPECT_EQ(readFile(file), QByteArray("bytes"));
        EXPECT_TRUE(QFileInfo(dir.makeDir(QStringLiteral("x/y"))).isDir());
    }
    EXPECT_FALSE(QFileInfo::exists(root));
}

TEST(TestSupport, EnvironmentIsPrivate)
{
    // Preferences must never land in the real user's configuration.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_TRUE(config.startsWith(QDir::tempPath())) << config.toStdString();
    EXPECT_TRUE(qEnvironmentVariableIsEmpty("http_proxy"));
}
