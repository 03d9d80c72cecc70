// The gate that long operations hold while they run.
#include "platform/BusyGate.h"

namespace platform {

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

} // namespace platform
