// Handling the window events that are waiting, from inside a long operation.
#pragma once

#include <QElapsedTimer>

namespace platform {

class QuitRequest;

// Lets a long loop keep the window painted without paying for an event round on every step: tick()
// handles waiting events once a few milliseconds of work have passed. Both tick() and process()
// return false once the end of the program has been requested, and the loop then stops.
class EventPump {
public:
    explicit EventPump(const QuitRequest &quit, int intervalMs = 16);
    bool tick();
    // For loops that update the screen before the events are handled: true when that is due.
    bool due() const { return m_clock.elapsed() >= m_intervalMs; }
    bool process();

private:
    const QuitRequest &m_quit;
    QElapsedTimer m_clock;
    int m_intervalMs;
};

} // namespace platform
