// Compact storage of song rows: all cell texts in one UTF-16 buffer, nine end offsets per row.
#pragma once

#include "songs/SongColumns.h"

#include <QStringView>
#include <vector>

namespace songs {

class SongStore {
public:
    using Cells = std::array<QStringView, kColumnCount>;

    qsizetype rowCount() const { return qsizetype(m_cellEnds.size()) / kColumnCount; }
    bool isEmpty() const { return m_cellEnds.empty(); }

    void appendRow(const Cells &cells);
    void appendEmptyRow();
    // Valid until the store next changes.
    QStringView cell(qsizetype row, int column) const;
    void setCell(qsizetype row, int column, QStringView text);
    // Appends every row of the other store, in order.
    void append(SongStore &&other);
    void reserve(qsizetype rows, qsizetype characters);

private:
    qsizetype cellStart(qsizetype row, int column) const;
    qsizetype &cellEnd(qsizetype row, int column) { return m_cellEnds[size_t(row * kColumnCount + column)]; }

    std::vector<char16_t> m_text;
    std::vector<qsizetype> m_cellEnds;
};

} // namespace songs
