#include "PlistTestSupport.h"
#include "store/PropertyList.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cmath>

using namespace tavrel;
using tavrel::test::readFixture;

namespace {

QDateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
}

PlistDict parseDict(const QByteArray& bytes)
{
    QString error;
    const std::optional<PlistValue> value =
        PropertyList::parse(bytes, &error, PropertyList::Root::Dictionary);
    EXPECT_TRUE(value) << error.toStdString();
    return value ? value->toDict() : PlistDict();
}

QByteArray plist(const char* body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n") + body +
           "\n</plist>\n";
}

} // namespace

TEST(PropertyList, LoadsEveryValueTypeWrittenByPlistlib)
{
    const PlistDict dict = parseDict(readFixture(QStringLiteral("plist/python_all_types.plist")));
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    bytes.append("tail");

    const PlistValue expected = PlistDict{
        {u"Array"_qs, PlistArray{u"one"_qs, 2, PlistArray{u"nested"_qs, PlistDict{{u"Deep"_qs, u"yes"_qs}}},
                                 PlistArray{}, PlistDict{}}},
        {u"Bytes"_qs, bytes},
        {u"Date"_qs, utc(2004, 3, 5, 23, 59, 7)},
        {u"Empty"_qs, QString()},
        {u"False"_qs, false},
        {u"Integer"_qs, 42},
        {u"Japanese"_qs, u"会議室：あいう 😀"_qs},
        {u"Markup"_qs, u"<b>bold</b> & \"quoted\" 'single'"_qs},
        {u"Negative"_qs, std::numeric_limits<qint64>::min()},
        {u"Nested"_qs,
         PlistDict{{u"Inner"_qs, PlistDict{{u"Empty array"_qs, PlistArray{}},
                                           {u"Empty dict"_qs, PlistDict{}},
                                           {u"Short data"_qs, QByteArray("\x00\x01\x02", 3)}}}}},
        {u"Real"_qs, 3.25},
        {u"Small"_qs, 1e-7},
        {u"True"_qs, true},
    };
    EXPECT_EQ(PlistValue(dict), expected);
}

TEST(PropertyList, LoadsReferencesEmptiesControlsAndCrLfFile)
{
    const PlistDict dict = parseDict(readFixture(QStringLiteral("plist/references.plist")));
    EXPECT_EQ(dict.string(u"CR"), u"a\rb"_qs);
    EXPECT_EQ(dict.string(u"Hiragana"), u"あああい"_qs.remove(2, 1));
    EXPECT_EQ(dict.string(u"Named"), u"&<>\"'"_qs);
    ASSERT_TRUE(dict.find(u"Empty"));
    EXPECT_TRUE(dict.find(u"Empty")->isString());
    EXPECT_EQ(dict.value(u"EmptyArray"), PlistValue(PlistArray{}));
    EXPECT_EQ(dict.value(u"EmptyDict"), PlistValue(PlistDict{}));
    EXPECT_EQ(dict.string(u"CDATA"), u"<raw & text>"_qs);
    EXPECT_EQ(dict.string(u"Spaces"), u"  "_qs);
    EXPECT_EQ(dict.string(u"Control"), u"\x01\x1f\x7f"_qs);
    EXPECT_EQ(dict.value(u"Hex integer").toInteger(), 31);
    EXPECT_EQ(dict.value(u"Signed").toInteger(), 7);
    EXPECT_TRUE(std::isinf(dict.value(u"Infinity").toReal()));
    EXPECT_EQ(dict.value(u"Partial date").toDate(), utc(2004, 3, 1, 0, 0, 0));
    EXPECT_EQ(dict.string(u"K&ey"), u"x"_qs);
    // A repeated key keeps its first place and takes the last value.
    EXPECT_EQ(dict.string(u"Twice"), u"second"_qs);
    EXPECT_EQ(dict.indexOf(u"Twice"), dict.indexOf(u"Partial date") + 1);
}

TEST(PropertyList, RewritesAppleAndPlistlibFilesByteForByte)
{
    for (const char* name : {"plist/apple_form.plist", "plist/python_all_types.plist"}) {
        SCOPED_TRACE(name);
        const QByteArray original = readFixture(QString::fromLatin1(name));
        ASSERT_FALSE(original.isEmpty());
        const std::optional<PlistValue> value = PropertyList::parse(original);
        ASSERT_TRUE(value);
        EXPECT_EQ(PropertyList::serialize(*value), original);
    }
    // The Apple-form file keeps its carriage return and raw control characters.
    const PlistDict dict = parseDict(readFixture(QStringLiteral("plist/apple_form.plist")));
    EXPECT_EQ(dict.value(u"Body").toArray().value(0).toDict().string(u"Contents"),
              u"<font color=\"#000080\">line one\r\nline two & three\ttabbed\x01\x1b[0m"_qs);
}

