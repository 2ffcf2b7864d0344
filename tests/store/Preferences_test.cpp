#include "store/Preferences.h"
#include "store/PreferencesLocation.h"
#include "store/PropertyList.h"
#include "store/ServiceConfigurationPreference.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace tavrel;
using tavrel::test::TempDir;

namespace {

PlistDict readRaw(const QString& path)
{
    QString error;
    const std::optional<PlistDict> dict = PropertyList::readDictionaryFile(path, &error);
    EXPECT_TRUE(dict) << error.toStdString();
    return dict.value_or(PlistDict());
}

} // namespace

TEST(Preferences, DefaultsWhenNothingIsStored)
{
    TempDir dir;
    Preferences prefs(dir.filePath(QStringLiteral("prefs.plist")));
    EXPECT_FALSE(prefs.tvlFolderPath());
    EXPECT_EQ(prefs.handleName(), QString());
    EXPECT_FALSE(prefs.isSakujo());
    EXPECT_EQ(prefs.sakujoDay(), 30);
    EXPECT_EQ(prefs.hatsugenIntervalTime(), 31);
    EXPECT_EQ(prefs.defaultInyouFu(), uiText(u"DefaultInyouFu"));
    EXPECT_EQ(prefs.ketaSoroeSetteiChi(), 75);
    EXPECT_FALSE(prefs.hyoujiMessageUseFont());
    EXPECT_EQ(prefs.textBackGroundColor(), (RgbaColor{1, 1, 1, 1}));
    EXPECT_EQ(prefs.midokuMessageTitleColor(), (RgbaColor{0, 0, 0, 1}));
    EXPECT_EQ(prefs.titleHyoujiJun(), TitleOrder::Bangou);
    EXPECT_FALSE(prefs.textBrowserBairitsu());
    EXPECT_FALSE(prefs.hatsugenTitleTableFrameSizeHeight());
    EXPECT_FALSE(prefs.messageEditorContentsFontSize());
    EXPECT_FALSE(prefs.kihonLogDetailOutputCheck());
    EXPECT_EQ(prefs.myVersion(), QStringLiteral(TAVREL_VERSION));
    EXPECT_FALSE(prefs.isUseProxyAllAccess());
    EXPECT_TRUE(prefs.allAccessProxy().isEmpty());
    EXPECT_TRUE(prefs.signatureArray().isEmpty());
    EXPECT_TRUE(serviceConfigurationOverrides(prefs).isEmpty());
    EXPECT_TRUE(prefs.problem().isEmpty());
}

TEST(Preferences, ValuesSurviveTheFileInTheirStoredForms)
{
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("prefs.plist"));
    const QVariantList signatures = {QVariantMap{{QStringLiteral("Description"), QStringLiteral("work")},
                                                 {QStringLiteral("Contents"), QStringLiteral("-- \nTaro")}}};
    {
        Preferences prefs(path);
        prefs.setTvlFolderPath(QStringLiteral("/home/u/TavrelFolder"));
        prefs.setHandleName(QStringLiteral("太郎"));
        prefs.setIsSakujo(false);
        prefs.setSakujoDay(14);
        prefs.setHatsugenIntervalTime(7.5);
        prefs.setKetaSoroeSetteiChi(60);
        prefs.setCompletePageScrollFlag(true);
        prefs.setMidokuMessageTitleColor({0.25, 0.5, 0.75, 1});
        prefs.setTitleHyoujiJun(TitleOrder::Tree);
        prefs.setTextBrowserBairitsu(1.5);
        prefs.setAllAccessProxy(
            {QStringLiteral("proxy.example.com"), QStringLiteral("8080"), QString(), QString()});
        prefs.setIsUseProxyAllAccess(true);
        prefs.setSignatureArray(signatures);
        prefs.setValue(QStringLiteral("ServiceConfiguration"),
                       QVariantMap{{QStringLiteral("ForumHost"), QStringLiteral("forum.example.org")}});
        ASSERT_TRUE(prefs.sync());
    }

    const PlistDict raw = readRaw(path);
    EXPECT_EQ(raw.value(u"SakujoDay"), PlistValue(u"14.000000"));
    EXPECT_EQ(raw.value(u"HatsugenIntervalTime"), PlistValue(u"7.500000"));
    EXPECT_EQ(raw.value(u"TextBrowserBairitsu"), PlistValue(u"1.500000"));
    EXPECT_EQ(raw.value(u"IsSakujo"), PlistValue(u"NO")); // stored, not absent
    EXPECT_EQ(raw.value(u"KetaSoroeSetteiChi"), PlistValue(qint64(60)));
    EXPECT_EQ(raw.value(u"CompletePageScrollFlag"), PlistValue(true));
    EXPECT_EQ(raw.value(u"TitleHyoujiJun"), PlistValue(u"Tree"));

    Preferences again(path);
    EXPECT_EQ(again.tvlFolderPath(), QStringLiteral("/home/u/TavrelFolder"));
    EXPECT_EQ(again.handleName(), QStringLiteral("太郎"));
    EXPECT_FALSE(again.isSakujo());
    EXPECT_EQ(again.sakujoDay(), 14);
    EXPECT_EQ(again.hatsugenIntervalTime(), 7.5);
    EXPECT_EQ(again.ketaSoroeSetteiChi(), 60);
    EXPECT_TRUE(again.completePageScrollFlag());
    EXPECT_EQ(again.midokuMessageTitleColor(), (RgbaColor{0.25, 0.5, 0.75, 1}));
    EXPECT_EQ(again.titleHyoujiJun(), TitleOrder::Tree);
    EXPECT_EQ(again.textBrowserBairitsu(), 1.5);
    EXPECT_TRUE(again.isUseProxyAllAccess());
    EXPECT_EQ(again.allAccessProxy().httpProxyPort, QStringLiteral("8080"));
    EXPECT_EQ(again.signatureArray(), signatures);
    EXPECT_EQ(serviceConfigurationOverrides(again).value(QStringLiteral("ForumHost")),
              QVariant(QStringLiteral("forum.example.org")));
}

