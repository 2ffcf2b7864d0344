#include "PageMarkup.h"
#include "logcutter/BoardPage.h"
#include "logcutter/MessageBlock.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using tavrel::test::MessageMarkup;

namespace {

constexpr QStringView domain = u"example.com";
const QDateTime now(QDate(2010, 3, 4), QTime(5, 6));

// The block text of a message as the page parser gives it.
QString blockOf(const MessageMarkup& m)
{
    const QString page = test::messageBlock(m);
    const QList<QStringView> blocks = BoardPage::messageBlocks(page);
    return blocks.size() == 1 ? blocks.first().toString() : QString();
}

MessageMarkup message(const QString& number)
{
    MessageMarkup m;
    m.number = number;
    return m;
}

// Every known key the record holds, "key=value", in the record's key order (without the
// contents, which have their own test).
QStringList fields(const MessageRecord& record)
{
    QStringList out;
    for (int key = 0; key < MessageRecord::Count; ++key) {
        const auto k = MessageRecord::Key(key);
        if (k != MessageRecord::Contents && record.contains(k))
            out.append(QString(MessageRecord::keyName(k)) + u'=' + record.value(k));
    }
    return out;
}

const QStringList fixedFields = {u"DontRead=YES"_qs, u"Lock=NO"_qs, u"Memo="_qs, u"Label="_qs};

QStringList with(QStringList head)
{
    return head + fixedFields;
}

} // namespace

TEST(MessageBlock, FieldsFollowTheirMarkers)
{
    const QString base = u"http://nb1.example.com/nbbin/nb_wrent_do?bid=BRD01&"_qs;
    MessageMarkup full = message(u"12"_qs);
    full.comment = u"7"_qs;
    full.title = u"Re: &lt;質問&gt; &amp;amp;"_qs;
    full.name = u"山田&NBSP;太郎"_qs;

    MessageMarkup noAdd = message(u"13"_qs);
    noAdd.link = u"http://nb1.example.com/nbbin/nb_wrent_cm/BRD01/wr_sq=9?m=c"_qs;

    MessageMarkup otherDomain = message(u"14"_qs);
    otherDomain.link = u"http://nb1.example.org/nbbin/nb_wrent_cm/BRD01/wr_sq=9?m=c"_qs;

    MessageMarkup noSequence = message(u"15"_qs);
    noSequence.link = u"http://nb1.example.com/nbbin/nb_wrent_cm/BRD01/wr_add=f1/"_qs;

    MessageMarkup emptyTitle = message(u"16"_qs);
    emptyTitle.title = QString();

    MessageMarkup emptyComment = message(u"17"_qs);
    emptyComment.comment = QString();

    struct Case
    {
        const char* name;
        QString block;
        QStringList fields;
        std::optional<QString> postURL;
    };
    const Case cases[] = {
        {"every field", blockOf(full),
         with(
             {u"Number=12"_qs, u"Comment=7"_qs, u"Title=Re: <質問>&amp;"_qs, u"Name=山田 太郎"_qs,
              u"Date=2004-05-12 13:45:00 +0900"_qs,
              u"CommentURL=http://nb1.example.com/nbbin/nb_wrent_do?bid=BRD01&wr_add=f1&wr_type=M&wr_psq=9"_qs}),
         base + u"wr_add=f1&wr_type=M"_qs},
        {"comment link without wr_add", blockOf(noAdd),
         with({u"Number=13"_qs, u"Comment=0"_qs, u"Title=題名"_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs, u"CommentURL="_qs + base + u"wr_type=M&wr_psq=9"_qs}),
         base + u"wr_type=M"_qs},
        {"link outside the service's domain", blockOf(otherDomain),
         with({u"Number=14"_qs, u"Comment=0"_qs, u"Title=題名"_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs}),
         std::nullopt},
        {"link without wr_sq", blockOf(noSequence),
         with({u"Number=15"_qs, u"Comment=0"_qs, u"Title=題名"_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs}),
         std::nullopt},
        {"title markers enclosing nothing", blockOf(emptyTitle),
         with({u"Number=16"_qs, u"Comment=0"_qs, u"Title="_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs,
               u"CommentURL="_qs + base + u"wr_add=f1&wr_type=M&wr_psq=9"_qs}),
         base + u"wr_add=f1&wr_type=M"_qs},
        {"an empty comment number collects up to the next \" -->\"", blockOf(emptyComment),
         with({u"Number=17"_qs, u"Comment=--></td>\n<td><!-- TI B"_qs, u"Title=題名"_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs,
               u"CommentURL="_qs + base + u"wr_add=f1&wr_type=M&wr_psq=9"_qs}),
         base + u"wr_add=f1&wr_type=M"_qs},
        {"no title marker: no title, name, date or comment URL",
         u"<td><!-- NO B -->5<!-- NO E --><!-- PNO=0 --><!-- NN B -->n<!-- NN E --><!-- DAT B -->2004/1/2 3:4"
         "<!-- DAT E --><!-- CON E --><a href=\"http://a.example.com/x/nb_wrent_c/K/wr_sq=1?\">"_qs,
         with({u"Number=5"_qs, u"Comment=0"_qs}), std::nullopt},
        {"no date marker: no date or comment URL",
         u"<td><!-- NO B -->5<!-- NO E --><!-- PNO=0 --><!-- TI B -->t<!-- TI E --><!-- NN B -->n<!-- NN E -->"_qs,
         with({u"Number=5"_qs, u"Comment=0"_qs, u"Title=t"_qs, u"Name=n"_qs}), std::nullopt},
        {"no number marker: only the fixed values", u"<td>text <!-- TI B -->t<!-- TI E --></td>"_qs,
         fixedFields, std::nullopt},
        {"number markers enclosing nothing", u"<td><!-- NO B --><!-- NO E --><!-- PNO=0 --></td>"_qs,
         fixedFields, std::nullopt},
        {"a block that begins with the number marker ends", u"<!-- NO B -->5<!-- NO E --><!-- PNO=0 -->"_qs,
         fixedFields, std::nullopt},
        {"a second number marker after the comment link ends",
         blockOf(message(u"6"_qs)) + u"<!-- NO B -->8<!-- NO E -->"_qs,
         with({u"Number=8"_qs, u"Comment=0"_qs, u"Title=題名"_qs, u"Name=名前"_qs,
               u"Date=2004-05-12 13:45:00 +0900"_qs,
               u"CommentURL="_qs + base + u"wr_add=f1&wr_type=M&wr_psq=9"_qs}),
         base + u"wr_add=f1&wr_type=M"_qs},
        {"reference text", u"<td><!-- NO B -->5<!-- NO E --><!-- REF B --> 参照: 3 <!-- REF E --></td>"_qs,
         with({u"Number=5"_qs, u"Refference=参照: 3 "_qs}), std::nullopt},
    };
    for (const Case& c : cases) {
        const CutMessage cut = MessageBlock::cut(c.block, domain, now);
        EXPECT_EQ(fields(cut.record), c.fields) << c.name;
        EXPECT_EQ(cut.postURL, c.postURL) << c.name;
    }
}

