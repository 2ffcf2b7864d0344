#pragma once

// Reading from the keyboard: the space bar pages through the shown message and at its end
// marks it read and moves to the next unread message, across boards; Return moves on leaving
// the message unread; the arrows step through the list; and the two jumps (back to the
// message shown before, to the message the shown one comments on).

#include <Qt>

namespace tavrel {

class AlertPanel;
class BoardBrowser;

class ReadingNavigator
{
public:
    // The vertical scroller of the message text view: position 0 (top) to 1 (bottom), and
    // whether it is enabled (the text is longer than the view).
    struct Scroller
    {
        double position = 0;
        bool enabled = false;
    };

    enum class SpaceResult
    {
        PageDown, // the view is to scroll down one page; nothing else happened
        MovedOn,  // the message was marked read and the next unread one shown
    };

    // The keys of the message text view that drive reading.
    enum class ReadingKey
    {
        None,
        Space,           // readMidoku
        Next,            // right arrow: readNextHatsugen
        Previous,        // left arrow: readPreviousHatsugen
        PowerNext,       // Return: kyouseiHyoujiNextMessage
        ReadedPowerNext, // Shift+Return: kyouseiReadedNextHatsugen
    };

    ReadingNavigator(BoardBrowser& browser, AlertPanel& alerts);

    static ReadingKey readingKey(int qtKey, Qt::KeyboardModifiers modifiers);

    // Space: page down while the end is not yet in view, otherwise mark read and move on.
    SpaceResult readMidoku(const Scroller& scroller);
    // Space as TavrelLite does it, after the view has paged down: when paging did not move
    // the scroller (the end was already in view), mark read and move on.
    void readMidokuAfterPaging(double positionBefore, double positionAfter);
    // Shift+Return: mark read and move on without paging.
    void kyouseiReadedNextHatsugen();
    // Return: the next unread message below the selected one; the selected one stays as it is.
    void kyouseiHyoujiNextMessage();
    // The next unread message from the selected one on, or on the next board with unread
    // messages; a beep at the end of the board tree.
    void hyoujiNextMessage();
    // Saves the displayed board and enters the first board from the selected one on that has
    // unread messages; a beep when there is none.
    void idouNextKaigishitsu();
    void readNextHatsugen();
    void readPreviousHatsugen();

    void goBackDisplayedMessage();
    // Shows the nearest message above the selected one whose number is the one it comments
    // on; a beep when there is none.
    void goCommentMotoMessage();
    // The menu item's state: a message is selected and its "Comment" is not "0".
    bool canGoCommentMotoMessage() const;

private:
    void markSelectedRead();
    // The search of hyoujiNextMessage / kyouseiHyoujiNextMessage; `skipSelected` starts it
    // below the selected row.
    void showNextUnread(bool skipSelected);
    // Enters the board at `row`: selects it, builds its list, selects row 0 and counts.
    void enterBoard(int row);
    int nextUnreadBoardRow(int from) const;

    BoardBrowser& m_browser;
    AlertPanel& m_alerts;
};

} // namespace tavrel
