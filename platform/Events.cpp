// Handling waiting window events.
#include "platform/Events.h"

#include <QCoreApplication>

namespace platform {

EventPump::EventPump(std::function<bool()> quitRequested, int intervalMs)
    : m_quitRequested(std::move(quitRequested)), m_intervalMs(intervalMs)
{
    m_clock.start();
}

bool EventPump::tick()
{
    return due() ? process() : !m_quitRequested();
}

bool EventPump::process()
{
    QCoreApplication::processEvents();
    m_clock.restart();
    return !m_quitRequested();
}

} // namespace platform
