#include "ForumState.h"

#include <algorithm>

namespace tavrel::forumsim {

const Member* ForumState::member(const QString& id) const
{
    for (const Member& member : m_members) {
        if (member.id == id)
            return &member;
    }
    return nullptr;
}

const Member* ForumState::authenticate(const QString& id, const QString& password) const
{
    const Member* found = member(id);
    return found && !id.isEmpty() && found->password == password ? found : nullptr;
}

const Forum* ForumState::forum(const QString& id) const
{
    for (const Forum& forum : m_forums) {
        if (forum.id == id)
            return &forum;
    }
    return nullptr;
}

Board& ForumState::addBoard(BoardSettings settings)
{
    m_boards.push_back(std::make_unique<Board>(std::move(settings)));
    return *m_boards.back();
}

Board* ForumState::board(const QString& id)
{
    for (const auto& board : m_boards) {
        if (board->settings().id == id)
            return board.get();
    }
    return nullptr;
}

const Board* ForumState::board(const QString& id) const
{
    return const_cast<ForumState*>(this)->board(id);
}

QList<const Board*> ForumState::boards() const
{
    QList<const Board*> result;
    for (const auto& board : m_boards)
        result.append(board.get());
    return result;
}

QList<const Board*> ForumState::boardsOf(const QString& forumId) const
{
    QList<const Board*> result;
    for (const auto& board : m_boards) {
        if (board->settings().forumId == forumId)
            result.append(board.get());
    }
    return result;
}

int ForumState::deliver(MyDeskMessage message)
{
    message.id = ++m_lastMyDeskId;
    m_myDesk.append(std::move(message));
    return m_lastMyDeskId;
}

MyDeskMessage* ForumState::myDeskMessage(int id)
{
    for (MyDeskMessage& message : m_myDesk) {
        if (message.id == id)
            return &message;
    }
    return nullptr;
}

QList<const MyDeskMessage*> ForumState::inboxOf(const QString& memberId) const
{
    QList<const MyDeskMessage*> inbox;
    for (const MyDeskMessage& message : m_myDesk) {
        if (message.toId == memberId)
            inbox.append(&message);
    }
    std::stable_sort(inbox.begin(), inbox.end(), [](const MyDeskMessage* a, const MyDeskMessage* b) {
        return a->date > b->date || (a->date == b->date && a->id > b->id);
    });
    return inbox;
}

} // namespace tavrel::forumsim