TEST(PropertyList, WritesApplesForm)
{
    const PlistValue value = PlistDict{
        {u"Zeta"_qs, u"a&b<c>d\"e'f\rg\x01h\0i"_qs},
        {u"Alpha"_qs, PlistArray{PlistArray{}, PlistDict{}, PlistDict{{u"k"_qs, 1.5}}}},
        {u"Data"_qs, QByteArray("Hello")},
        {u"Date"_qs, QDateTime(QDate(2010, 1, 1), QTime(0, 0, 0), QTimeZone(9 * 3600))},
        {u"Flags"_qs, PlistArray{true, false, qint64(-3)}},
    };
    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                "<plist version=\"1.0\">\n"
                                "<dict>\n"
                                "\t<key>Zeta</key>\n"
                                "\t<string>a&amp;b&lt;c&gt;d\"e'f&#13;g\x01hi</string>\n"
                                "\t<key>Alpha</key>\n"
                                "\t<array>\n"
                                "\t\t<array/>\n"
                                "\t\t<dict/>\n"
                                "\t\t<dict>\n"
                                "\t\t\t<key>k</key>\n"
                                "\t\t\t<real>1.5</real>\n"
                                "\t\t</dict>\n"
                                "\t</array>\n"
                                "\t<key>Data</key>\n"
                                "\t<data>\n"
                                "\tSGVsbG8=\n"
                                "\t</data>\n"
                                "\t<key>Date</key>\n"
                                "\t<date>2009-12-31T15:00:00Z</date>\n"
                                "\t<key>Flags</key>\n"
                                "\t<array>\n"
                                "\t\t<true/>\n"
                                "\t\t<false/>\n"
                                "\t\t<integer>-3</integer>\n"
                                "\t</array>\n"
                                "</dict>\n"
                                "</plist>\n";
    EXPECT_EQ(PropertyList::serialize(value), expected);
}

TEST(PropertyList, ExtremeValuesSurviveARoundTrip)
{
    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls.append(QChar(c));
    const PlistValue value = PlistArray{
        utc(1, 1, 1, 0, 0, 0),
        utc(9999, 12, 31, 23, 59, 59),
        std::numeric_limits<qint64>::min(),
        std::numeric_limits<qint64>::max(),
        -0.0,
        1e308,
        5e-324,
        0.1,
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        QString(controls + u"\uFFFE\U0010FFFF"_qs),
        QByteArray(1000, '\xff'),
    };
    QString error;
    const std::optional<PlistValue> back = PropertyList::parse(PropertyList::serialize(value), &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, value);
    EXPECT_TRUE(std::signbit(back->toArray().at(4).toReal()));
    const auto nan = PropertyList::parse(PropertyList::serialize(std::numeric_limits<double>::quiet_NaN()));
    ASSERT_TRUE(nan);
    EXPECT_TRUE(std::isnan(nan->toReal()));
    // A NUL cannot stand in an XML file: it is left out rather than making the file unreadable.
    const auto nul = PropertyList::parse(PropertyList::serialize(u"a\0b"_qs));
    ASSERT_TRUE(nul);
    EXPECT_EQ(nul->toString(), u"ab"_qs);
}

TEST(PropertyList, OurFilesLoadInPlistlib)
{
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    QByteArray bytes(300, 'x');
    const PlistValue value = PlistDict{
        {u"Text"_qs, u"<p>会議室 & \"x\"</p>\r\n\t😀"_qs},
        {u"Empty"_qs, QString()},
        {u"Numbers"_qs, PlistArray{qint64(-1) << 40, 0.25, true, false}},
        {u"Nested"_qs, PlistDict{{u"a"_qs, PlistArray{}}, {u"b"_qs, PlistDict{}}}},
        {u"Data"_qs, bytes},
        {u"Date"_qs, utc(2020, 2, 29, 12, 0, 1)},
    };
    tavrel::test::TempDir dir;
    const QString path = dir.filePath(QStringLiteral("out.plist"));
    ASSERT_TRUE(PropertyList::writeFile(path, value));

    // plistlib reads the file back; its JSON rendering must show the same values.
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import plistlib, sys, json, base64\n"
                                 "v = plistlib.load(open(sys.argv[1], 'rb'))\n"
                                 "v['Data'] = base64.b64encode(v['Data']).decode()\n"
                                 "v['Date'] = v['Date'].isoformat()\n"
                                 "print(json.dumps(v))\n"),
                  path});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QJsonDocument json = QJsonDocument::fromJson(python.readAllStandardOutput());
    EXPECT_EQ(json[u"Text"].toString(), value.toDict().string(u"Text"));
    EXPECT_EQ(json[u"Empty"].toString(u"absent"_qs), QString());
    EXPECT_EQ(json[u"Numbers"][0].toDouble(), -double(qint64(1) << 40));
    EXPECT_EQ(json[u"Numbers"][1].toDouble(), 0.25);
    EXPECT_EQ(json[u"Numbers"][2].toBool(), true);
    EXPECT_EQ(json[u"Numbers"][3].toBool(true), false);
    EXPECT_TRUE(json[u"Nested"][u"a"].isArray());
    EXPECT_TRUE(json[u"Nested"][u"b"].isObject());
    EXPECT_EQ(json[u"Data"].toString().toLatin1(), bytes.toBase64());
    EXPECT_EQ(json[u"Date"].toString(), u"2020-02-29T12:00:01"_qs);
}

