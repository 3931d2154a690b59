#pragma once
// Keeps the user interface alive during long loops without pumping once per
// character: step() is cheap and pumps the event queue at most every few
// milliseconds (the clock is read every 256 steps). Callers test their stop
// request right after a step that pumped.
#include <QtGlobal>

#include <functional>
#include <optional>

class MessagePump
{
public:
    // Milliseconds on a monotonic clock; tests inject their own.
    using Clock = std::function<qint64()>;
    // The monotonic clock of the process.
    static qint64 steadyMs();

    explicit MessagePump(int intervalMs = 5, Clock clock = steadyMs);

    // One loop step. Returns true when events were pumped during this step.
    bool step()
    {
        if (++m_steps < 256)
            return false;
        m_steps = 0;
        return pumpIfDue();
    }

    // Pumps when the interval has passed since the last pump (or none was
    // made yet); returns whether it pumped.
    bool pumpIfDue();

    // Pumps the pending events now and restarts the interval.
    void pumpNow();

    // Total number of pumps made by this object (for tests and benchmarks).
    int pumps() const { return m_pumps; }

private:
    Clock m_clock;
    std::optional<qint64> m_last;
    int m_intervalMs;
    int m_steps = 0;
    int m_pumps = 0;
};
