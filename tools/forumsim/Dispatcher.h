#pragma once

// Routes every request by the host it names (the service's host names all lead to the one
// simulator through curl's connect-to) to the service of that host's role, and records the
// exchange in the request log.

#include "BoardService.h"
#include "ForumPagesService.h"
#include "MemberService.h"
#include "MyDeskService.h"
#include "SimContext.h"

#include <httplib.h>

namespace tavrel::forumsim {

class Dispatcher
{
public:
    explicit Dispatcher(SimContext& context);

    void handle(const httplib::Request& request, httplib::Response& response, bool secure);

private:
    // The endpoint role whose host the request names; empty for a host of no role.
    QString roleOf(const QString& host) const;
    bool route(Exchange& exchange, const QString& role);

    SimContext& m_context;
    BoardService m_boards;
    MemberService m_members;
    MyDeskService m_myDesk;
    ForumPagesService m_forumPages;
};

} // namespace tavrel::forumsim
