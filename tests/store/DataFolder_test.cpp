#include "platform/FakeAlertPanel.h"
#include "platform/FakeFolderPanel.h"
#include "store/DataFolder.h"
#include "store/DataFolderChooser.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::FakeAlertPanel;
using tavrel::test::FakeFolderPanel;
using tavrel::test::TempDir;

namespace {

QStringList subfolders(const QString& path)
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

void expectAlert(const FakeAlertPanel& alerts, QStringView titleKey, QStringView messageKey)
{
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().title, uiText(titleKey));
    EXPECT_EQ(alerts.alerts().first().message, uiText(messageKey));
    EXPECT_EQ(alerts.alerts().first().buttons, QStringList{uiText(u"OK")});
}

} // namespace

TEST(DataFolder, ValidOnlyWhenNamedTavrelFolderWithTheFourRequiredFolders)
{
    TempDir dir;
    struct Case
    {
        const char* name;
        QString folder;
        QStringList children;
        bool valid;
    };
    const QStringList all = {QStringLiteral("Tmp"), QStringLiteral("Post"), QStringLiteral("Access"),
                             QStringLiteral("Warehouse")};
    const Case cases[] = {
        {"complete", QStringLiteral("a/TavrelFolder"), all, true},
        {"without Warehouse", QStringLiteral("b/TavrelFolder"), all.mid(0, 3), false},
        {"without Tmp", QStringLiteral("c/TavrelFolder"), all.mid(1), false},
        {"other name", QStringLiteral("d/MyFolder"), all, false},
        {"name in other case", QStringLiteral("e/tavrelfolder"), all, false},
        {"empty", QStringLiteral("f/TavrelFolder"), {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& child : c.children)
            dir.makeDir(c.folder + u'/' + child);
        dir.makeDir(c.folder);
        EXPECT_EQ(DataFolder::isValid(dir.filePath(c.folder)), c.valid);
    }
    // A required entry that is a plain file does not count.
    dir.makeDir(QStringLiteral("g/TavrelFolder/Tmp"));
    dir.makeDir(QStringLiteral("g/TavrelFolder/Post"));
    dir.makeDir(QStringLiteral("g/TavrelFolder/Access"));
    dir.writeFile(QStringLiteral("g/TavrelFolder/Warehouse"), "x");
    EXPECT_FALSE(DataFolder::isValid(dir.filePath(QStringLiteral("g/TavrelFolder"))));
    // A trailing slash names the same folder; a relative path or a file is never valid.
    EXPECT_TRUE(DataFolder::isValid(dir.filePath(QStringLiteral("a/TavrelFolder/"))));
    EXPECT_FALSE(DataFolder::isValid(QStringLiteral("a/TavrelFolder")));
    EXPECT_FALSE(DataFolder::isValid(QString()));
    dir.writeFile(QStringLiteral("h/TavrelFolder"), "x");
    EXPECT_FALSE(DataFolder::isValid(dir.filePath(QStringLiteral("h/TavrelFolder"))));
}

TEST(DataFolder, CreationMakesEverySubfolderAndRefusesAnExistingFolder)
{
    TempDir dir;
    const std::optional<QString> created = DataFolder::create(dir.path());
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, dir.filePath(QStringLiteral("TavrelFolder")));
    EXPECT_TRUE(DataFolder::isValid(*created));
    EXPECT_EQ(subfolders(*created),
              (QStringList{QStringLiteral("Access"), QStringLiteral("Drafts"), QStringLiteral("ForumList"),
                           QStringLiteral("ForumTop"), QStringLiteral("Post"), QStringLiteral("SentMessages"),
                           QStringLiteral("Tmp"), QStringLiteral("Warehouse"),
                           QStringLiteral("cm_freeboardList")}));

    // A second creation in the same parent is refused and leaves the first one alone.
    dir.writeFile(QStringLiteral("TavrelFolder/Post/keep"), "queued");
    EXPECT_FALSE(DataFolder::create(dir.path()));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("TavrelFolder/Post/keep"))));
    EXPECT_FALSE(DataFolder::create(dir.filePath(QStringLiteral("missing-parent"))));
}

TEST(DataFolder, RepairCreatesMissingOptionalFoldersAndReplacesFilesInTheWay)
{
    TempDir dir;
    const QString path = *DataFolder::create(dir.path());
    QDir(path).rmdir(QStringLiteral("Drafts"));
    QDir(path).rmdir(QStringLiteral("ForumTop"));
    dir.writeFile(QStringLiteral("TavrelFolder/ForumTop"), "a plain file");
    dir.writeFile(QStringLiteral("TavrelFolder/SentMessages/sent.0101000000"), "kept");
    QDir(path).rmdir(QStringLiteral("ForumList"));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("nowhere")), path + QStringLiteral("/ForumList")));

    DataFolder(path).repairOptionalFolders();
    for (const char* name : {"Drafts", "ForumTop", "ForumList", "SentMessages", "cm_freeboardList"}) {
        SCOPED_TRACE(name);
        const QFileInfo info(path + u'/' + QLatin1String(name));
        EXPECT_TRUE(info.isDir() && !info.isSymLink());
    }
    EXPECT_TRUE(QFileInfo::exists(path + QStringLiteral("/SentMessages/sent.0101000000")));
}