TEST(Preferences, ValuesOfUnexpectedTypesAreConverted)
{
    struct Case
    {
        const char* name;
        QString key;
        PlistValue stored;
        std::function<QVariant(const Preferences&)> read;
        QVariant expected;
    };
    const auto sakujo = [](const Preferences& p) { return QVariant(p.isSakujo()); };
    const auto scroll = [](const Preferences& p) { return QVariant(p.completePageScrollFlag()); };
    const auto days = [](const Preferences& p) { return QVariant(p.sakujoDay()); };
    const auto interval = [](const Preferences& p) { return QVariant(p.hatsugenIntervalTime()); };
    const auto width = [](const Preferences& p) { return QVariant(p.ketaSoroeSetteiChi()); };
    const auto handle = [](const Preferences& p) { return QVariant(p.handleName()); };
    const auto order = [](const Preferences& p) { return QVariant(p.titleHyoujiJun() == TitleOrder::Tree); };
    const Case cases[] = {
        {"flag from YES", QStringLiteral("IsSakujo"), PlistValue(u"YES"), sakujo, true},
        {"flag from NO", QStringLiteral("IsSakujo"), PlistValue(u"NO"), sakujo, false},
        {"flag from a boolean", QStringLiteral("IsSakujo"), PlistValue(true), sakujo, true},
        {"flag from text YES", QStringLiteral("CompletePageScrollFlag"), PlistValue(u"YES"), scroll, true},
        {"flag from a number", QStringLiteral("CompletePageScrollFlag"), PlistValue(qint64(1)), scroll, true},
        {"flag from zero", QStringLiteral("CompletePageScrollFlag"), PlistValue(0.0), scroll, false},
        {"flag from a list", QStringLiteral("CompletePageScrollFlag"), PlistValue(PlistArray{true}), scroll,
         false},
        {"number from an integer", QStringLiteral("SakujoDay"), PlistValue(qint64(7)), days, 7.0},
        {"number from leading text", QStringLiteral("SakujoDay"), PlistValue(u" 12.5 days"), days, 12.5},
        {"number from exponent text", QStringLiteral("SakujoDay"), PlistValue(u"1e2"), days, 100.0},
        {"number from no digits", QStringLiteral("HatsugenIntervalTime"), PlistValue(u"soon"), interval, 0.0},
        {"number from huge text", QStringLiteral("HatsugenIntervalTime"), PlistValue(u"1e999"), interval,
         0.0},
        {"number from a dictionary", QStringLiteral("HatsugenIntervalTime"), PlistValue(PlistDict()),
         interval, 31.0},
        {"integer from text", QStringLiteral("KetaSoroeSetteiChi"), PlistValue(u"60 columns"), width, 60},
        {"integer from a real", QStringLiteral("KetaSoroeSetteiChi"), PlistValue(72.9), width, 72},
        {"integer clamps", QStringLiteral("KetaSoroeSetteiChi"), PlistValue(u"99999999999"), width, INT_MAX},
        {"text from a number", QStringLiteral("HandleName"), PlistValue(qint64(42)), handle,
         QStringLiteral("42")},
        {"order needs exactly Tree", QStringLiteral("TitleHyoujiJun"), PlistValue(u"tree"), order, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const QString path = dir.filePath(QStringLiteral("prefs.plist"));
        ASSERT_TRUE(PropertyList::writeFile(path, PlistDict{{c.key, c.stored}}));
        Preferences prefs(path);
        EXPECT_EQ(c.read(prefs), c.expected);
    }
}

TEST(Preferences, ColoursNeedAllFourComponentsForTheUnreadTitle)
{
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("prefs.plist"));
    ASSERT_TRUE(PropertyList::writeFile(path, PlistDict{{QStringLiteral("MidokuMessageTitleColorRed"), 1.0},
                                                        {QStringLiteral("MidokuMessageTitleColorGreen"), 0.5},
                                                        {QStringLiteral("MidokuMessageTitleColorBlue"), 0.5},
                                                        {QStringLiteral("TextBackGroundColorRed"), 0.5}}));
    Preferences prefs(path);
    EXPECT_EQ(prefs.midokuMessageTitleColor(), (RgbaColor{0, 0, 0, 1}));
    EXPECT_EQ(prefs.textBackGroundColor(), (RgbaColor{0.5, 1, 1, 1}));
}

