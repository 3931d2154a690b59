#pragma once
// Keeps the user interface alive during long loops without pumping once per
// character: step() is cheap and pumps the event queue at most every few
// milliseconds (the clock is read every 256 steps). Callers test their stop
// request right after a step that pumped.
#include <QElapsedTimer>

class MessagePump
{
public:
    explicit MessagePump(int intervalMs = 5);

    // One loop step. Returns true when events were pumped during this step.
    bool step()
    {
        if (++m_steps < 256)
            return false;
        m_steps = 0;
        if (m_clock.elapsed() < m_intervalMs)
            return false;
        pumpNow();
        return true;
    }

    // Pumps the pending events now and restarts the interval.
    void pumpNow();

    // Total number of pumps made by this object (for tests and benchmarks).
    int pumps() const { return m_pumps; }

private:
    QElapsedTimer m_clock;
    int m_intervalMs;
    int m_steps = 0;
    int m_pumps = 0;
};
