#include "BrowserTestSupport.h"
#include "app/MessageDisplay.h"
#include "support/QtPrinters.h"

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

class Display : public BrowserFixture
{
protected:
    // Board "a" with one message whose body has an action block, an image and a NUL, shown
    // with the board colours of its header.
    void makeBoard()
    {
        BoardLogHeader header = makeHeader(u"a"_s, u"F"_s, {});
        header.setValue(BoardLogHeader::BodyTagTextColor, u"112233"_s);
        header.setValue(BoardLogHeader::BodyTagBGColor, u"FFFFCC"_s);
        BoardLogFile file;
        file.header() = header;
        MessageRecord record = makeRecord({u"1"_s});
        record.setContents(u"<div>ACTION mute</div><!-- CON B -->a\u0000<img src=\"x.gif\">b"_s);
        file.body().append(record);
        MessageRecord bare = makeRecord({u"2"_s});
        bare.remove(MessageRecord::Contents);
        file.body().append(bare);
        ASSERT_TRUE(file.write(warehouse + u"/a"));
    }

    QString shownHtml(const QSignalSpy& shown) const
    {
        return shown.isEmpty() ? QString() : shown.last().at(0).value<MessageDisplay>().html;
    }
};

} // namespace

TEST_F(Display, SettingsShapeTheShownHtml)
{
    makeBoard();
    builder = std::make_unique<BoardTreeBuilder>(alerts, trash, log);
    browser = std::make_unique<BoardBrowser>(tree, list, *builder, preferences, log, u"ACTION"_s);
    QSignalSpy shown(browser.get(), &BoardBrowser::messageShown);
    QSignalSpy background(browser.get(), &BoardBrowser::messageBackgroundChanged);
    QSignalSpy memo(browser.get(), &BoardBrowser::memoMessageChanged);
    browser->makeTableNow(warehouse);
    const QString imageLink = u"a <a href=\"x.gif\"><img src=\"x.gif\"></a> b"_s;
    EXPECT_EQ(shownHtml(shown), u"<div>ACTION mute</div><!-- CON B -->"_s + imageLink);
    EXPECT_TRUE(background.isEmpty());
    EXPECT_EQ(memo.last().at(0).toInt(), 0);
    const MessageDisplay plain = shown.last().at(0).value<MessageDisplay>();
    EXPECT_EQ(plain.styleSheet, QString());
    EXPECT_FALSE(plain.fontFamily);
    EXPECT_EQ(plain.zoom, 1.0);

    preferences.setKonoUserHenoActionJokyo(true);
    preferences.setIsUseBoardOriginalColorSet(true);
    preferences.setHyoujiMessageUseFont(u"Noto \"Serif\""_s);
    preferences.setTextBrowserBairitsu(2);
    browser->clickForumKaigishitsuTable();
    EXPECT_EQ(shownHtml(shown),
              u"<font color=\"#112233\"><div>A</div><!-- CON B -->"_s + imageLink + u"</font>");
    ASSERT_FALSE(background.isEmpty());
    EXPECT_EQ(background.last().at(0).value<RgbaColor>(), (RgbaColor{1.0, 1.0, 0.8, 1.0}));
    const MessageDisplay styled = shown.last().at(0).value<MessageDisplay>();
    EXPECT_EQ(styled.styleSheet, u"* { font-family: \"Noto \\\"Serif\\\"\"; }"_s);
    EXPECT_EQ(styled.fontFamily, u"Noto \"Serif\""_s);
    EXPECT_EQ(styled.zoom, 2.0);

    // The colour well: all three views, stored, and the message shown again.
    QSignalSpy views(browser.get(), &BoardBrowser::viewBackgroundChanged);
    const qsizetype shownBeforeWell = shown.size();
    browser->setTVLBGColor({0.5, 0.25, 1, 1});
    EXPECT_EQ(views.last().at(0).value<RgbaColor>(), (RgbaColor{0.5, 0.25, 1, 1}));
    EXPECT_EQ(preferences.textBackGroundColor(), (RgbaColor{0.5, 0.25, 1, 1}));
    EXPECT_EQ(shown.size(), shownBeforeWell + 1);

    // A record without contents only clears the view, but still becomes the shown message.
    QSignalSpy cleared(browser.get(), &BoardBrowser::messageCleared);
    const qsizetype shownBefore = shown.size();
    clickMessages({1});
    EXPECT_EQ(shown.size(), shownBefore);
    EXPECT_EQ(cleared.size(), 1);
    EXPECT_EQ(browser->backPosition().currentMessageNumber(), u"2"_s);
}

TEST(MessageDisplayBuilder, BuildsFromTheRecordAlone)
{
    MessageRecord record = makeRecord({u"1"_s});
    record.setContents(u"<p>x</p>"_s);
    const std::optional<MessageDisplay> display = MessageDisplayBuilder::build(record, nullptr, {});
    ASSERT_TRUE(display);
    EXPECT_EQ(display->html, u"<p>x</p>"_s);
    MessageDisplayOptions options;
    options.useBoardOriginalColor = true; // no board header: nothing to colour with
    options.fontFamily = QString();       // empty: the markup's fonts
    EXPECT_EQ(MessageDisplayBuilder::build(record, nullptr, options)->html, u"<p>x</p>"_s);
    EXPECT_FALSE(MessageDisplayBuilder::build(record, nullptr, options)->fontFamily);
    record.remove(MessageRecord::Contents);
    EXPECT_FALSE(MessageDisplayBuilder::build(record, nullptr, {}));
}
