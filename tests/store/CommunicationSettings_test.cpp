#include "platform/FakeAlertPanel.h"
#include "store/CommunicationSettingsFolder.h"
#include "store/Preferences.h"
#include "store/PropertyList.h"
#include "store/ProxyScope.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::FakeAlertPanel;
using tavrel::test::TempDir;

namespace {

PatrolEntry entry(const QString& bbsID, const QString& readAll, const QString& urlFormat)
{
    PatrolEntry e;
    e.bbsID = bbsID;
    e.readALL = readAll;
    e.lastXMessage = QStringLiteral("20");
    e.urlFormat = urlFormat;
    return e;
}

QStringList keysOf(const QString& path)
{
    const std::optional<PlistDict> dict = PropertyList::readDictionaryFile(path);
    return dict ? dict->keys() : QStringList();
}

} // namespace

TEST(CommunicationSettings, WritingAlwaysGivesAllTenKeysAndKeepsUnknownOnes)
{
    TempDir dir;
    CommunicationSettingsFolder folder(dir.path());
    ASSERT_TRUE(folder.write(QStringLiteral("daily"), CommunicationSettings()));

    const QStringList tenKeys = {QStringLiteral("BeforeProcedure"), QStringLiteral("AfterProcedure"),
                                 QStringLiteral("JunkaiArray"),     QStringLiteral("ForumTopDownloadArray"),
                                 QStringLiteral("IsUseProxy"),      QStringLiteral("HttpProxy"),
                                 QStringLiteral("HttpProxyPort"),   QStringLiteral("HttpsProxy"),
                                 QStringLiteral("HttpsProxyPort"),  QStringLiteral("IsMyDeskMessageAccess")};
    EXPECT_EQ(keysOf(folder.filePath(QStringLiteral("daily"))), tenKeys);
    const PlistDict raw = *PropertyList::readDictionaryFile(folder.filePath(QStringLiteral("daily")));
    EXPECT_EQ(raw.value(u"BeforeProcedure"), PlistValue(u""));
    EXPECT_EQ(raw.value(u"JunkaiArray"), PlistValue(PlistArray()));
    EXPECT_EQ(raw.value(u"IsUseProxy"), PlistValue(false));

    // A file with extra keys, at the root and in an entry, keeps them through a rewrite.
    PlistDict board{{QStringLiteral("BbsID"), u"b1"}, {QStringLiteral("Colour"), u"red"}};
    ASSERT_TRUE(PropertyList::writeFile(
        folder.filePath(QStringLiteral("old")),
        PlistDict{{QStringLiteral("JunkaiArray"), PlistArray{board}}, {QStringLiteral("Note"), u"mine"}}));
    CommunicationSettings settings = folder.readForEditing(QStringLiteral("old"));
    settings.isMyDeskMessageAccess = true;
    ASSERT_TRUE(folder.write(QStringLiteral("old"), settings));
    const PlistDict rewritten = *PropertyList::readDictionaryFile(folder.filePath(QStringLiteral("old")));
    EXPECT_EQ(rewritten.keys(), tenKeys + QStringList{QStringLiteral("Note")});
    EXPECT_EQ(rewritten.value(u"JunkaiArray").toArray().first().toDict().string(u"Colour"),
              QStringLiteral("red"));
    EXPECT_EQ(folder.readForEditing(QStringLiteral("old")), settings);
}

TEST(CommunicationSettings, AnUnreadableFileAlertsTheRunWithItsNameAndReadsEmptyForEditing)
{
    TempDir dir;
    CommunicationSettingsFolder folder(dir.path());
    FakeAlertPanel alerts;
    ASSERT_TRUE(folder.create(QStringLiteral("new one"), alerts)); // an empty array, not a dictionary
    dir.writeFile(QStringLiteral("garbage"), "<plist><dict><key>x</key>");

    for (const QString& name :
         {QStringLiteral("new one"), QStringLiteral("garbage"), QStringLiteral("missing")}) {
        SCOPED_TRACE(name.toStdString());
        alerts.clear();
        EXPECT_FALSE(folder.readForRun(name, alerts));
        ASSERT_EQ(alerts.alerts().size(), 1);
        EXPECT_EQ(alerts.alerts().first().title, uiText(u"CouldNotReadTsushinSetteiFileErrorTitle"));
        EXPECT_EQ(alerts.alerts().first().message,
                  uiText(u"CouldNotReadTsushinSetteiFileErrorMessage") + QStringLiteral(" (") + name + u')');
        EXPECT_EQ(folder.readForEditing(name), CommunicationSettings());
    }
    // The broken file is never repaired.
    EXPECT_EQ(tavrel::test::readFile(folder.filePath(QStringLiteral("garbage"))),
              QByteArray("<plist><dict><key>x</key>"));
}

