#pragma once

// The user's programs around a run: the before-procedure runs as the run's task (the event
// loop keeps serving, the stop button ends it) and must succeed for the run to go on; the
// after-procedure runs after the logout and is waited for in place, its exit status ignored.
// Both start without arguments in Tmp.

#include <functional>

namespace tavrel {

class CommunicationRun;

class ProcedureStep
{
public:
    explicit ProcedureStep(CommunicationRun& run);

    // Without a before path: `next` at once. Otherwise runs it; a non-zero exit status or a
    // stop ends the run with "RunBeforeDownloadErrorAlertTitle", else `next`.
    void runBeforeProcedure(const std::function<void()>& next);
    // Runs the after path when there is one; then `next`.
    void runAfterProcedure(const std::function<void()>& next);

private:
    CommunicationRun& m_run;
};

} // namespace tavrel
