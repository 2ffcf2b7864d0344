#include "platform/FakeSystemLog.h"
#include "store/BoardMessage.h"
#include "store/MyDeskMessage.h"
#include "store/OutgoingMessageFile.h"
#include "store/OutgoingMessageName.h"
#include "store/OutgoingMessagePaths.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::FakeSystemLog;
using tavrel::test::TempDir;

namespace {

BoardMessage sampleBoardMessage()
{
    BoardMessage m;
    m.spname = QStringLiteral("taro");
    m.title = QStringLiteral("Hello");
    m.postURL = QStringLiteral("http://board.example.com/nbbin/nb_wrent/b1/");
    m.con1 = QStringLiteral("body");
    return m;
}

} // namespace

TEST(OutgoingMessageName, NamesCarryForumIdAndTimeStamp)
{
    const QString stamp = outgoingTimeStamp(QDateTime(QDate(2004, 3, 5), QTime(7, 8, 9)));
    EXPECT_EQ(stamp, QStringLiteral("0305070809"));
    EXPECT_EQ(boardMessageFileName(QStringLiteral("FORUM_B001"), stamp),
              QStringLiteral("FORUM_B001.0305070809"));
    EXPECT_EQ(commentFileName(QStringLiteral("FORUM_B001"), QStringLiteral("123"), stamp),
              QStringLiteral("FORUM_B001.123-0305070809"));
    EXPECT_EQ(myDeskMessageFileName(stamp), QStringLiteral("message.0305070809"));
    EXPECT_EQ(fileNameWithoutExtension(u"FORUM_B001.123-0305070809"), QStringLiteral("FORUM_B001"));
    EXPECT_EQ(fileNameWithoutExtension(u"message.0305070809"), QStringLiteral("message"));
    EXPECT_EQ(fileNameWithoutExtension(u"a.b.c"), QStringLiteral("a.b"));
    EXPECT_EQ(fileNameWithoutExtension(u"plain"), QStringLiteral("plain"));

    // Forum IDs that would make a name that is never posted, posted as MyDesk, or a path.
    for (const QString& forumID :
         {QString(), QStringLiteral("_x"), QStringLiteral(".x"), QStringLiteral("../x"),
          QStringLiteral("Messages"), QStringLiteral("-x")}) {
        SCOPED_TRACE(forumID.toStdString());
        EXPECT_FALSE(boardMessageFileName(forumID, stamp));
        EXPECT_FALSE(commentFileName(forumID, QStringLiteral("1"), stamp));
    }
    EXPECT_FALSE(commentFileName(QStringLiteral("F"), QStringLiteral("1/2"), stamp));
}

TEST(OutgoingMessageName, ClassificationOfNames)
{
    struct Case
    {
        QStringView name;
        bool postable;
        bool myDesk;
    };
    const Case cases[] = {
        {u"FORUM.0101000000", true, false},
        {u"message.0101000000", true, true},
        {u"Message.x", true, true},
        {u"MESSAGEBOARD.1", true, true},
        {u"message", true, true},
        {u"messag", true, false}, // shorter than seven characters
        {u"mess", true, false},
        {u"", true, false},
        {u".message.1", false, false},
        {u"_FORUM.1.html", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toString().toStdString());
        EXPECT_EQ(isPostableFileName(c.name), c.postable);
        EXPECT_EQ(isMyDeskMessageFileName(c.name), c.myDesk);
    }
}

TEST(OutgoingMessageName, PostListsAreSortedAndSkipHiddenNames)
{
    TempDir dir;
    for (const char* name :
         {"b.2", "a.1", "B.3", "message.2", "Message.1", ".hidden", "_answer.html", "messag"})
        dir.writeFile(QLatin1String(name), "x");
    dir.makeDir(QStringLiteral("c.folder"));
    const auto paths = [&](std::initializer_list<const char*> names) {
        QStringList list;
        for (const char* name : names)
            list.append(dir.filePath(QLatin1String(name)));
        return list;
    };
    EXPECT_EQ(boardPostList(dir.path()), paths({"B.3", "a.1", "b.2", "messag"}));
    EXPECT_EQ(myDeskPostList(dir.path()), paths({"Message.1", "message.2"}));
}

