#pragma once

// A simulated board: its settings and its numbered messages. Pages hold 20 messages, page 1
// the newest, each page newest first.

#include "BoardMessage.h"
#include "BoardSettings.h"

#include <QList>

namespace tavrel::forumsim {

class Board
{
public:
    static constexpr int kPageSize = 20;

    explicit Board(BoardSettings settings);

    const BoardSettings& settings() const { return m_settings; }
    BoardSettings& settings() { return m_settings; }

    // Every message, ascending by number.
    const QList<BoardMessage>& messages() const { return m_messages; }
    // The highest number given so far (0 for a board without messages).
    int lastNumber() const { return m_lastNumber; }
    const BoardMessage* message(int number) const;
    // Numbers of the messages that comment on `number`, ascending.
    QList<int> commentsOn(int number) const;

    // Stores the message under the next number, which it returns.
    int append(BoardMessage message);
    // Drops every message; the next one is number 1 again.
    void restart();
    // Makes `next` the next number when it is above the current one (older messages gone).
    void skipNumbersTo(int next);

    int pageCount() const;
    // The messages of page `page` (1 = newest), newest first; empty beyond the last page.
    QList<const BoardMessage*> page(int page) const;

private:
    BoardSettings m_settings;
    QList<BoardMessage> m_messages;
    int m_lastNumber = 0;
};

} // namespace tavrel::forumsim