TEST(PropertyList, RefusesBrokenFiles)
{
    const QByteArray whole = readFixture(QStringLiteral("plist/apple_form.plist"));
    QByteArray deep;
    for (int i = 0; i < PropertyList::maxDepth + 1; ++i)
        deep += "<array>";
    for (int i = 0; i < PropertyList::maxDepth + 1; ++i)
        deep += "</array>";
    struct Case
    {
        const char* name;
        QByteArray bytes;
        PropertyList::Root root;
    };
    const Case cases[] = {
        {"empty file", QByteArray(), PropertyList::Root::Any},
        {"truncated", whole.left(whole.size() / 2), PropertyList::Root::Any},
        {"truncated in a tag", whole.left(whole.indexOf("</plist>") + 3), PropertyList::Root::Any},
        {"bare ampersand", plist("<string>a & b</string>"), PropertyList::Root::Any},
        {"unknown entity", plist("<string>&nbsp;</string>"), PropertyList::Root::Any},
        {"reference without semicolon", plist("<string>&amp</string>"), PropertyList::Root::Any},
        {"reference to NUL", plist("<string>&#0;</string>"), PropertyList::Root::Any},
        {"reference to a surrogate", plist("<string>&#xD800;</string>"), PropertyList::Root::Any},
        {"reference out of range", plist("<string>&#x110000;</string>"), PropertyList::Root::Any},
        {"upper-case X reference", plist("<string>&#X41;</string>"), PropertyList::Root::Any},
        {"bare ampersand in a key", plist("<dict><key>a&b</key><string/></dict>"), PropertyList::Root::Any},
        {"invalid UTF-8", plist("<string>\xff\xfe</string>"), PropertyList::Root::Any},
        {"overlong UTF-8", plist("<string>\xc0\xaf</string>"), PropertyList::Root::Any},
        {"UTF-8 surrogate", plist("<string>\xed\xa0\x80</string>"), PropertyList::Root::Any},
        {"overlong three bytes", plist("<string>\xe0\x80\xaf</string>"), PropertyList::Root::Any},
        {"overlong four bytes", plist("<string>\xf0\x80\x80\xaf</string>"), PropertyList::Root::Any},
        {"past U+10FFFF", plist("<string>\xf4\x90\x80\x80</string>"), PropertyList::Root::Any},
        {"lone continuation byte", plist("<string>abcdefgh\x80</string>"), PropertyList::Root::Any},
        {"sequence cut short", plist("<string>\xe3\x81</string>"), PropertyList::Root::Any},
        {"sequence cut by the end", QByteArray("<string/>\xe3\x81"), PropertyList::Root::Any},
        {"NUL byte", plist("<string>a</string>").replace('a', '\0'), PropertyList::Root::Any},
        {"array where a dictionary is wanted", plist("<array/>"), PropertyList::Root::Dictionary},
        {"dictionary where an array is wanted", plist("<dict/>"), PropertyList::Root::Array},
        {"nested too deeply", plist(deep.constData()), PropertyList::Root::Any},
        {"unknown element", plist("<dict><key>a</key><strong>x</strong></dict>"), PropertyList::Root::Any},
        {"key without value", plist("<dict><key>a</key></dict>"), PropertyList::Root::Any},
        {"value without key", plist("<dict><string>a</string></dict>"), PropertyList::Root::Any},
        {"text in a dictionary", plist("<dict>stray<key>a</key><string/></dict>"), PropertyList::Root::Any},
        {"text in an array", plist("<array>stray<string/></array>"), PropertyList::Root::Any},
        {"text after an array item", plist("<array><string/>stray</array>"), PropertyList::Root::Any},
        {"text in a flag", plist("<true>yes</true>"), PropertyList::Root::Any},
        {"text in plist", "<plist>stray<dict/></plist>", PropertyList::Root::Any},
        {"element in a string", plist("<string>a<b/>c</string>"), PropertyList::Root::Any},
        {"two values in plist", plist("<string/><string/>"), PropertyList::Root::Any},
        {"empty plist", plist(""), PropertyList::Root::Any},
        {"integer overflow", plist("<integer>9223372036854775808</integer>"), PropertyList::Root::Any},
        {"integer with letters", plist("<integer>12abc</integer>"), PropertyList::Root::Any},
        {"real with letters", plist("<real>1.5x</real>"), PropertyList::Root::Any},
        {"date without zone", plist("<date>2004-03-05T23:59:07</date>"), PropertyList::Root::Any},
        {"impossible date", plist("<date>2004-02-30T00:00:00Z</date>"), PropertyList::Root::Any},
        {"bad base64", plist("<data>SGVs!bG8=</data>"), PropertyList::Root::Any},
        {"not XML", QByteArray("just some text"), PropertyList::Root::Any},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(PropertyList::parse(c.bytes, &error, c.root));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(PropertyList, AcceptsNestingUpToTheLimitAByteOrderMarkAndMixedText)
{
    QByteArray deep;
    for (int i = 0; i < PropertyList::maxDepth; ++i)
        deep += "<array>";
    for (int i = 0; i < PropertyList::maxDepth; ++i)
        deep += "</array>";
    QString error;
    EXPECT_TRUE(PropertyList::parse(plist(deep.constData()), &error)) << error.toStdString();
    const auto bare = PropertyList::parse("\xEF\xBB\xBF<dict><key>a</key><string>b</string></dict>", &error);
    ASSERT_TRUE(bare) << error.toStdString();
    EXPECT_EQ(bare->toDict().string(u"a"), u"b"_qs);
    const auto mixed =
        PropertyList::parse(plist("<string>a&amp;<![CDATA[<&>]]>&#x41;<!-- note --> b</string>"), &error);
    ASSERT_TRUE(mixed) << error.toStdString();
    EXPECT_EQ(mixed->toString(), u"a&<&>A b"_qs);
}

TEST(PropertyList, AcceptsUtf8OfEveryLength)
{
    // One to four bytes, at and across the boundaries of the eight-byte steps.
    const QString text = u"ab\u00e9cdefg\u3042hijklmn\U0001F600\U0010FFFF\uFFFDxyz"_qs;
    for (int pad = 0; pad < 8; ++pad) {
        SCOPED_TRACE(pad);
        const QByteArray inner = "<string>" + QByteArray(pad, ' ') + text.toUtf8() + "</string>";
        const QByteArray bytes = plist(inner.constData());
        QString error;
        const std::optional<PlistValue> value = PropertyList::parse(bytes, &error);
        ASSERT_TRUE(value) << error.toStdString();
        EXPECT_EQ(value->toString(), QString(pad, u' ') + text);
    }
}

TEST(PropertyList, ReadsFilesInPiecesWithCharactersAcrossTheirBorders)
{
    tavrel::test::TempDir dir;
    const QByteArray head = plist("<string>");
    const qsizetype border = 1 << 20; // the size of a piece read at once
    for (const char* character : {"\xe3\x81\x82", "\xf0\x9f\x98\x80", "\xc3\xa9"}) {
        for (qsizetype before = 1; before <= 4; ++before) {
            SCOPED_TRACE(testing::Message() << QByteArray(character).toHex().constData() << " " << before);
            QByteArray bytes = head.left(head.indexOf("</plist>"));
            bytes.append(QByteArray(border - before - bytes.size(), 'x'));
            bytes.append(character);
            bytes.append("</string></plist>");
            const QString path = dir.writeFile(QStringLiteral("big.plist"), bytes);
            QString error;
            const std::optional<PlistValue> value = PropertyList::readFile(path, &error);
            ASSERT_TRUE(value) << error.toStdString();
            EXPECT_TRUE(value->toString().endsWith(QString::fromUtf8(character)));
        }
    }
    QByteArray broken = plist("<string></string>");
    broken.insert(broken.indexOf("</string>"), QByteArray(border + 100, 'y') + "\xe3\x81");
    const QString path = dir.writeFile(QStringLiteral("broken.plist"), broken);
    QString error;
    EXPECT_FALSE(PropertyList::readFile(path, &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("at byte %1").arg(broken.indexOf("\xe3\x81"))))
        << error.toStdString();
}

TEST(PropertyList, ReadFileNamesTheFileAndTheFault)
{
    tavrel::test::TempDir dir;
    QString error;
    const QString missing = dir.filePath(QStringLiteral("missing.plist"));
    EXPECT_FALSE(PropertyList::readFile(missing, &error));
    EXPECT_TRUE(error.startsWith(missing)) << error.toStdString();

    const QString broken = dir.writeFile(QStringLiteral("broken.plist"), plist("<dict><key>a</key></dict>"));
    EXPECT_FALSE(PropertyList::readDictionaryFile(broken, &error));
    EXPECT_TRUE(error.startsWith(broken)) << error.toStdString();
    EXPECT_TRUE(error.contains(u"byte")) << error.toStdString();
}

TEST(PropertyList, WriteFileReplacesWholeOrLeavesTheOldFile)
{
    tavrel::test::TempDir dir;
    const QString path = dir.writeFile(QStringLiteral("a.plist"), "old");
    const PlistValue value = PlistDict{{u"k"_qs, u"v"_qs}};
    ASSERT_TRUE(PropertyList::writeFile(path, value));
    EXPECT_EQ(tavrel::test::readFile(path), PropertyList::serialize(value));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"a.plist"_qs});

    QString error;
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder.plist"));
    EXPECT_FALSE(PropertyList::writeFile(inMissingFolder, value, &error));
    EXPECT_FALSE(error.isEmpty());
    const QString folder = dir.makeDir(QStringLiteral("folder"));
    EXPECT_FALSE(PropertyList::writeFile(folder, value, &error));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(PlistDict, KeepsInsertionOrderAndReplacesInPlace)
{
    // Enough keys to use the index as well as the plain scan.
    PlistDict dict;
    for (int i = 0; i < 40; ++i)
        dict.insert(QString::number(39 - i), i);
    dict.insert(u"20"_qs, u"replaced"_qs);
    EXPECT_EQ(dict.size(), 40);
    EXPECT_EQ(dict.indexOf(u"20"), 19);
    EXPECT_EQ(dict.string(u"20"), u"replaced"_qs);
    EXPECT_TRUE(dict.remove(u"39"));
    EXPECT_FALSE(dict.remove(u"39"));
    EXPECT_EQ(dict.indexOf(u"20"), 18);
    EXPECT_EQ(dict.keys().first(), u"38"_qs);
    dict[u"new"_qs] = 5;
    EXPECT_EQ(dict.indexOf(u"new"), 39);
    EXPECT_EQ(dict.value(u"0").toInteger(), 39);
    EXPECT_FALSE(dict.find(u"missing"));
}

TEST(PlistValue, ContainersAreCopiedOnChange)
{
    PlistValue a = PlistDict{{u"k"_qs, PlistArray{1, 2}}};
    PlistValue b = a;
    b.dict()[u"k"_qs].array().append(3);
    EXPECT_EQ(a.toDict().value(u"k").toArray().size(), 2);
    EXPECT_EQ(b.toDict().value(u"k").toArray().size(), 3);
    PlistValue text = u"x"_qs;
    text.array().append(true);
    EXPECT_EQ(text, PlistValue(PlistArray{true}));
}

TEST(PlistValue, ConvertsToAndFromVariants)
{
    const PlistValue value = PlistDict{
        {u"s"_qs, u"text"_qs},
        {u"i"_qs, qint64(1) << 40},
        {u"r"_qs, 0.5},
        {u"b"_qs, true},
        {u"d"_qs, utc(2001, 2, 3, 4, 5, 6)},
        {u"x"_qs, QByteArray("\x01\x02")},
        {u"a"_qs, PlistArray{u"one"_qs, PlistDict{{u"n"_qs, 1}}}},
    };
    const QVariant variant = value.toVariant();
    EXPECT_EQ(variant.toMap().value(u"i"_qs).toLongLong(), qint64(1) << 40);
    EXPECT_EQ(variant.toMap().value(u"a"_qs).toList().value(1).toMap().value(u"n"_qs).toInt(), 1);
    // A map orders its keys, so compare through a second conversion.
    EXPECT_EQ(PlistValue::fromVariant(variant).toVariant(), variant);
    EXPECT_EQ(PlistValue::fromVariant(QStringList{u"a"_qs, u"b"_qs}),
              PlistValue(PlistArray{u"a"_qs, u"b"_qs}));
    EXPECT_EQ(PlistValue::fromVariant(QVariant(7u)), PlistValue(7));
    EXPECT_FALSE(PlistValue::fromVariant(QVariant()).isValid());
}