TEST(CommunicationSettings, ReadingRulesForEntriesAndMissingKeys)
{
    TempDir dir;
    CommunicationSettingsFolder folder(dir.path());
    PlistArray boards{
        PlistDict{{QStringLiteral("BbsID"), u"a"},
                  {QStringLiteral("ReadALL"), u"yes"},
                  {QStringLiteral("URLFormat"), u"http://h.example.com/MES/CF_WRENT/a/wr_page=%d/wr_type=M"},
                  {QStringLiteral("LastXMessage"), u"50"}},
        PlistDict{
            {QStringLiteral("BbsID"), u"b"},
            {QStringLiteral("ReadALL"), u"YES"},
            {QStringLiteral("URLFormat"), u"HTTPS://h.example.com/nbbin/nb_wrent/b/wr_page=%d/wr_type=M"},
            {QStringLiteral("HogoPassword"), u"pw"}},
        u"not a dictionary",
    };
    ASSERT_TRUE(PropertyList::writeFile(folder.filePath(QStringLiteral("s")),
                                        PlistDict{{QStringLiteral("JunkaiArray"), boards},
                                                  {QStringLiteral("HttpProxy"), u"proxy.example.com"}}));
    FakeAlertPanel alerts;
    const std::optional<CommunicationSettings> settings = folder.readForRun(QStringLiteral("s"), alerts);
    ASSERT_TRUE(settings);
    EXPECT_TRUE(alerts.alerts().isEmpty());
    EXPECT_EQ(settings->beforeProcedure, QString());
    EXPECT_FALSE(settings->isUseProxy);
    EXPECT_FALSE(settings->isMyDeskMessageAccess);
    ASSERT_EQ(settings->junkaiArray.size(), 2);

    const PatrolEntry& a = settings->junkaiArray[0];
    EXPECT_FALSE(a.isReadAll()); // lower-case "yes" counts as NO
    EXPECT_TRUE(a.isOldStyleBoard());
    EXPECT_FALSE(a.isHttps());
    EXPECT_EQ(a.lastXMessageCount(), 50);
    EXPECT_FALSE(a.hogoPassword);
    EXPECT_EQ(a.hogoPasswordOrEmpty(), QString());

    const PatrolEntry& b = settings->junkaiArray[1];
    EXPECT_TRUE(b.isReadAll());
    EXPECT_FALSE(b.isOldStyleBoard());
    EXPECT_TRUE(b.isHttps());
    EXPECT_EQ(b.hogoPassword, QStringLiteral("pw"));

    EXPECT_EQ(PatrolEntry::makeUrlFormat(QStringLiteral("http://h.example.com/nbbin/nb_wrent/"),
                                         QStringLiteral("b9")),
              QStringLiteral("http://h.example.com/nbbin/nb_wrent/b9/wr_page=%d/wr_type=M"));
}

TEST(CommunicationSettings, ProxyScopeFileThenAllAccessThenNone)
{
    const ProxySettings own{QStringLiteral("own.example.com"), QStringLiteral("3128"), QString(), QString()};
    const ProxySettings all{QStringLiteral("all.example.com"), QString(), QStringLiteral("alls.example.com"),
                            QStringLiteral("443")};
    CommunicationSettings withOwn;
    withOwn.proxies = own;
    withOwn.isUseProxy = true;
    CommunicationSettings ownNotUsed;
    ownNotUsed.proxies = own; // "IsUseProxy" absent or off: the fields never apply

    EXPECT_EQ(proxiesForRun(withOwn, true, all), own);
    EXPECT_EQ(proxiesForRun(withOwn, false, all), own);
    EXPECT_EQ(proxiesForRun(ownNotUsed, true, all), all);
    EXPECT_EQ(proxiesForRun(ownNotUsed, false, all), ProxySettings());

    TempDir dir;
    Preferences prefs(dir.filePath(QStringLiteral("prefs.plist")));
    prefs.setAllAccessProxy(all);
    EXPECT_EQ(proxiesForRun(ownNotUsed, prefs), ProxySettings());
    prefs.setIsUseProxyAllAccess(true);
    EXPECT_EQ(proxiesForRun(ownNotUsed, prefs), all);
}

