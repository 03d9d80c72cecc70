// Compact storage of song rows.
#include "songs/SongStore.h"

namespace songs {

qsizetype SongStore::cellStart(qsizetype row, int column) const
{
    const qsizetype index = row * kColumnCount + column;
    return index == 0 ? 0 : m_cellEnds[size_t(index - 1)];
}

void SongStore::appendRow(const Cells &cells)
{
    for (const QStringView text : cells) {
        m_text.insert(m_text.end(), text.utf16(), text.utf16() + text.size());
        m_cellEnds.push_back(qsizetype(m_text.size()));
    }
}

QStringView SongStore::cell(qsizetype row, int column) const
{
    const qsizetype start = cellStart(row, column);
    const qsizetype end = m_cellEnds[size_t(row * kColumnCount + column)];
    return QStringView(m_text.data() + start, end - start);
}

void SongStore::reserveFor(const SongStore &other)
{
    if (isEmpty())
        return; // append() takes the other store's buffers over
    m_text.reserve(m_text.size() + other.m_text.size());
    m_cellEnds.reserve(m_cellEnds.size() + other.m_cellEnds.size());
}

void SongStore::append(SongStore &&other)
{
    if (isEmpty()) {
        *this = std::move(other);
        return;
    }
    reserveFor(other);
    const qsizetype base = qsizetype(m_text.size());
    m_text.insert(m_text.end(), other.m_text.begin(), other.m_text.end());
    for (const qsizetype end : other.m_cellEnds)
        m_cellEnds.push_back(base + end);
    other = SongStore();
}

void SongStore::shrinkToFit()
{
    // Copying costs about as much as the parse itself; a little slack is cheaper than that.
    if (m_text.capacity() > m_text.size() + m_text.size() / 8)
        m_text.shrink_to_fit();
    if (m_cellEnds.capacity() > m_cellEnds.size() + m_cellEnds.size() / 8)
        m_cellEnds.shrink_to_fit();
}

} // namespace songs