TEST(MessageBlock, EMailIsTheLastMailtoInsideTheMarkers)
{
    struct Case
    {
        QStringView block;
        std::optional<QString> address;
    };
    const Case cases[] = {
        {u"x<!-- EAD B --><a href=\"mailto:a@x.jp\">a</a><!-- EAD E -->", u"a@x.jp"_qs},
        {u"x<!-- EAD B --><a href=\"mailto:a@x.jp\">a</a> <a href=\"MAILTO:b@x.jp\">b</a><!-- EAD E -->"
         u"<!-- EAD B --><a href=\"mailto:c@x.jp\">c</a><!-- EAD E -->",
         u"c@x.jp"_qs},
        {u"x<!-- EAD B --><a href=\"mailto:a@x.jp\">a</a><!-- EAD E --><!-- EAD B -->none<!-- EAD E -->",
         u"a@x.jp"_qs},
        {u"<a href=\"mailto:outside@x.jp\">o</a>", std::nullopt},
        {u"x<!-- EAD B --><a href=\"mailto:\">empty</a><!-- EAD E -->", std::nullopt},
        {u"x<!-- EAD B -->see mailto:open", u"open"_qs},
        // A block that begins with the marker: the search for it finds nothing before it.
        {u"<!-- EAD B --><a href=\"mailto:a@x.jp\">a</a><!-- EAD E -->", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageBlock::eMail(c.block), c.address) << c.block.toString().toStdString();

    const CutMessage cut = MessageBlock::cut(cases[1].block, domain, now);
    EXPECT_EQ(cut.record.eMail(), u"c@x.jp"_qs);
}

TEST(MessageBlock, ContentsLoseTableRowAndCellTagsAndTheWhiteSpaceAfterThem)
{
    struct Case
    {
        QStringView block;
        QStringView contents;
    };
    const Case cases[] = {
        {u"<td>  word", u"word"},
        {u"<td>two  blanks stay", u"two  blanks stay"},
        {u"<table width=\"1\"><TR><Td class=\"x\">a</td></tr></table>", u"a"},
        {u"a<br>\n  b", u"a<br>\n  b"},
        {u"a< b", u"a<b"},
        {u"<track src=x>t<th>h</th>", u"t<th>h</th>"},
        {u"<!-- NO B -->1<!-- NO E --><td> x", u"<!-- NO B -->1<!-- NO E -->x"},
        {u"<td", u""},
        {u"   ", u""},
        {u"<", u"<"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageBlock::contents(c.block), c.contents.toString()) << c.block.toString().toStdString();
}