TEST(OutgoingMessage, SavingConvertsKanaEscapesWithoutTagsAndReplacesNoBreakSpaces)
{
    BoardMessage plain = sampleBoardMessage();
    plain.useTag = false;
    plain.spname = QStringLiteral("ﾀﾛｳ&Co");
    plain.title = QStringLiteral("\"Re\"\u00a0<b>");
    plain.con1 = QStringLiteral("\n> quoted >\n<b>bold</b>\u00a0ｶﾞ");
    plain.email = QStringLiteral("a&b@example.com\u00a0");
    plain.convertForSaving();
    EXPECT_EQ(plain.spname, QStringLiteral("タロウ&amp;Co"));
    EXPECT_EQ(plain.title, QStringLiteral("&quot;Re&quot; &lt;b&gt;"));
    // Blanks and line breaks next to the escaped characters stay.
    EXPECT_EQ(plain.con1, QStringLiteral("\n&gt; quoted &gt;\n&lt;b&gt;bold&lt;/b&gt; ガ"));
    EXPECT_EQ(plain.email, QStringLiteral("a&b@example.com\u00a0")); // taken as typed

    BoardMessage tagged = sampleBoardMessage();
    tagged.con1 = QStringLiteral("<b>bold</b>\u00a0ｶﾞ");
    tagged.convertForSaving();
    EXPECT_EQ(tagged.con1, QStringLiteral("<b>bold</b> ガ"));

    MyDeskMessage desk;
    desk.toid = QStringLiteral("ABC01234");
    desk.toname = QStringLiteral("ﾊﾅｺ\u00a0");
    desk.message = QStringLiteral("<i>ﾊﾟﾝ</i>");
    desk.convertForSaving();
    EXPECT_EQ(desk.toname, QStringLiteral("ハナコ "));
    EXPECT_EQ(desk.message, QStringLiteral("<i>パン</i>")); // no escaping for MyDesk messages
}

TEST(OutgoingMessage, BodySizeLimitCountsCp932Bytes)
{
    EXPECT_FALSE(OutgoingMessageFile::isBodyTooLong(QString(3999, u'a')));
    EXPECT_TRUE(OutgoingMessageFile::isBodyTooLong(QString(4000, u'a')));
    EXPECT_FALSE(OutgoingMessageFile::isBodyTooLong(QString(QString(1999, u'あ') + u'a')));
    EXPECT_TRUE(OutgoingMessageFile::isBodyTooLong(QString(2000, u'あ')));
    EXPECT_FALSE(OutgoingMessageFile::isBodyTooLong(QString(3999, u'ｱ'))); // half-width: one byte each
}

TEST(OutgoingMessage, BothKindsRoundTripAndAreToldApart)
{
    TempDir dir;
    BoardMessage board = sampleBoardMessage();
    board.useTag = false;
    board.otherKeys.insert(QStringLiteral("tstamp"), QStringLiteral("123"));
    const QString boardPath = dir.filePath(QStringLiteral("F.0101000000"));
    ASSERT_TRUE(OutgoingMessageFile::write(boardPath, board.toDictionary()));
    const std::optional<PlistDict> boardDict = OutgoingMessageFile::read(boardPath);
    ASSERT_TRUE(boardDict);
    EXPECT_EQ(
        boardDict->keys().mid(0, 9),
        (QStringList{QStringLiteral("wr_spname"), QStringLiteral("wr_email"), QStringLiteral("wr_title"),
                     QStringLiteral("wr_lurl"), QStringLiteral("PostURL"), QStringLiteral("wr_con1"),
                     QStringLiteral("wr_delkw"), QStringLiteral("UseTag"), QStringLiteral("wr_sppasswd")}));
    EXPECT_EQ(boardDict->string(u"UseTag"), QStringLiteral("NO"));
    EXPECT_FALSE(OutgoingMessageFile::isMyDeskMessage(*boardDict));
    EXPECT_EQ(BoardMessage::fromDictionary(*boardDict), board);
    EXPECT_TRUE(BoardMessage::fromDictionary(PlistDict()).useTag); // absent counts as on

    MyDeskMessage desk;
    desk.toid = QStringLiteral("ABC01234");
    desk.message = QStringLiteral("hi");
    desk.savedPostFilePath = dir.filePath(QStringLiteral("message.0101000000"));
    const PlistDict deskDict = desk.toDictionary();
    EXPECT_TRUE(OutgoingMessageFile::isMyDeskMessage(deskDict));
    EXPECT_EQ(MyDeskMessage::fromDictionary(deskDict), desk);
    // Only a true boolean marks a MyDesk message.
    EXPECT_FALSE(
        OutgoingMessageFile::isMyDeskMessage(PlistDict{{QStringLiteral("IsMyDeskMessage"), u"YES"}}));

    dir.writeFile(QStringLiteral("broken"), "<plist><array/></plist>");
    EXPECT_FALSE(OutgoingMessageFile::read(dir.filePath(QStringLiteral("broken"))));
}

