#pragma once

// What every part of the simulated service shares: the endpoint and text table, the state,
// the sessions, the behaviours tests have set, the request log and the stop flag.

#include "Behaviours.h"
#include "ForumState.h"
#include "RequestLog.h"
#include "SessionStore.h"
#include "store/ServiceConfiguration.h"

#include <atomic>

namespace tavrel::forumsim {

struct SimContext
{
    const ServiceConfiguration& configuration;
    ForumState& state;
    SessionStore& sessions;
    Behaviours& behaviours;
    RequestLog& requestLog;
    // Set when the service shuts down; slow answers stop at once.
    const std::atomic_bool& stopping;
};

} // namespace tavrel::forumsim