TEST(DataFolderChooser, CreatingAsksForAParentAndAlertsWhenTheFolderExists)
{
    TempDir dir;
    FakeAlertPanel alerts;
    FakeFolderPanel folders;
    DataFolderChooser chooser(alerts, folders);

    folders.queueChoice(dir.path());
    const std::optional<QString> created = chooser.createDataFolder();
    ASSERT_TRUE(created);
    EXPECT_TRUE(DataFolder::isValid(*created));
    ASSERT_EQ(folders.requests().size(), 1);
    EXPECT_EQ(folders.requests().first().title, uiText(u"TVLFolderCreateTitle"));
    EXPECT_EQ(folders.requests().first().confirmButton, uiText(u"ChooseButton"));
    EXPECT_EQ(folders.requests().first().startFolder, QDir::homePath());
    EXPECT_TRUE(alerts.alerts().isEmpty());

    folders.queueChoice(dir.path());
    EXPECT_FALSE(chooser.createDataFolder());
    expectAlert(alerts, u"CouldNotCreateAlertTitle", u"CouldNotCreateTVLFolderAlertMessage");

    alerts.clear();
    EXPECT_FALSE(chooser.createDataFolder()); // cancelled: no alert
    EXPECT_TRUE(alerts.alerts().isEmpty());
}

TEST(DataFolderChooser, ChosenOrTypedFoldersMustPassTheCheck)
{
    TempDir dir;
    const QString valid = *DataFolder::create(dir.path());
    dir.makeDir(QStringLiteral("other/TavrelFolder/Tmp"));
    FakeAlertPanel alerts;
    FakeFolderPanel folders;
    DataFolderChooser chooser(alerts, folders);

    folders.queueChoice(valid);
    EXPECT_EQ(chooser.chooseDataFolder(valid), valid);
    EXPECT_EQ(folders.requests().first().title, uiText(u"TVLFolderChangeTitle"));
    EXPECT_EQ(folders.requests().first().startFolder, dir.path());

    folders.queueChoice(dir.filePath(QStringLiteral("other/TavrelFolder")));
    EXPECT_FALSE(chooser.chooseDataFolder(valid));
    expectAlert(alerts, u"CouldNotSelectAlertTitle", u"CouldNotSelectTVLFolderAlertMessage");

    alerts.clear();
    EXPECT_EQ(chooser.acceptTypedPath(valid + u'/'), valid);
    EXPECT_FALSE(chooser.acceptTypedPath(dir.path()));
    expectAlert(alerts, u"CouldNotSelectAlertTitle", u"CouldNotSelectTVLFolderAlertMessage");
}

TEST(DataFolderChooser, StartUpInsistsOnAValidFolderAndRepairsIt)
{
    TempDir dir;
    const QString existing = *DataFolder::create(dir.path());
    QDir(existing).rmdir(QStringLiteral("Drafts"));
    dir.writeFile(QStringLiteral("TavrelFolder/Drafts"), "x");
    FakeAlertPanel alerts;
    FakeFolderPanel folders;
    DataFolderChooser chooser(alerts, folders);

    // A valid stored folder is used as it is, with its optional folders repaired.
    EXPECT_EQ(chooser.ensureAtStartup(existing), existing);
    EXPECT_TRUE(QFileInfo(existing + QStringLiteral("/Drafts")).isDir());
    EXPECT_TRUE(folders.requests().isEmpty());

    // No stored path (the preferences were deleted): creation is asked for, and a failed
    // creation asks again after its alert.
    dir.makeDir(QStringLiteral("new"));
    folders.queueChoice(dir.path()); // TavrelFolder exists there already
    folders.queueChoice(dir.filePath(QStringLiteral("new")));
    const std::optional<QString> created = chooser.ensureAtStartup(QString());
    EXPECT_EQ(created, dir.filePath(QStringLiteral("new/TavrelFolder")));
    EXPECT_EQ(folders.requests().size(), 2);
    expectAlert(alerts, u"CouldNotCreateAlertTitle", u"CouldNotCreateTVLFolderAlertMessage");

    // A stored path that is a directory but no data folder sends the user to creation too;
    // cancelling there gives up.
    EXPECT_FALSE(chooser.ensureAtStartup(dir.filePath(QStringLiteral("new"))));
    EXPECT_EQ(folders.requests().size(), 3);
}
