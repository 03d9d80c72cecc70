// Handling the window events that are waiting, from inside a long operation.
#pragma once

#include <QElapsedTimer>

namespace platform {

void processWaitingEvents();

// Lets a long loop keep the window painted without paying for an event round on every step:
// tick() handles waiting events once a few milliseconds of work have passed.
class EventPump {
public:
    explicit EventPump(int intervalMs = 16);
    void tick();
    // For loops that update the screen before the events are handled: true when that is due.
    bool due() const { return m_clock.elapsed() >= m_intervalMs; }
    void process();

private:
    QElapsedTimer m_clock;
    int m_intervalMs;
};

} // namespace platform
