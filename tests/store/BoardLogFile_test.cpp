#include "PlistTestSupport.h"
#include "store/BoardLogFile.h"
#include "store/DateText.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::readFixture;
using tavrel::test::TempDir;

namespace {

BoardLogFile parsed(const QByteArray& bytes)
{
    QString error;
    std::optional<BoardLogFile> file = BoardLogFile::parse(bytes, &error);
    EXPECT_TRUE(file) << error.toStdString();
    return file.value_or(BoardLogFile());
}

} // namespace

TEST(BoardLogFile, ReadsKnownAndUnknownKeysAndWritesHeaderFirst)
{
    const BoardLogFile file = parsed(readFixture(QStringLiteral("plist/boardlog_sorted.plist")));
    ASSERT_EQ(file.body().size(), 2);
    EXPECT_EQ(file.header().kaigishitsuName(), u"ニフティ：会議室：フォーラム：雑談"_qs);
    EXPECT_EQ(file.header().numberOfLastMes(), u"2"_qs);
    EXPECT_TRUE(file.header().contains(BoardLogHeader::ForumName));
    EXPECT_FALSE(file.header().contains(BoardLogHeader::BoardName));
    EXPECT_EQ(file.header().otherKeys().value(u"WindowState").toDict().value(u"Width").toInteger(), 640);
    EXPECT_EQ(file.otherRootKeys().string(u"Saved by"), u"another program"_qs);

    const MessageRecord& first = file.body().at(0);
    EXPECT_EQ(first.contents(), u"<font color=\"#000080\">本文 &amp; 1</font><br>\n2行目"_qs);
    EXPECT_EQ(first.eMail(), u"a@example.com"_qs);
    EXPECT_FALSE(first.contains(MessageRecord::CommentURL));
    EXPECT_EQ(first.otherKeys().keys(), (QStringList{u"Extra"_qs, u"Score"_qs}));
    EXPECT_EQ(first.otherKeys().value(u"Score"), PlistValue(7));
    // A known key holding something other than a text is kept as it came.
    const MessageRecord& second = file.body().at(1);
    EXPECT_FALSE(second.contains(MessageRecord::IndentLevel));
    EXPECT_EQ(second.otherKeys().value(u"IndentLevel"), PlistValue(1));

    const QByteArray written = file.serialize();
    EXPECT_LT(written.indexOf("<key>Header</key>"), written.indexOf("<key>Body</key>"));
    EXPECT_LT(written.indexOf("<key>Body</key>"), written.indexOf("<key>Saved by</key>"));
    EXPECT_EQ(parsed(written), file);
    EXPECT_EQ(parsed(written).serialize(), written);
    // The generic reader sees the same dictionaries.
    EXPECT_TRUE(PropertyList::parse(written, nullptr, PropertyList::Root::Dictionary));
}

TEST(BoardLogFile, ChangesKeepUnknownKeysAndReplaceTypedOnes)
{
    BoardLogFile file = parsed(readFixture(QStringLiteral("plist/boardlog_sorted.plist")));
    file.body()[1].setIndentLevel(u"3"_qs);
    file.body()[0].setDontRead(u"NO"_qs);
    file.header().setMidokuSu(u"1"_qs);
    const BoardLogFile again = parsed(file.serialize());
    EXPECT_EQ(again.body().at(1).indentLevel(), u"3"_qs);
    EXPECT_FALSE(again.body().at(1).otherKeys().contains(u"IndentLevel"));
    EXPECT_EQ(again.body().at(0).otherKeys().string(u"Extra"), u"kept"_qs);
    EXPECT_EQ(again.unreadCount(), 1);
    EXPECT_EQ(again.header().midokuSu(), u"1"_qs);
}

TEST(BoardLogFile, RefusesFilesThatAreNoBoardLog)
{
    const struct
    {
        const char* name;
        const char* body;
    } cases[] = {
        {"root is an array", "<array/>"},
        {"header is a string", "<dict><key>Header</key><string/></dict>"},
        {"body is a dictionary", "<dict><key>Body</key><dict/></dict>"},
        {"record is a string", "<dict><key>Body</key><array><string>x</string></array></dict>"},
        {"bare ampersand in a record",
         "<dict><key>Body</key><array><dict><key>Title</key><string>a&b</string></dict></array></dict>"},
        {"record key without value",
         "<dict><key>Body</key><array><dict><key>Title</key></dict></array></dict>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(BoardLogFile::parse(
            QByteArray(QByteArray("<plist version=\"1.0\">") + c.body + "</plist>"), &error));
        EXPECT_FALSE(error.isEmpty());
    }
    // A dictionary without the two keys is read, and written back with both.
    const BoardLogFile empty = parsed("<plist version=\"1.0\"><dict><key>Other</key><true/></dict></plist>");
    EXPECT_FALSE(empty.hasBody());
    const BoardLogFile rewritten = parsed(empty.serialize());
    EXPECT_TRUE(rewritten.hasBody());
    EXPECT_EQ(rewritten.otherRootKeys().value(u"Other"), PlistValue(true));
}

