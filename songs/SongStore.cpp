// Compact storage of song rows.
#include "songs/SongStore.h"

#include <algorithm>

namespace songs {

namespace {
// Below this many rows an appended store is copied onto the last block rather than moved in whole.
constexpr qsizetype kRowsMovedAsABlock = 1024;
} // namespace

qsizetype SongStore::Block::cellStart(qsizetype row, int column) const
{
    const qsizetype index = row * kColumnCount + column;
    return index == 0 ? 0 : cellEnds[size_t(index - 1)];
}

QStringView SongStore::Block::cell(qsizetype row, int column) const
{
    const qsizetype start = cellStart(row, column);
    const qsizetype end = cellEnds[size_t(row * kColumnCount + column)];
    return QStringView(text.data() + start, end - start);
}

void SongStore::Block::appendRow(const Cells &cells)
{
    for (const QStringView cellText : cells) {
        text.insert(text.end(), cellText.utf16(), cellText.utf16() + cellText.size());
        cellEnds.push_back(qsizetype(text.size()));
    }
}

void SongStore::Block::appendRange(const Block &from, qsizetype first, qsizetype end)
{
    if (first >= end)
        return;
    const qsizetype textFrom = from.cellStart(first, 0);
    const qsizetype textEnd = from.cellEnds[size_t(end * kColumnCount - 1)];
    const qsizetype shift = qsizetype(text.size()) - textFrom;
    text.insert(text.end(), from.text.begin() + textFrom, from.text.begin() + textEnd);
    for (size_t at = size_t(first) * kColumnCount; at < size_t(end) * kColumnCount; ++at)
        cellEnds.push_back(from.cellEnds[at] + shift);
}

void SongStore::Block::removeRows(std::span<const int> rows, int firstRow)
{
    // The kept rows between two removed ones move down to the write position as one block of text,
    // and their cell ends by the distance the text moved.
    size_t textTo = size_t(cellStart(rows.front() - firstRow, 0));
    size_t endsTo = size_t(rows.front() - firstRow) * kColumnCount;
    const qsizetype total = rowCount();
    for (size_t i = 0; i < rows.size(); ++i) {
        const qsizetype keptFirst = rows[i] - firstRow + 1;
        const qsizetype keptEnd = i + 1 < rows.size() ? rows[i + 1] - firstRow : total;
        if (keptFirst >= keptEnd)
            continue;
        const size_t textFrom = size_t(cellStart(keptFirst, 0));
        const size_t textEnd = size_t(cellEnds[size_t(keptEnd * kColumnCount - 1)]);
        const qsizetype shift = qsizetype(textFrom - textTo);
        std::copy(text.begin() + qsizetype(textFrom), text.begin() + qsizetype(textEnd), text.begin() + qsizetype(textTo));
        for (size_t from = size_t(keptFirst) * kColumnCount; from < size_t(keptEnd) * kColumnCount; ++from)
            cellEnds[endsTo++] = cellEnds[from] - shift;
        textTo += textEnd - textFrom;
    }
    text.resize(textTo);
    cellEnds.resize(endsTo);
}

std::pair<const SongStore::Block *, qsizetype> SongStore::locate(qsizetype row) const
{
    const auto after = std::upper_bound(m_firstRows.begin(), m_firstRows.end(), row);
    const size_t block = size_t(after - m_firstRows.begin()) - 1;
    return {&m_blocks[block], row - m_firstRows[block]};
}

void SongStore::appendRow(const Cells &cells)
{
    if (m_blocks.empty())
        takeBlock(Block());
    m_blocks.back().appendRow(cells);
    ++m_rowCount;
}

QStringView SongStore::cell(qsizetype row, int column) const
{
    const auto [block, rowInBlock] = locate(row);
    return block->cell(rowInBlock, column);
}

void SongStore::takeBlock(Block &&block)
{
    m_firstRows.push_back(m_rowCount);
    m_rowCount += block.rowCount();
    m_blocks.push_back(std::move(block));
}

void SongStore::reserveFor(const SongStore &other)
{
    if (isEmpty())
        return; // append() takes the other store over
    if (other.rowCount() >= kRowsMovedAsABlock) {
        m_blocks.reserve(m_blocks.size() + other.m_blocks.size());
        m_firstRows.reserve(m_firstRows.size() + other.m_blocks.size());
        return;
    }
    Block &last = m_blocks.back();
    size_t text = 0;
    for (const Block &block : other.m_blocks)
        text += block.text.size();
    last.text.reserve(last.text.size() + text);
    last.cellEnds.reserve(last.cellEnds.size() + size_t(other.rowCount()) * kColumnCount);
}

void SongStore::append(SongStore &&other)
{
    if (isEmpty()) {
        *this = std::move(other);
        other = SongStore();
        return;
    }
    reserveFor(other);
    if (other.rowCount() >= kRowsMovedAsABlock) {
        appendAll(std::span(&other, 1));
        return;
    }
    Block &last = m_blocks.back();
    for (const Block &block : other.m_blocks)
        last.appendRange(block, 0, block.rowCount());
    m_rowCount += other.rowCount();
    other = SongStore();
}

void SongStore::appendAll(std::span<SongStore> parts)
{
    size_t blocks = m_blocks.size();
    for (const SongStore &part : parts)
        blocks += part.m_blocks.size();
    m_blocks.reserve(blocks);
    m_firstRows.reserve(blocks);
    for (SongStore &part : parts) {
        for (Block &block : part.m_blocks) {
            if (block.rowCount() > 0)
                takeBlock(std::move(block));
        }
        part = SongStore();
    }
}

void SongStore::shrinkToFit()
{
    // Copying costs about as much as the parse itself; a little slack is cheaper than that.
    for (Block &block : m_blocks) {
        if (block.text.capacity() > block.text.size() + block.text.size() / 8)
            block.text.shrink_to_fit();
        if (block.cellEnds.capacity() > block.cellEnds.size() + block.cellEnds.size() / 8)
            block.cellEnds.shrink_to_fit();
    }
}

void SongStore::dropEmptyBlocks()
{
    std::erase_if(m_blocks, [](const Block &block) { return block.rowCount() == 0; });
    m_firstRows.clear();
    m_rowCount = 0;
    for (const Block &block : m_blocks) {
        m_firstRows.push_back(m_rowCount);
        m_rowCount += block.rowCount();
    }
}

void SongStore::removeRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    // Each block takes out the rows it holds, in one pass of its own.
    auto next = rows.cbegin();
    for (size_t block = 0; block < m_blocks.size() && next != rows.cend(); ++block) {
        const qsizetype blockEnd = m_firstRows[block] + m_blocks[block].rowCount();
        const auto end = std::lower_bound(next, rows.cend(), blockEnd);
        if (end != next)
            m_blocks[block].removeRows(std::span(next, end), int(m_firstRows[block]));
        next = end;
    }
    dropEmptyBlocks();
}

