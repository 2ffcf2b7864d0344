#pragma once

// Keeps the communication commands apart: a run holds the gate from its start to its end and
// the board list download while it runs, so no other such command starts meanwhile and at
// most one transfer task exists.

namespace tavrel {

class TransferGate
{
public:
    // Takes the gate; false when it is taken already.
    bool tryAcquire()
    {
        if (m_busy)
            return false;
        m_busy = true;
        return true;
    }
    void release() { m_busy = false; }
    bool isBusy() const { return m_busy; }

private:
    bool m_busy = false;
};

} // namespace tavrel
