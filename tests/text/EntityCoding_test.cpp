#include "support/QtPrinters.h"
#include "text/EntityCoding.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase
{
    const char* name;
    QStringView input;
    QStringView page;
    QStringView editor;
};

struct EncodeCase
{
    const char* name;
    QStringView input;
    QStringView encoded;
};

} // namespace

TEST(EntityCoding, DecodersReplaceTheirEntitiesInPassOrder)
{
    const DecodeCase cases[] = {
        {"empty", u"", u"", u""},
        {"all entities", u"&lt;b&gt; &quot;q&quot; &amp; x", u"<b>\"q\"&x", u"<b> \"q\" & x"},
        {"blank after a replaced entity is dropped by the page decoder", u"a &gt; b", u"a >b", u"a > b"},
        {"line breaks after an entity are dropped by the page decoder", u"x&lt;\r\n\u3000y", u"x<y",
         u"x<\r\n\u3000y"},
        {"white space at the start is dropped by the page decoder", u" \n x", u"x", u" \n x"},
        {"white space at the end remains", u"x \n", u"x \n", u"x \n"},
        {"white space after an entity at the end", u"x&gt; \n", u"x>", u"x> \n"},
        {"only white space", u"  \n", u"", u"  \n"},
        {"nbsp in any case for the page decoder only", u"a&NBSP;b&nbsp;c", u"a b c", u"a&NBSP;b&nbsp;c"},
        {"two nbsp keep two blanks", u"x&nbsp;&nbsp;y", u"x  y", u"x&nbsp;&nbsp;y"},
        {"nbsp at the start is dropped by the next pass", u"&nbsp;x", u"x", u"&nbsp;x"},
        {"other entities in capitals stay", u"a&GT;b&LT;c&AMP;d&QUOT;", u"a&GT;b&LT;c&AMP;d&QUOT;",
         u"a&GT;b&LT;c&AMP;d&QUOT;"},
        {"escaped entity decodes once", u"&amp;lt;b&amp;gt;", u"&lt;b&gt;", u"&lt;b&gt;"},
        {"escaped nbsp decodes once", u"&amp;nbsp;", u"&nbsp;", u"&nbsp;"},
        {"ampersand before an entity", u"&&gt;", u"&>", u"&>"},
        {"incomplete entities stay", u"&gt &lt &amp", u"&gt &lt &amp", u"&gt &lt &amp"},
        {"surrogate pairs pass whole", u"\U0001F600&gt;\U0001F600", u"\U0001F600>\U0001F600",
         u"\U0001F600>\U0001F600"},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tavrel::decodePageEntities(c.input), c.page.toString());
        EXPECT_EQ(tavrel::decodeEditorEntities(c.input), c.editor.toString());
    }
    EXPECT_TRUE(tavrel::decodePageEntities(QStringView()).isEmpty());
}

TEST(EntityCoding, EncoderReplacesTheFourCharacters)
{
    const EncodeCase cases[] = {
        {"empty", u"", u""},
        {"all four", u"<a href=\"x\">&</a>", u"&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;"},
        {"blanks around a character stay", u"a < b", u"a &lt; b"},
        {"leading line break stays", u"\nabc", u"\nabc"},
        {"line breaks after a character stay", u"x >\r\n y", u"x &gt;\r\n y"},
        {"white space at the end remains", u"x  ", u"x  "},
        {"an entity text is escaped, not kept", u"&lt;", u"&amp;lt;"},
        {"adjacent characters", u"<<&&", u"&lt;&lt;&amp;&amp;"},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tavrel::encodeEntities(c.input), c.encoded.toString());
    }
}

TEST(EntityCoding, EditorDecoderUndoesTheEncoder)
{
    const EncodeCase cases[] = {
        {"markup", u"a<b>c", u"a<b>c"},
        {"entity text", u"&amp;lt;", u"&amp;lt;"},
        {"quotes", u"\"x\"&\"y\"", u"\"x\"&\"y\""},
        {"all four in a row", u"x &<>\"y", u"x &<>\"y"},
        {"nbsp", u"&nbsp;", u"&nbsp;"},
        {"blanks and line breaks survive", u"1 < 2 >\n 3", u"1 < 2 >\n 3"},
    };
    for (const EncodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tavrel::decodeEditorEntities(tavrel::encodeEntities(c.input)), c.encoded.toString());
    }
}
