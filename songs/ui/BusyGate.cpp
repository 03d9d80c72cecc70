// The gate into the song table's commands.
#include "songs/ui/BusyGate.h"

#include <QAction>

namespace songs {

void BusyGate::addCommand(QAction *command)
{
    command->setEnabled(!isBusy());
    connect(this, &BusyGate::busyChanged, command, [command](bool busy) { command->setEnabled(!busy); });
}

bool BusyGate::runIfOpen(const std::function<void()> &command)
{
    if (isBusy())
        return false;
    command();
    return true;
}

void BusyGate::enter()
{
    if (m_depth++ == 0)
        Q_EMIT busyChanged(true);
}

void BusyGate::leave()
{
    if (--m_depth == 0)
        Q_EMIT busyChanged(false);
}

} // namespace songs
