// Marks the time a long operation runs, so that commands which must not start in its middle wait.
#pragma once

#include <QObject>

namespace platform {

class BusyGate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isBusy() const { return m_depth > 0; }

    // Holds the gate closed for its lifetime.
    class Hold {
    public:
        explicit Hold(BusyGate &gate) : m_gate(gate) { m_gate.enter(); }
        ~Hold() { m_gate.leave(); }
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        BusyGate &m_gate;
    };

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    void enter();
    void leave();
    int m_depth = 0;
};

} // namespace platform
