// The one gate into the commands that change or read the whole song table. A long operation holds
// it closed while it runs; every command joined to it is closed meanwhile, without a check of its own.
#pragma once

#include <QObject>

#include <functional>

class QAction;

namespace songs {

class BusyGate : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isBusy() const { return m_depth > 0; }

    // Joins a command: while the gate is held it is greyed out, and a disabled action ignores every
    // trigger (menu, shortcut, button, code).
    void addCommand(QAction *command);
    // Runs a command that has no action of its own (a dropped file, rows another window hands
    // over), unless the gate is held. Returns whether it ran.
    bool runIfOpen(const std::function<void()> &command);

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

} // namespace songs
