// Handing freed memory back to the system.
#include "platform/FreedMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace platform {

void giveBackFreedMemory()
{
#if defined(__GLIBC__)
    // glibc keeps freed blocks below its mapping threshold in its arenas, resident, until trimmed.
    malloc_trim(0);
#endif
}

} // namespace platform
