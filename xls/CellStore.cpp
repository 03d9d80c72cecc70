// One worksheet's cell writes, stored 8 bytes each and folded into ascending unique cells on output.
#include "CellStore.h"

#include <algorithm>

namespace xls {

namespace {

// Applies a later write to an earlier one at the same position: each part a write sets replaces
// that part only, so "format, then value" keeps the format.
void fold(CellEntry &into, const CellEntry &later, bool *droppedValue)
{
    if (later.bits & CellEntry::kSetsFormat)
        into.bits = (into.bits & ~CellEntry::kTextFormat) | (later.bits & CellEntry::kTextFormat) | CellEntry::kSetsFormat;
    if (later.bits & CellEntry::kSetsValue) {
        if (droppedValue && !into.isBlank() && into.value != later.value)
            *droppedValue = true;
        into.value = later.value;
        into.bits |= CellEntry::kSetsValue;
    }
}

} // namespace

void CellStore::add(quint32 bits, quint32 value)
{
    const CellEntry entry{bits, value};
    if (!m_entries.empty()) {
        CellEntry &last = m_entries.back();
        // The usual repeat, a format and then a value for the same cell, is folded right away.
        if (last.position() == entry.position()) {
            fold(last, entry, &m_droppedValue);
            return;
        }
        if (last.position() > entry.position())
            m_ascending = false;
    }
    m_entries.push_back(entry);
}

std::span<const CellEntry> CellStore::cells(std::vector<CellEntry> &scratch) const
{
    if (m_ascending)
        return m_entries;
    scratch = m_entries;
    std::stable_sort(scratch.begin(), scratch.end(), [](const CellEntry &a, const CellEntry &b) { return a.position() < b.position(); });
    auto out = scratch.begin();
    for (auto it = scratch.begin(); it != scratch.end(); ++it) {
        if (out != scratch.begin() && (out - 1)->position() == it->position())
            fold(*(out - 1), *it, nullptr);
        else
            *out++ = *it;
    }
    scratch.erase(out, scratch.end());
    return scratch;
}

CellSummary summarize(std::span<const CellEntry> cells)
{
    CellSummary s;
    int previousRow = -1;
    for (const CellEntry &cell : cells) {
        const int row = cell.row();
        if (row != previousRow) {
            ++s.rows;
            previousRow = row;
        }
        if (cell.isBlank())
            ++s.blanks;
        else
            ++s.labels;
        s.firstColumn = s.lastColumn < 0 ? cell.column() : std::min(s.firstColumn, cell.column());
        s.lastColumn = std::max(s.lastColumn, cell.column());
    }
    if (!cells.empty()) {
        s.firstRow = cells.front().row();
        s.lastRow = cells.back().row();
    }
    return s;
}

} // namespace xls
