// Handling waiting window events.
#include "platform/Events.h"

#include "platform/QuitRequest.h"

#include <QCoreApplication>

namespace platform {

EventPump::EventPump(const QuitRequest &quit, int intervalMs) : m_quit(quit), m_intervalMs(intervalMs)
{
    m_clock.start();
}

bool EventPump::tick()
{
    return due() ? process() : !m_quit.isRequested();
}

bool EventPump::process()
{
    QCoreApplication::processEvents();
    m_clock.restart();
    return !m_quit.isRequested();
}

} // namespace platform
