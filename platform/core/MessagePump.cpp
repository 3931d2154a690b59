#include "platform/core/MessagePump.h"

#include <QCoreApplication>
#include <QElapsedTimer>

qint64 MessagePump::steadyMs()
{
    static const QElapsedTimer start = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return start.elapsed();
}

MessagePump::MessagePump(int intervalMs, Clock clock)
    : m_clock(std::move(clock)), m_last(m_clock()), m_intervalMs(intervalMs)
{
}

bool MessagePump::pumpIfDue()
{
    if (m_last && m_clock() - *m_last < m_intervalMs)
        return false;
    pumpNow();
    return true;
}

void MessagePump::pumpNow()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ++m_pumps;
    m_last = m_clock();
}
