// One worksheet's cell writes, stored 8 bytes each and folded into ascending unique cells on output.
#pragma once

#include <QtGlobal>

#include <span>
#include <vector>

namespace xls {

// Value of a cell that has a format but no text: written as a BLANK record.
inline constexpr quint32 kBlankValue = 0xFFFFFFFF;

struct CellEntry {
    static constexpr quint32 kPositionMask = 0x00FFFFFF;  // row << 8 | column
    static constexpr quint32 kSetsFormat = 1u << 24;
    static constexpr quint32 kSetsValue = 1u << 25;
    static constexpr quint32 kTextFormat = 1u << 26;

    quint32 bits;
    quint32 value;  // shared string index or kBlankValue

    quint32 position() const { return bits & kPositionMask; }
    int row() const { return int(bits >> 8 & 0xFFFF); }
    int column() const { return int(bits & 0xFF); }
    bool textFormat() const { return bits & kTextFormat; }
    bool isBlank() const { return value == kBlankValue; }

    static quint32 positionOf(int row, int column) { return quint32(row) << 8 | quint32(column); }
};

// What the worksheet writer needs to know before it starts.
struct CellSummary {
    qsizetype rows = 0;    // distinct rows holding cells
    qsizetype labels = 0;  // cells with text
    qsizetype blanks = 0;
    int firstRow = 0, lastRow = -1, firstColumn = 0, lastColumn = -1;
};

CellSummary summarize(std::span<const CellEntry> cells);

class CellStore {
public:
    void setCell(int row, int column, quint32 value, bool text) { add(CellEntry::positionOf(row, column) | CellEntry::kSetsFormat | CellEntry::kSetsValue | (text ? CellEntry::kTextFormat : 0), value); }

    void reserve(qsizetype cells) { m_entries.reserve(size_t(cells)); }

    // True once a text may have been replaced, so the shared string table can hold unused strings.
    bool mayDropValues() const { return m_droppedValue || !m_ascending; }

    // One cell per position, ascending. Refers to the store itself when the writes came in order,
    // otherwise to `scratch`, which holds the sorted and folded cells.
    std::span<const CellEntry> cells(std::vector<CellEntry> &scratch) const;

private:
    void add(quint32 bits, quint32 value);

    std::vector<CellEntry> m_entries;
    bool m_ascending = true;
    bool m_droppedValue = false;
};

} // namespace xls
