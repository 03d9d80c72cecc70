// Compact storage of song rows.
#include "songs/SongStore.h"

#include <algorithm>

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

void SongStore::reserveForAll(std::span<const SongStore> parts)
{
    size_t text = m_text.size();
    size_t ends = m_cellEnds.size();
    for (const SongStore &part : parts) {
        text += part.m_text.size();
        ends += part.m_cellEnds.size();
    }
    m_text.reserve(text);
    m_cellEnds.reserve(ends);
}

void SongStore::appendAll(std::span<SongStore> parts)
{
    reserveForAll(parts);
    for (SongStore &part : parts) {
        const qsizetype base = qsizetype(m_text.size());
        m_text.insert(m_text.end(), part.m_text.begin(), part.m_text.end());
        for (const qsizetype end : part.m_cellEnds)
            m_cellEnds.push_back(base + end);
        part = SongStore();
    }
}

void SongStore::shrinkToFit()
{
    // Copying costs about as much as the parse itself; a little slack is cheaper than that.
    if (m_text.capacity() > m_text.size() + m_text.size() / 8)
        m_text.shrink_to_fit();
    if (m_cellEnds.capacity() > m_cellEnds.size() + m_cellEnds.size() / 8)
        m_cellEnds.shrink_to_fit();
}

void SongStore::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    // The kept rows between two removed ones move down to the write position as one block of text,
    // and their cell ends by the distance the text moved.
    size_t textTo = size_t(cellStart(rows.first(), 0));
    size_t endsTo = size_t(rows.first()) * kColumnCount;
    const qsizetype total = rowCount();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qsizetype keptFirst = rows[i] + 1;
        const qsizetype keptEnd = i + 1 < rows.size() ? rows[i + 1] : total;
        if (keptFirst >= keptEnd)
            continue;
        const size_t textFrom = size_t(cellStart(keptFirst, 0));
        const size_t textEnd = size_t(m_cellEnds[size_t(keptEnd * kColumnCount - 1)]);
        const qsizetype shift = qsizetype(textFrom - textTo);
        std::copy(m_text.begin() + qsizetype(textFrom), m_text.begin() + qsizetype(textEnd),
                  m_text.begin() + qsizetype(textTo));
        for (size_t from = size_t(keptFirst) * kColumnCount; from < size_t(keptEnd) * kColumnCount; ++from)
            m_cellEnds[endsTo++] = m_cellEnds[from] - shift;
        textTo += textEnd - textFrom;
    }
    m_text.resize(textTo);
    m_cellEnds.resize(endsTo);
}

SongStore SongStore::copyRows(const QList<int> &rows) const
{
    SongStore copy;
    qsizetype length = 0;
    for (const int row : rows)
        length += m_cellEnds[size_t(row + 1) * kColumnCount - 1] - cellStart(row, 0);
    copy.m_text.reserve(size_t(length));
    copy.m_cellEnds.reserve(size_t(rows.size()) * kColumnCount);
    for (const int row : rows) {
        Cells cells;
        for (int column = 0; column < kColumnCount; ++column)
            cells[size_t(column)] = cell(row, column);
        copy.appendRow(cells);
    }
    return copy;
}

void SongStore::insertRows(const QList<int> &rows, const SongStore &other)
{
    Q_ASSERT(rows.size() == other.rowCount());
    if (rows.isEmpty())
        return;
    SongStore merged;
    merged.m_text.reserve(m_text.size() + other.m_text.size());
    merged.m_cellEnds.reserve(m_cellEnds.size() + other.m_cellEnds.size());
    // Whole blocks of kept rows move at once, as in removeRows().
    const auto copyBlock = [&merged](const SongStore &from, qsizetype first, qsizetype end) {
        if (first >= end)
            return;
        const qsizetype textFrom = from.cellStart(first, 0);
        const qsizetype textEnd = from.m_cellEnds[size_t(end * kColumnCount - 1)];
        const qsizetype shift = qsizetype(merged.m_text.size()) - textFrom;
        merged.m_text.insert(merged.m_text.end(), from.m_text.begin() + textFrom, from.m_text.begin() + textEnd);
        for (size_t at = size_t(first) * kColumnCount; at < size_t(end) * kColumnCount; ++at)
            merged.m_cellEnds.push_back(from.m_cellEnds[at] + shift);
    };
    qsizetype kept = 0;
    const qsizetype keptCount = rowCount();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qsizetype before = std::min<qsizetype>(keptCount, kept + (rows[i] - merged.rowCount()));
        copyBlock(*this, kept, std::max(kept, before));
        kept = std::max(kept, before);
        copyBlock(other, i, i + 1);
    }
    copyBlock(*this, kept, keptCount);
    *this = std::move(merged);
}

} // namespace songs
