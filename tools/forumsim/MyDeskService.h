#pragma once

// MyDesk on the member server: the inbox pages, the page of one message (which marks it
// read) and sending, all behind the login session; also the sending form and the member
// profiles that the boards' per-user action blocks link to.

#include "Exchange.h"
#include "SimContext.h"

#include <optional>

namespace tavrel::forumsim {

class MyDeskService
{
public:
    explicit MyDeskService(SimContext& context);

    // Answers the MyDesk paths; false for any other path.
    bool handle(Exchange& exchange);

private:
    // The member of the request's session; nothing when it has none (then answered).
    std::optional<QString> sessionMember(Exchange& exchange, const Behaviour& behaviour);
    void inbox(Exchange& exchange);
    void view(Exchange& exchange);
    void send(Exchange& exchange);
    // The sending form for a member, or a member's profile (public).
    void memberPage(Exchange& exchange, bool profile);

    SimContext& m_context;
};

} // namespace tavrel::forumsim
