// Handling the window events that are waiting, from inside a long operation.
#pragma once

#include <QElapsedTimer>

#include <functional>

namespace platform {

// Lets a long loop keep the window painted without paying for an event round on every step: tick()
// handles waiting events once a few milliseconds of work have passed. Both tick() and process()
// return false once quitRequested() says the end of the program has been requested, and the loop
// then stops.
class EventPump {
public:
    explicit EventPump(std::function<bool()> quitRequested, int intervalMs = 16);
    bool tick();
    // For loops that update the screen before the events are handled: true when that is due.
    bool due() const { return m_clock.elapsed() >= m_intervalMs; }
    bool process();

private:
    std::function<bool()> m_quitRequested;
    QElapsedTimer m_clock;
    int m_intervalMs;
};

} // namespace platform