void SongStore::appendRangeTo(Block &to, const SongStore &from, qsizetype first, qsizetype end)
{
    while (first < end) {
        const auto [block, rowInBlock] = from.locate(first);
        const qsizetype count = std::min(end - first, block->rowCount() - rowInBlock);
        to.appendRange(*block, rowInBlock, rowInBlock + count);
        first += count;
    }
}

SongStore SongStore::copyRows(const QList<int> &rows) const
{
    SongStore copy;
    Block block;
    qsizetype length = 0;
    for (const int row : rows) {
        const auto [from, rowInBlock] = locate(row);
        length += from->cellEnds[size_t(rowInBlock + 1) * kColumnCount - 1] - from->cellStart(rowInBlock, 0);
    }
    block.text.reserve(size_t(length));
    block.cellEnds.reserve(size_t(rows.size()) * kColumnCount);
    for (const int row : rows)
        appendRangeTo(block, *this, row, row + 1);
    copy.takeBlock(std::move(block));
    copy.dropEmptyBlocks();
    return copy;
}

void SongStore::insertRows(const QList<int> &rows, const SongStore &other)
{
    Q_ASSERT(rows.size() == other.rowCount());
    if (rows.isEmpty())
        return;
    // The result is one block: whole runs of kept rows move at once, as in removeRows().
    Block merged;
    size_t text = 0;
    for (const SongStore *store : std::initializer_list<const SongStore *>{this, &other})
        for (const Block &block : store->m_blocks)
            text += block.text.size();
    merged.text.reserve(text);
    merged.cellEnds.reserve(size_t(m_rowCount + other.m_rowCount) * kColumnCount);
    const QList<int> landed = restoredRows(rows, rowCount());
    qsizetype kept = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qsizetype before = landed[i] - i; // the kept rows ahead of this one
        appendRangeTo(merged, *this, kept, before);
        kept = before;
        appendRangeTo(merged, other, i, i + 1);
    }
    appendRangeTo(merged, *this, kept, rowCount());
    SongStore result;
    result.takeBlock(std::move(merged));
    *this = std::move(result);
}

QList<int> SongStore::restoredRows(const QList<int> &rows, qsizetype keptCount)
{
    // The kept rows ahead of each restored one never fall below those ahead of the one before it,
    // nor exceed the kept rows there are.
    QList<int> landed;
    landed.reserve(rows.size());
    qsizetype keptBefore = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        keptBefore = std::clamp<qsizetype>(rows[i] - i, keptBefore, keptCount);
        landed.append(int(keptBefore + i));
    }
    return landed;
}

} // namespace songs