TEST(BoardLogFile, ReadsTheHeaderAloneOrFallsBackToTheWholeFile)
{
    TempDir dir;
    const BoardLogFile file = parsed(readFixture(QStringLiteral("plist/boardlog_sorted.plist")));
    BoardLogFile big = file;
    for (int i = 0; i < 2000; ++i)
        big.body().append(file.body().at(i % 2));
    const QByteArray headerFirst = big.serialize();
    QByteArray damagedBody = headerFirst;
    damagedBody.replace("&lt;", "& ");
    const struct
    {
        const char* name;
        QByteArray bytes;
        bool headerReadable;
        bool wholeReadable;
        BoardLogHeader header = {};
    } cases[] = {
        {"header first", headerFirst, true, true, file.header()},
        {"body first", readFixture(QStringLiteral("plist/boardlog_sorted.plist")), true, true, file.header()},
        {"empty header", BoardLogFile().serialize(), true, true},
        // The body of a header-first file is not parsed: only a full read finds its damage.
        {"damaged body", damagedBody, true, false, file.header()},
        {"truncated body", headerFirst.left(headerFirst.size() - 200), false, false},
        {"truncated header", headerFirst.left(400), false, false},
        {"not a property list", "<html></html>", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.writeFile(QString::fromLatin1(c.name), c.bytes);
        QString error;
        const std::optional<BoardLogHeader> header = BoardLogFile::readHeader(path, &error);
        ASSERT_EQ(header.has_value(), c.headerReadable) << error.toStdString();
        ASSERT_EQ(BoardLogFile::read(path).has_value(), c.wholeReadable);
        if (c.headerReadable)
            EXPECT_EQ(*header, c.header);
        else
            EXPECT_TRUE(error.startsWith(path));
    }
}

TEST(BoardLogFile, WritesAtomicallyAndReadsBack)
{
    TempDir dir;
    BoardLogFile file;
    file.header() = BoardLogHeader::newFileHeader();
    MessageRecord record;
    record.setNumber(u"1"_qs);
    record.setContents(u"line\r\nnext\x01"_qs);
    file.body().append(record);
    const QString path = dir.filePath(QStringLiteral("board"));
    ASSERT_TRUE(file.write(path));
    QString error;
    const std::optional<BoardLogFile> back = BoardLogFile::read(path, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(*back, file);
}

TEST(BoardLogHeader, NewFileHeaderHasTheEightKeys)
{
    const PlistDict dict = BoardLogHeader::newFileHeader().toDict();
    EXPECT_EQ(dict.keys(),
              (QStringList{u"ForumName"_qs, u"KaigishitsuName"_qs, u"ForumID"_qs, u"PostURL"_qs,
                           u"MidokuSu"_qs, u"NumberOfLastMes"_qs, u"Delete"_qs, u"DeleteDay"_qs}));
    EXPECT_EQ(dict.string(u"MidokuSu"), u"0"_qs);
    EXPECT_EQ(dict.string(u"NumberOfLastMes"), u"0"_qs);
    EXPECT_EQ(dict.string(u"PostURL", u"absent"_qs), QString());
}

TEST(BoardLogHeader, DerivesForumAndBoardNamesFromTheTitle)
{
    const struct
    {
        const char16_t* title;
        const char16_t* forumBefore; // nullptr = absent
        const char16_t* boardBefore;
        const char16_t* forum; // nullptr = still absent
        const char16_t* board;
    } cases[] = {
        {u"A：B：F：X", nullptr, nullptr, u"F", u"X"},
        {u"A：B：F：X：Y", u"", u"", u"F", u"X：Y"},
        {u"A：B：F", u"", nullptr, u"", u"A：B：F"},
        {u"A：B：F", nullptr, nullptr, nullptr, u"A：B：F"},
        {u"Plain title", nullptr, nullptr, nullptr, u"Plain title"},
        {u"A：B：F：X", u"Mine", u"Board", u"Mine", u"Board"},
        {u"A:B:F:X", nullptr, nullptr, nullptr, u"A:B:F:X"},
        {u"：：：", nullptr, nullptr, u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.title).toStdString());
        BoardLogHeader header;
        header.setKaigishitsuName(QString::fromUtf16(c.title));
        if (c.forumBefore)
            header.setForumName(QString::fromUtf16(c.forumBefore));
        if (c.boardBefore)
            header.setBoardName(QString::fromUtf16(c.boardBefore));
        header.deriveNames();
        EXPECT_EQ(header.contains(BoardLogHeader::ForumName), c.forum != nullptr);
        if (c.forum) {
            EXPECT_EQ(header.forumName(), QString::fromUtf16(c.forum));
        }
        EXPECT_EQ(header.boardName(), QString::fromUtf16(c.board));
    }
}

TEST(MessageRecord, ExplanationRecord)
{
    const QDateTime at(QDate(2005, 6, 7), QTime(8, 9, 10), QTimeZone(2 * 3600));
    const MessageRecord record = MessageRecord::explanationRecord(u"説明"_qs, u"Title"_qs, at);
    EXPECT_EQ(record.toDict(), (PlistDict{{u"Number"_qs, u"0"_qs},
                                          {u"Comment"_qs, QString()},
                                          {u"Title"_qs, u"Title"_qs},
                                          {u"Name"_qs, QString()},
                                          {u"Date"_qs, u"2005-06-07 08:09:10 +0200"_qs},
                                          {u"Contents"_qs, u"説明"_qs},
                                          {u"DontRead"_qs, u"YES"_qs},
                                          {u"Lock"_qs, u"YES"_qs},
                                          {u"Memo"_qs, QString()},
                                          {u"Label"_qs, QString()}}));
    EXPECT_TRUE(record.isExplanation());
    EXPECT_TRUE(record.isUnread());
}
