// Handing memory the program has freed back to the system.
#pragma once

namespace platform {

// Gives the system back the pages of freed memory that the allocator would otherwise keep for later,
// so that a large buffer filled while many small ones are freed does not add up to both. A no-op
// where the allocator returns such memory by itself.
void giveBackFreedMemory();

} // namespace platform
