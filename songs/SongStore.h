// Compact storage of song rows: all cell texts in one UTF-16 buffer, nine end offsets per row.
#pragma once

#include "songs/SongColumns.h"

#include <QList>
#include <QStringView>
#include <span>
#include <vector>

namespace songs {

class SongStore {
public:
    using Cells = std::array<QStringView, kColumnCount>;

    qsizetype rowCount() const { return qsizetype(m_cellEnds.size()) / kColumnCount; }
    bool isEmpty() const { return m_cellEnds.empty(); }

    void appendRow(const Cells &cells);
    // Valid until the store next changes.
    QStringView cell(qsizetype row, int column) const;
    // Makes room for the rows of the other store; throws std::bad_alloc, changing nothing, when they
    // do not fit. append() then cannot fail.
    void reserveFor(const SongStore &other);
    // Appends every row of the other store, in order.
    void append(SongStore &&other);
    // Makes room for the rows of all these stores at once; throws std::bad_alloc, changing nothing,
    // when they do not fit.
    void reserveForAll(std::span<const SongStore> parts);
    // Appends every row of these stores, in order, into room sized once for all of them (none is
    // taken again after reserveForAll). Each store is emptied as soon as its rows are in, so the
    // memory moves over rather than doubles. Throws std::bad_alloc, changing nothing, when they do
    // not fit.
    void appendAll(std::span<SongStore> parts);
    // Gives back the room the rows do not use.
    void shrinkToFit();
    // Removes the rows at these indices, which are ascending and each given once; the rows after
    // them move up. One pass over the storage, whatever the number of rows removed.
    void removeRows(const QList<int> &rows);
    // A copy of the rows at these indices, in the order given.
    SongStore copyRows(const QList<int> &rows) const;
    // Puts the other store's rows back at these indices of the result (ascending, each once, one per
    // row of the other store), the rows here filling the places between them in order. An index past
    // the rows there are puts its row at the end. One pass, as removeRows() is.
    void insertRows(const QList<int> &rows, const SongStore &other);

private:
    qsizetype cellStart(qsizetype row, int column) const;

    std::vector<char16_t> m_text;
    std::vector<qsizetype> m_cellEnds;
};

} // namespace songs
