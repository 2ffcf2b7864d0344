#include "logcutter/BoardPage.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using tavrel::BoardLogHeader;
using tavrel::BoardPage;

namespace {

QStringList texts(const QList<QStringView>& views)
{
    QStringList out;
    for (QStringView v : views)
        out.append(v.toString());
    return out;
}

} // namespace

TEST(BoardPage, TitleIsTheTitleElementDecoded)
{
    struct Case
    {
        QStringView page;
        bool found;
        QStringView decoded;
    };
    const Case cases[] = {
        {u"<html><head><TITLE>A&amp;B：&lt;C&gt;</TITLE></head>", true, u"A&B：<C>"},
        {u"<html><title>  会議室 </title>", true, u"会議室 "},
        {u"<html><title></title>", false, u""},
        {u"<html><head></head>", false, u""},
        {u"<html><title>unclosed", true, u"unclosed"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BoardPage::title(c.page).has_value(), c.found) << c.page.toString().toStdString();
        EXPECT_EQ(BoardPage::decodedTitle(c.page), c.decoded.toString());
    }
}

TEST(BoardPage, BodyTagColoursAreFoundEachFromTheTagStart)
{
    using Colours = QList<BoardPage::Colour>;
    struct Case
    {
        const char* name;
        QStringView page;
        Colours colours;
    };
    const Case cases[] = {
        {"all five",
         u"<html><body bgcolor=\"#FFFFEE\" text=\"#000000\" link=\"#0000CC\" vlink=\"#660099\" "
         u"alink=\"#FF0000\">x",
         {{BoardLogHeader::BodyTagBGColor, u"FFFFEE"_qs},
          {BoardLogHeader::BodyTagTextColor, u"000000"_qs},
          {BoardLogHeader::BodyTagLinkColor, u"0000CC"_qs},
          {BoardLogHeader::BodyTagVLinkColor, u"660099"_qs},
          {BoardLogHeader::BodyTagALinkColor, u"FF0000"_qs}}},
        {"link finds the one inside an earlier vlink",
         u"<html><BODY VLINK=\"#111111\" LINK=\"#222222\">",
         {{BoardLogHeader::BodyTagLinkColor, u"111111"_qs},
          {BoardLogHeader::BodyTagVLinkColor, u"111111"_qs}}},
        {"empty value and a value without #", u"<html><body bgcolor=\"#\" text=\"000000\">", {}},
        {"unclosed tag", u"<html><body bgcolor=\"#FFFFFF\"", {}},
        {"no body tag", u"<html><head></head>", {}},
        {"page that begins with the tag", u"<body bgcolor=\"#FFFFFF\">", {}},
        {"attributes after the tag do not count", u"<html><body><p text=\"#123456\">", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BoardPage::bodyTagColours(c.page), c.colours) << c.name;
}

TEST(BoardPage, MessageBlocksAndTheLastCompleteOne)
{
    struct Case
    {
        const char* name;
        QStringView page;
        QStringList blocks;
        std::optional<QString> last;
    };
    const Case cases[] = {
        {"two blocks with white space between",
         u"<html><!-- BEGIN -->\n one <!-- END -->\n\n<!-- begin --> two<!-- end -->\n</html>",
         {u"one "_qs, u"two"_qs},
         u"two"_qs},
        {"a truncated last block runs to the end and is not complete",
         u"x<!-- BEGIN -->one<!-- END --> <!-- BEGIN -->two</html>",
         {u"one"_qs, u"two</html>"_qs},
         u"one"_qs},
        {"an empty block is skipped",
         u"x<!-- BEGIN --><!-- END --><!-- BEGIN -->a<!-- END -->",
         {u"a"_qs},
         u"a"_qs},
        {"a page that begins with a block", u"<!-- BEGIN -->a<!-- END -->", {u"a"_qs}, u"a"_qs},
        {"no markers", u"<html>nothing</html>", {}, std::nullopt},
        {"only an end marker", u"x<!-- END -->", {}, std::nullopt},
        {"only white space", u" \n ", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts(BoardPage::messageBlocks(c.page)), c.blocks) << c.name;
        const std::optional<QStringView> last = BoardPage::lastCompleteBlock(c.page);
        EXPECT_EQ(last ? std::optional<QString>(last->toString()) : std::nullopt, c.last) << c.name;
    }
}
