// An Access file as a series of fixed-size pages, read from the device one page at a time.
#pragma once

#include <QByteArray>

#include <array>

class QIODevice;

namespace keywords::access {

class PageFile {
public:
    PageFile(QIODevice &device, int pageSize);

    int pageSize() const { return m_pageSize; }
    // Whole pages in the file; a part page at the end counts as none.
    quint32 pageCount() const { return m_pageCount; }
    // The page's bytes (pageSize of them), or an empty array when the page does not lie wholly
    // inside the file or cannot be read.
    QByteArray page(quint32 number);

private:
    QIODevice &m_device;
    int m_pageSize;
    quint32 m_pageCount;
    // The few pages read last: a row's long value and its moved rows lie on pages visited again.
    struct Cached {
        quint32 number = 0;
        QByteArray bytes;
    };
    std::array<Cached, 8> m_cache;
    size_t m_nextSlot = 0;
};

} // namespace keywords::access