TEST(Preferences, StartDefaultsFillOnlyWhatIsMissingAndAlwaysTheVersion)
{
    TempDir dir;
    {
        Preferences fresh(dir.filePath(QStringLiteral("fresh.plist")));
        fresh.writeStartDefaults(QStringLiteral("2.0"));
        EXPECT_EQ(fresh.value(QStringLiteral("KetaSoroeSetteiChi")), QVariant(75));
        for (const char* part : {"Red", "Green", "Blue", "Alpha"})
            EXPECT_EQ(fresh.value(QStringLiteral("TextBackGroundColor") + QLatin1String(part)),
                      QVariant(1.0));
        EXPECT_EQ(fresh.myVersion(), QStringLiteral("2.0"));
    }

    const QString path = dir.filePath(QStringLiteral("used.plist"));
    ASSERT_TRUE(PropertyList::writeFile(path, PlistDict{{QStringLiteral("KetaSoroeSetteiChi"), qint64(60)},
                                                        {QStringLiteral("TextBackGroundColorRed"), 0.5},
                                                        {QStringLiteral("MyVersion"), u"1.0"}}));
    Preferences used(path);
    used.writeStartDefaults(QStringLiteral("2.0"));
    EXPECT_EQ(used.ketaSoroeSetteiChi(), 60);
    EXPECT_FALSE(used.contains(QStringLiteral("TextBackGroundColorGreen")));
    EXPECT_EQ(used.myVersion(), QStringLiteral("2.0"));
}

TEST(Preferences, TheSharedPathFindsTheFileTheApplicationWrote)
{
    const QString path = preferencesFilePath();
    EXPECT_EQ(path, QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + u'/' + preferencesDomain() +
                        QStringLiteral(".plist"));
    {
        Preferences prefs;
        EXPECT_EQ(prefs.filePath(), path);
        prefs.setTvlFolderPath(QStringLiteral("/data/TavrelFolder"));
        ASSERT_TRUE(prefs.sync());
    }
    // What the host converter does: read the file as a plain property list.
    EXPECT_EQ(readRaw(path).string(u"TVLFolderPath"), QStringLiteral("/data/TavrelFolder"));

    // Deleting the preferences forgets the data folder.
    ASSERT_TRUE(QFile::remove(path));
    Preferences fresh;
    EXPECT_FALSE(fresh.tvlFolderPath());
}

TEST(Preferences, UnknownKeysSurviveAndABrokenFileIsSetAside)
{
    TempDir dir;
    const QString path = dir.filePath(QStringLiteral("prefs.plist"));
    ASSERT_TRUE(PropertyList::writeFile(
        path, PlistDict{{QStringLiteral("DodOvozaKeijibanOutlineView"), PlistArray{u"a", u"b"}},
                        {QStringLiteral("SomeoneElsesKey"),
                         QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9), Qt::UTC)}}));
    {
        Preferences prefs(path);
        prefs.setHandleName(QStringLiteral("x"));
        ASSERT_TRUE(prefs.sync());
    }
    const PlistDict raw = readRaw(path);
    EXPECT_EQ(raw.value(u"DodOvozaKeijibanOutlineView"), PlistValue(PlistArray{u"a", u"b"}));
    EXPECT_EQ(raw.value(u"SomeoneElsesKey").toDate(), QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9), Qt::UTC));

    const QByteArray broken = "<?xml version=\"1.0\"?><plist><dict><key>HandleName</key><string>a & b";
    tavrel::test::TempDir other;
    const QString brokenPath = other.writeFile(QStringLiteral("prefs.plist"), broken);
    {
        Preferences prefs(brokenPath);
        EXPECT_FALSE(prefs.problem().isEmpty());
        prefs.setHandleName(QStringLiteral("new"));
        ASSERT_TRUE(prefs.sync());
    }
    EXPECT_EQ(tavrel::test::readFile(brokenPath + QStringLiteral(".broken")), broken);
    EXPECT_EQ(readRaw(brokenPath).string(u"HandleName"), QStringLiteral("new"));
}
