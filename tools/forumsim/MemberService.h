#pragma once

// Login and logout on the member server. A login with a member's ID and password starts a
// session and sets its cookies for the whole service domain; logout ends it.

#include "Exchange.h"
#include "SimContext.h"

namespace tavrel::forumsim {

class MemberService
{
public:
    explicit MemberService(SimContext& context);

    // Answers login and logout; false for any other path.
    bool handle(Exchange& exchange);

private:
    void login(Exchange& exchange);
    void logout(Exchange& exchange);

    SimContext& m_context;
};

} // namespace tavrel::forumsim
