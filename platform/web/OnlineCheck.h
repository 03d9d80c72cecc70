// The online check: whether the maker's site can be reached at all, decided quickly.
#pragma once

class QUrl;

namespace platform {

// True only when the host of the address resolves and accepts a TCP connection on the address's
// port (80 for http, 443 for https, unless the address names one) within boundMs. The connection
// is closed again at once; nothing is sent. The caller's thread waits in a local event loop.
bool canReachSite(const QUrl &site, int boundMs = 1000);

} // namespace platform
