#pragma once

// Which menu items are enabled. Items are told apart by their title keys (the key is kept on
// each QAction as its objectName); the state that decides is gathered by the controller.

#include <QString>

namespace tavrel {

class MessageRecord;

struct MenuContext
{
    // The message editor window is the key window.
    bool messageEditorIsKey = false;
    // The MyDesk message editor's window is the key window.
    bool myDeskEditorIsKey = false;
    bool messageEditorVisible = false;
    // The editor's focused view is its contents text.
    bool editorContentsHasFocus = false;
    // The log cutting sheet or the deletion sheet is the key window.
    bool workSheetIsKey = false;
    // The settings file list editor's panel is visible.
    bool settingsListEditorVisible = false;
    bool addressBookAvailable = false;
    // The selected record of the message list; null when the list is empty or nothing is
    // selected.
    const MessageRecord* selectedRecord = nullptr;
};

class MenuValidation
{
public:
    // True when the item titled by `titleKey` is enabled; keys without a rule always are.
    static bool validateMenuItem(const QString& titleKey, const MenuContext& context);
};

} // namespace tavrel
