#include "ui/MenuValidation.h"

#include "store/MessageRecord.h"

#include <QSet>

namespace tavrel {

namespace {

using Keys = QSet<QString>;

const Keys& tagPasteKeys()
{
    static const Keys keys{
        QStringLiteral("HensyuuInyoutoshitePasteMenuTitle"),
        QStringLiteral("HensyuuTagPasteAnchorMenuTitle"),
        QStringLiteral("HensyuuTagPasteBoldMenuTitle"),
        QStringLiteral("HensyuuTagPasteItalicMenuTitle"),
        QStringLiteral("HensyuuTagPasteFontMenuTitle"),
        QStringLiteral("HensyuuTagPasteImageMenuTitle"),
        QStringLiteral("HensyuuTagPasteSubscriptMenuTitle"),
        QStringLiteral("HensyuuTagPasteSuperscriptMenuTitle"),
        QStringLiteral("HensyuuTagPasteUnderlineMenuTitle"),
        QStringLiteral("HensyuuTagPasteStrikeThroughMenuTitle"),
        QStringLiteral("HensyuuTagPasteTeletypeMenuTitle"),
    };
    return keys;
}

// Commands that must wait while the log cutting or the deletion sheet is in front.
const Keys& workSheetKeys()
{
    static const Keys keys{
        QStringLiteral("SousaAccsessDodOvozaMenuTitle"),
        QStringLiteral("SousaHatsugenNoZokuseiMenuTitle"),
        QStringLiteral("SousaLogCutMenuTitle"),
        QStringLiteral("FileDeleteMessageMenuTitle"),
        QStringLiteral("SousaMesAttrMenuMidokuThisMesTitle"),
        QStringLiteral("SousaMesAttrMenuMidokuThisBoardTitle"),
        QStringLiteral("SousaMesAttrMenuKidokuThisMesTitle"),
        QStringLiteral("SousaMesAttrMenuKidokuThisBoardTitle"),
        QStringLiteral("SousaMesAttrMenuKidokuAllBoardTitle"),
        QStringLiteral("SousaMesAttrMenuLockThisMesTitle"),
        QStringLiteral("SousaMesAttrMenuDeleteThisMesTitle"),
        QStringLiteral("SousaMesAttrMenuKaijoThisMesTitle"),
        QStringLiteral("SousaReadMidokuMenuTitle"),
    };
    return keys;
}

bool hasText(const MessageRecord* record, const QString& (MessageRecord::*field)() const)
{
    return record && !(record->*field)().isEmpty();
}

} // namespace

bool MenuValidation::validateMenuItem(const QString& key, const MenuContext& c)
{
    const MessageRecord* record = c.selectedRecord;
    if (tagPasteKeys().contains(key))
        return c.messageEditorIsKey;
    if (key == u"FileSaveAsDraftMenuTitle" || key == u"FileSaveMenuTitle")
        return c.messageEditorIsKey || c.myDeskEditorIsKey;
    if (key == u"FileOpenMenuTitle")
        return !c.messageEditorVisible;
    if (key == u"SousaCommentMotoMesMoveMenuTitle")
        return record && record->comment() != u"0";
    if (key == u"SousaAccsessDodOvozaMenuTitle")
        return !c.workSheetIsKey && !c.settingsListEditorVisible;
    if (workSheetKeys().contains(key))
        return !c.workSheetIsKey;
    if (key == u"HensyuuBubunCopyMessageURLMenuTitle" || key == u"SousaOpenThisMessageURLByBrowserMenuTitle")
        return hasText(record, &MessageRecord::commentURL);
    if (key == u"HensyuKetasoroeKetasoroeJikkouMenuTitle")
        return c.messageEditorIsKey && c.editorContentsHasFocus;
    if (key == u"KankyouTsuushinSetteiMenuTitle")
        return !c.settingsListEditorVisible;
    if (key == u"SousaAddAddressBookMenuTitle" || key == u"WindowAddressBookMenuTitle")
        return c.addressBookAvailable;
    if (key == u"SousaSendMailToHasshinsyaMenuTitle")
        return hasText(record, &MessageRecord::eMail);
    return true;
}

} // namespace tavrel
