#include "MessagePump.h"

#include <QCoreApplication>

MessagePump::MessagePump(int intervalMs) : m_intervalMs(intervalMs)
{
    m_clock.start();
}

void MessagePump::pumpNow()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    ++m_pumps;
    m_clock.restart();
}
