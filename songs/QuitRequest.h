// The user's request to end the program, made while a long operation handles window events.
#pragma once

namespace songs {

// The event loop ends as soon as it gets control back; a long operation that handles window events
// meanwhile (the keyword load, the exports) sees the request at its next event round and stops
// there, saving nothing and saying nothing.
class QuitRequest {
public:
    void request() { m_requested = true; }
    bool isRequested() const { return m_requested; }

private:
    bool m_requested = false;
};

} // namespace songs
