#include "app/BoardColor.h"
#include "app/MessageHtml.h"
#include "app/ViewGeometry.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace Qt::StringLiterals;

TEST(MessageHtml, ControlCharactersAndNonCharactersGo)
{
    const QString text = u"a\u0000b\u000Cc\td\ne\rf\u0007\u007F\u0085g"_s + QChar(0xD800) +
                         u"h\uFFFEi\uFDD0j"_s + QString::fromUcs4(U"\U0001F600\U0010FFFF") + QChar(0xDC00);
    EXPECT_EQ(withoutControlCharacters(text), u"abc\td\ne\rfghij"_s + QString::fromUcs4(U"\U0001F600"));
}

TEST(MessageHtml, UserActionBlockRemoval)
{
    const QString label = u"ACTION"_s;
    struct Case
    {
        const char* name;
        QString text;
        QString expected;
    };
    const QList<Case> cases = {
        {"block removed up to div, first label character kept",
         u"<p>head</p>ACTION: mute <a>x</a></div><!-- CON B -->body</div>"_s,
         u"<p>head</p>A</div><!-- CON B -->body</div>"_s},
        {"no div before the marker: up to the marker", u"<p>x</p>ACTION here<!-- con b -->body</div>"_s,
         u"<p>x</p>A<!-- con b -->body</div>"_s},
        {"label only after the marker", u"<p>x</p><!-- CON B -->ACTION</div>"_s,
         u"<p>x</p><!-- CON B -->ACTION</div>"_s},
        {"no marker", u"<p>x</p>ACTION y</div>"_s, u"<p>x</p>ACTION y</div>"_s},
        {"label at the very start is not found by scanning up to it", u"  ACTION y</div><!-- CON B -->"_s,
         u"  ACTION y</div><!-- CON B -->"_s},
        {"label matched in any case", u"<p>x</p>action y</div><!-- CON B -->"_s,
         u"<p>x</p>a</div><!-- CON B -->"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withoutUserActionBlock(c.text, label), c.expected) << c.name;
    EXPECT_EQ(withoutUserActionBlock(cases[0].text, u""), cases[0].text);
}

TEST(MessageHtml, ImagesBecomeLinks)
{
    struct Case
    {
        QString text;
        QString expected;
    };
    const QList<Case> cases = {
        {u"<p>a<img src=\"x.gif\">b</p>"_s, u"<p>a <a href=\"x.gif\"><img src=\"x.gif\"></a> b</p>"_s},
        {u"<IMG SRC=\"Y.PNG\" alt=1>"_s, u" <a href=\"Y.PNG\"><IMG SRC=\"Y.PNG\" alt=1></a> "_s},
        {u"<img src=\"\">"_s, u"<img src=\"\">"_s},
        {u"<img src=x.gif>"_s, u"<img src=x.gif>"_s},
        {u"<img src=\"1\"> \n <img src=\"2\">"_s,
         u" <a href=\"1\"><img src=\"1\"></a>  \n  <a href=\"2\"><img src=\"2\"></a> "_s},
        {u"text <img src=\"never closed\""_s, u"text <img src=\"never closed\""_s},
        {u"no images at all"_s, u"no images at all"_s},
        {u""_s, u""_s},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        imgTagAddLink(text);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(MessageHtml, BoardColours)
{
    EXPECT_EQ(withBoardTextColor(u"t"_s, u"00ff80"), u"<font color=\"#00ff80\">t</font>"_s);
    for (QStringView odd : {u"", u"00ff8", u"00ff800", u"\"><b>x", u"00gg00"})
        EXPECT_EQ(withBoardTextColor(u"t"_s, odd), u"t"_s) << odd.toString().toStdString();

    const RgbaColor well{0.1, 0.2, 0.3, 0.5};
    EXPECT_EQ(BoardColor::messageBackground(u"FFFFCC", well), (RgbaColor{1.0, 1.0, 0.8, 1.0}));
    EXPECT_EQ(BoardColor::messageBackground(u"FFFFC", well), well);
    EXPECT_EQ(BoardColor::messageBackground(u"zzzzzz", well), well);
}

TEST(ViewGeometry, CentredRevealAndPageSizing)
{
    // 200 points visible with rows of 20: ten rows, so k = r + 4.
    EXPECT_EQ(ViewGeometry::centredRevealRow(10, 200, 20, 100), 14);
    EXPECT_EQ(ViewGeometry::centredRevealRow(98, 200, 20, 100), 99);
    EXPECT_EQ(ViewGeometry::centredRevealRow(3, 50, 20, 100), 3); // (2.5 - 2) * 0.5 truncates to 0
    EXPECT_EQ(ViewGeometry::centredRevealRow(0, 10, 20, 100), 0);
    EXPECT_EQ(ViewGeometry::centredRevealRow(5, 200, 0, 100), 5);

    // Text 1000 high in a 220 view: (980 / 200) gives 5 pages, so 5 * 200 + 20 - 10.
    EXPECT_EQ(ViewGeometry::completePageHeight(1000, 220, 1), 1010.0);
    // A whole quotient is not increased: 800 / 200 is 4 pages.
    EXPECT_EQ(ViewGeometry::completePageHeight(820, 220, 1), 810.0);
    EXPECT_EQ(ViewGeometry::completePageHeight(820, 220, 2), 1630.0);
    EXPECT_FALSE(ViewGeometry::completePageHeight(820, 20, 1));
}
