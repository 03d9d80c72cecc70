// Handling waiting window events.
#include "platform/Events.h"

#include <QCoreApplication>

namespace platform {

void processWaitingEvents()
{
    QCoreApplication::processEvents();
}

EventPump::EventPump(int intervalMs) : m_intervalMs(intervalMs)
{
    m_clock.start();
}

void EventPump::tick()
{
    if (due())
        process();
}

void EventPump::process()
{
    processWaitingEvents();
    m_clock.restart();
}

} // namespace platform
