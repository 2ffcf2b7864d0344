#pragma once

// Everything the simulated service knows: members, forums, boards, MyDesk messages and the
// log of accepted posts. Request handlers run on several threads: they hold lock() while
// they read or change anything here.

#include "Board.h"
#include "Forum.h"
#include "Member.h"
#include "MyDeskMessage.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>

#include <memory>
#include <mutex>
#include <vector>

namespace tavrel::forumsim {

class ForumState
{
public:
    std::unique_lock<std::mutex> lock() const { return std::unique_lock<std::mutex>(m_mutex); }

    void addMember(Member member) { m_members.append(std::move(member)); }
    const QList<Member>& members() const { return m_members; }
    const Member* member(const QString& id) const;
    // The member with this ID and password; nothing when either is wrong.
    const Member* authenticate(const QString& id, const QString& password) const;

    void addForum(Forum forum) { m_forums.append(std::move(forum)); }
    const QList<Forum>& forums() const { return m_forums; }
    const Forum* forum(const QString& id) const;

    Board& addBoard(BoardSettings settings);
    Board* board(const QString& id);
    const Board* board(const QString& id) const;
    // Every board in scenario order, or only those of one forum.
    QList<const Board*> boards() const;
    QList<const Board*> boardsOf(const QString& forumId) const;

    // Stores the message under the next MyDesk ID, which it returns.
    int deliver(MyDeskMessage message);
    MyDeskMessage* myDeskMessage(int id);
    // The inbox of a member, newest first.
    QList<const MyDeskMessage*> inboxOf(const QString& memberId) const;

    // Accepted posts and MyDesk messages, for the admin interface.
    void recordPost(const QJsonObject& post) { m_posts.append(post); }
    const QJsonArray& posts() const { return m_posts; }

private:
    mutable std::mutex m_mutex;
    QList<Member> m_members;
    QList<Forum> m_forums;
    std::vector<std::unique_ptr<Board>> m_boards;
    QList<MyDeskMessage> m_myDesk;
    int m_lastMyDeskId = 0;
    QJsonArray m_posts;
};

} // namespace tavrel::forumsim
