// The enabling rules of the menus, by title key.

#include "store/MessageRecord.h"
#include "ui/MenuValidation.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavrel {
namespace {

struct Rule
{
    const char* key;
    // Turns an all-enabling context into one where the item must be disabled; null for keys
    // that are never disabled.
    std::function<void(MenuContext&, MessageRecord&)> disable;
};

TEST(MenuValidation, EachRuleDisablesOnlyUnderItsCondition)
{
    const Rule rules[] = {
        {"HensyuuTagPasteBoldMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.messageEditorIsKey = false; }},
        {"HensyuuInyoutoshitePasteMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.messageEditorIsKey = false; }},
        {"FileSaveMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.messageEditorIsKey = c.myDeskEditorIsKey = false; }},
        {"FileOpenMenuTitle", [](MenuContext& c, MessageRecord&) { c.messageEditorVisible = true; }},
        {"SousaCommentMotoMesMoveMenuTitle",
         [](MenuContext&, MessageRecord& r) { r.setComment(QStringLiteral("0")); }},
        {"SousaCommentMotoMesMoveMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.selectedRecord = nullptr; }},
        {"SousaAccsessDodOvozaMenuTitle", [](MenuContext& c, MessageRecord&) { c.workSheetIsKey = true; }},
        {"SousaAccsessDodOvozaMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.settingsListEditorVisible = true; }},
        {"SousaReadMidokuMenuTitle", [](MenuContext& c, MessageRecord&) { c.workSheetIsKey = true; }},
        {"SousaMesAttrMenuKidokuAllBoardTitle",
         [](MenuContext& c, MessageRecord&) { c.workSheetIsKey = true; }},
        {"SousaOpenThisMessageURLByBrowserMenuTitle",
         [](MenuContext&, MessageRecord& r) { r.setCommentURL(QString()); }},
        {"HensyuKetasoroeKetasoroeJikkouMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.editorContentsHasFocus = false; }},
        {"KankyouTsuushinSetteiMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.settingsListEditorVisible = true; }},
        {"WindowAddressBookMenuTitle",
         [](MenuContext& c, MessageRecord&) { c.addressBookAvailable = false; }},
        {"SousaSendMailToHasshinsyaMenuTitle", [](MenuContext&, MessageRecord& r) { r.setEMail(QString()); }},
        {"NoSuchMenuTitle", nullptr},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.key);
        const QString key = QString::fromLatin1(rule.key);
        MessageRecord record;
        record.setComment(QStringLiteral("3"));
        record.setCommentURL(QStringLiteral("https://example.com/3"));
        record.setEMail(QStringLiteral("a@example.com"));
        MenuContext context;
        context.messageEditorIsKey = true;
        context.editorContentsHasFocus = true;
        context.addressBookAvailable = true;
        context.selectedRecord = &record;
        EXPECT_TRUE(MenuValidation::validateMenuItem(key, context));
        if (!rule.disable)
            continue;
        rule.disable(context, record);
        EXPECT_FALSE(MenuValidation::validateMenuItem(key, context));
    }
}

TEST(MenuValidation, CommentedMessageStaysAvailableWhileTheWorkSheetIsKey)
{
    MessageRecord record;
    record.setComment(QStringLiteral("3"));
    MenuContext context;
    context.workSheetIsKey = true;
    context.selectedRecord = &record;
    EXPECT_TRUE(
        MenuValidation::validateMenuItem(QStringLiteral("SousaCommentMotoMesMoveMenuTitle"), context));
    EXPECT_FALSE(
        MenuValidation::validateMenuItem(QStringLiteral("SousaMesAttrMenuLockThisMesTitle"), context));
}

} // namespace
} // namespace tavrel