TEST(CommunicationSettings, NamesProposalsAndCreationRefusals)
{
    TempDir dir;
    CommunicationSettingsFolder folder(dir.path());
    FakeAlertPanel alerts;
    EXPECT_EQ(folder.proposeNewName(), QStringLiteral("untitled"));
    ASSERT_TRUE(folder.create(QStringLiteral("untitled"), alerts));
    EXPECT_EQ(folder.proposeNewName(), QStringLiteral("untitled 1"));
    ASSERT_TRUE(folder.create(QStringLiteral("untitled 1"), alerts));
    EXPECT_EQ(folder.proposeNewName(), QStringLiteral("untitled 2"));
    EXPECT_EQ(PropertyList::readFile(folder.filePath(QStringLiteral("untitled"))), PlistValue(PlistArray()));

    dir.writeFile(QStringLiteral(".hidden"), "x");
    dir.makeDir(QStringLiteral("a folder"));
    EXPECT_EQ(folder.names(), (QStringList{QStringLiteral("untitled"), QStringLiteral("untitled 1")}));
    EXPECT_TRUE(alerts.alerts().isEmpty());

    for (const QString& bad :
         {QStringLiteral("untitled"), QString(), QStringLiteral("a/b"), QStringLiteral("."),
          QStringLiteral(".."), QStringLiteral(".hidden2"), QStringLiteral("a folder")}) {
        SCOPED_TRACE(bad.toStdString());
        alerts.clear();
        EXPECT_FALSE(folder.create(bad, alerts));
        ASSERT_EQ(alerts.alerts().size(), 1);
        EXPECT_EQ(alerts.alerts().first().title, uiText(u"CouldNotCreateAlertTitle"));
        EXPECT_EQ(alerts.alerts().first().message, uiText(u"CouldNotCreateTsushinSetteiFileAlertMessage"));
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a"))));

    // All numbered names taken: no proposal.
    for (int n = 2; n <= 999; ++n)
        dir.writeFile(QStringLiteral("untitled ") + QString::number(n), "");
    EXPECT_EQ(folder.proposeNewName(), QString());
}

TEST(CommunicationSettings, DuplicateRenameAndDelete)
{
    TempDir dir;
    CommunicationSettingsFolder folder(dir.path());
    FakeAlertPanel alerts;
    CommunicationSettings settings;
    settings.junkaiArray.append(
        entry(QStringLiteral("b1"), QStringLiteral("YES"), QStringLiteral("http://x/")));
    ASSERT_TRUE(folder.write(QStringLiteral("untitled"), settings));
    ASSERT_TRUE(folder.write(QStringLiteral("other"), CommunicationSettings()));

    EXPECT_EQ(folder.duplicate(QStringLiteral("untitled")), QStringLiteral("untitled_1"));
    EXPECT_EQ(folder.duplicate(QStringLiteral("untitled")), QStringLiteral("untitled_2"));
    EXPECT_EQ(folder.readForEditing(QStringLiteral("untitled_2")), settings);
    EXPECT_FALSE(folder.duplicate(QStringLiteral("missing")));

    // Renaming onto an existing file alerts and keeps both.
    EXPECT_FALSE(folder.rename(QStringLiteral("untitled"), QStringLiteral("other"), alerts));
    ASSERT_EQ(alerts.alerts().size(), 1);
    EXPECT_EQ(alerts.alerts().first().title, uiText(u"TsushinSetteiNameChangeErrorTitle"));
    EXPECT_EQ(folder.readForEditing(QStringLiteral("untitled")), settings);
    EXPECT_EQ(folder.readForEditing(QStringLiteral("other")), CommunicationSettings());

    alerts.clear();
    EXPECT_FALSE(folder.rename(QStringLiteral("untitled"), QStringLiteral("../outside"), alerts));
    EXPECT_EQ(alerts.alerts().size(), 1);
    EXPECT_TRUE(folder.rename(QStringLiteral("untitled"), QStringLiteral("weekly"), alerts));
    EXPECT_EQ(folder.readForEditing(QStringLiteral("weekly")), settings);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("untitled"))));

    EXPECT_TRUE(folder.remove(QStringLiteral("weekly")));
    EXPECT_FALSE(folder.remove(QStringLiteral("weekly")));
    EXPECT_EQ(folder.names(), (QStringList{QStringLiteral("other"), QStringLiteral("untitled_1"),
                                           QStringLiteral("untitled_2")}));
}

TEST(CommunicationSettings, ProcedurePathsAreStandardized)
{
    EXPECT_EQ(CommunicationSettings::standardizedPath(QString()), QString());
    EXPECT_EQ(CommunicationSettings::standardizedPath(QStringLiteral("~/bin/../run.sh")),
              QDir::homePath() + QStringLiteral("/run.sh"));
    EXPECT_EQ(CommunicationSettings::standardizedPath(QStringLiteral("/usr/./local//bin/x")),
              QStringLiteral("/usr/local/bin/x"));
}