TEST(OutgoingMessage, MovingToSentMessagesFailsWhenTheNameIsTaken)
{
    TempDir dir;
    const QString post = dir.makeDir(QStringLiteral("Post"));
    const QString sent = dir.makeDir(QStringLiteral("SentMessages"));
    dir.writeFile(QStringLiteral("Post/F.1"), "first");
    dir.writeFile(QStringLiteral("Post/F.2"), "second");
    dir.writeFile(QStringLiteral("SentMessages/F.2"), "posted earlier");
    FakeSystemLog log;

    EXPECT_TRUE(OutgoingMessageFile::moveToSentMessages(post + QStringLiteral("/F.1"), sent, log));
    EXPECT_EQ(tavrel::test::readFile(sent + QStringLiteral("/F.1")), QByteArray("first"));
    EXPECT_FALSE(QFileInfo::exists(post + QStringLiteral("/F.1")));
    EXPECT_TRUE(log.lines().isEmpty());

    EXPECT_FALSE(OutgoingMessageFile::moveToSentMessages(post + QStringLiteral("/F.2"), sent, log));
    EXPECT_EQ(tavrel::test::readFile(post + QStringLiteral("/F.2")), QByteArray("second"));
    EXPECT_EQ(tavrel::test::readFile(sent + QStringLiteral("/F.2")), QByteArray("posted earlier"));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral(
                               "Fail to move \"F.2\" file from Post folder to SentMessage Folder.")});
}

TEST(OutgoingMessage, SaveAndDraftPathRules)
{
    TempDir dir;
    const QString post = dir.makeDir(QStringLiteral("Post"));
    const QString drafts = dir.makeDir(QStringLiteral("Drafts"));
    const PlistDict dict = sampleBoardMessage().toDictionary();

    // A new message saves into Post; saving again under the same name overwrites.
    const OutgoingMessagePaths fresh = OutgoingMessagePaths::forNew(post, QStringLiteral("F.0101000000"));
    EXPECT_EQ(fresh.target, post + QStringLiteral("/F.0101000000"));
    ASSERT_TRUE(fresh.save(dict));

    // Saving it as a draft writes the draft with the queued path and takes it out of Post.
    const QString draft = drafts + QStringLiteral("/Hello");
    ASSERT_TRUE(fresh.saveAsDraft(draft, dict));
    EXPECT_FALSE(QFileInfo::exists(fresh.target));
    const PlistDict draftDict = *OutgoingMessageFile::read(draft);
    EXPECT_EQ(draftDict.string(u"savedPostFilePath"), fresh.target);

    // Opening the draft targets the queued path; saving queues it and removes the draft.
    const OutgoingMessagePaths opened = OutgoingMessagePaths::forOpened(draft, draftDict);
    EXPECT_EQ(opened.target, fresh.target);
    EXPECT_EQ(opened.source, draft);
    ASSERT_TRUE(opened.save(draftDict));
    EXPECT_TRUE(QFileInfo::exists(fresh.target));
    EXPECT_FALSE(QFileInfo::exists(draft));

    // A file without a saved path is its own target (a sent message stays where it is).
    const QString sentPath = dir.writeFile(QStringLiteral("SentMessages/F.1"), QByteArray());
    const OutgoingMessagePaths sent = OutgoingMessagePaths::forOpened(sentPath, dict);
    EXPECT_EQ(sent.target, sentPath);
    ASSERT_TRUE(sent.save(dict));
    EXPECT_TRUE(QFileInfo::exists(sentPath));

    // The same file under another spelling is never removed after being written.
    const OutgoingMessagePaths spelled{post + QStringLiteral("/./F.0101000000"),
                                       post + QStringLiteral("//F.0101000000")};
    ASSERT_TRUE(spelled.save(dict));
    EXPECT_TRUE(QFileInfo::exists(fresh.target));
    ASSERT_TRUE(QFile::link(post, dir.filePath(QStringLiteral("PostLink"))));
    const OutgoingMessagePaths linked{fresh.target, dir.filePath(QStringLiteral("PostLink/F.0101000000"))};
    ASSERT_TRUE(linked.save(dict));
    EXPECT_TRUE(QFileInfo::exists(fresh.target));

    // A failed write removes nothing.
    const OutgoingMessagePaths nowhere{dir.filePath(QStringLiteral("missing/F.2")), fresh.target};
    EXPECT_FALSE(nowhere.save(dict));
    EXPECT_TRUE(QFileInfo::exists(fresh.target));
}
