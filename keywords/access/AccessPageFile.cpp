#include "keywords/access/AccessPageFile.h"

#include <QIODevice>

#include <algorithm>
#include <limits>

namespace keywords::access {

PageFile::PageFile(QIODevice &device, int pageSize)
    : m_device(device), m_pageSize(pageSize),
      m_pageCount(quint32(std::clamp<qint64>(device.size() / pageSize, 0, std::numeric_limits<quint32>::max())))
{
}

QByteArray PageFile::page(quint32 number)
{
    if (number >= m_pageCount)
        return {};
    for (const Cached &cached : m_cache) {
        if (!cached.bytes.isEmpty() && cached.number == number)
            return cached.bytes;
    }
    if (!m_device.seek(qint64(number) * m_pageSize))
        return {};
    QByteArray bytes = m_device.read(m_pageSize);
    if (bytes.size() != m_pageSize)
        return {};
    m_cache[m_nextSlot] = {number, bytes};
    m_nextSlot = (m_nextSlot + 1) % m_cache.size();
    return bytes;
}

} // namespace keywords::access
