// Fetching an address over HTTP into memory, synchronously, bounded in time and size.
#pragma once

#include <QByteArray>
#include <QtGlobal>

class QUrl;

namespace platform {

struct FetchLimits {
    int timeoutMs = 5000;                // the whole transfer, from request to last byte
    qint64 maxBytes = 8 * 1024 * 1024;   // a larger body is dropped, not kept half
};

// The body of a successful (2xx) HTTP response. Empty on every failure: no answer within the
// time-out, an error status, a body beyond the limit, a network error, or an address that is not
// http or https. The caller's thread waits in a local event loop, so its events are handled meanwhile.
QByteArray fetchBytes(const QUrl &address, const FetchLimits &limits = {});

} // namespace platform
