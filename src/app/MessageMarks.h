#pragma once

// The mark commands of the displayed board: read and unread (selected messages, the whole
// board, every board), lock, mark for deletion and clear. Every change of "DontRead" moves
// the board's unread count by one; a record without "DontRead" is set without counting.

#include <QString>

namespace tavrel {

class BoardBrowser;
class SystemLog;

class MessageMarks
{
public:
    MessageMarks(BoardBrowser& browser, SystemLog& log);

    void setThisHatsugenMidoku();
    void setAllHatsugenMidoku();
    void setThisHatsugenKidoku();
    void setAllHatsugenKidoku();
    // Every message of every board read: each board with a count other than 0 is read whole,
    // marked and written back. A file that cannot be read is left as it is.
    void setAllBoardHatsugenKidoku();
    // "Lock" "YES" where it is "NO".
    void setThisHatsugenLocked();
    // "Lock" "DEL" where it is "NO".
    void setThisHatsugenSakujoShitei();
    // "Lock" "NO".
    void setThisHatsugenLockKaijo();

private:
    // Sets "DontRead" of `rows` (all rows when `all`) to YES (unread) or NO, counting.
    void setDontRead(bool unread, bool all);
    void setLock(const QString& from, const QString& to);

    BoardBrowser& m_browser;
    SystemLog& m_log;
};

} // namespace tavrel
