#pragma once

// The state of a communication run, which completion handlers consult, and its mode.

namespace tavrel {

enum class RunState
{
    Idle = 0,
    BeforeProcedure = 1,
    Sending = 2,
    Receiving = 3,
    LoggedOut = 4, // the after-procedure
    Stopped = 5,
    ForumTop = 6,
};

enum class RunMode
{
    None = 0,    // no run started since the panel opened
    Junkai = 1,  // patrol
    Jushin = 2,  // receive only
    Soushin = 3, // send only
};

} // namespace tavrel
