// Compact storage of song rows: the cell texts in UTF-16 blocks, nine end offsets per row.
#pragma once

#include "songs/SongColumns.h"

#include <QList>
#include <QStringView>
#include <span>
#include <vector>

namespace songs {

// The rows live in blocks, each one buffer of text and one of cell ends. An import's pieces become
// blocks as they are, so a large file's rows are stored once and never copied into one buffer.
class SongStore {
public:
    using Cells = std::array<QStringView, kColumnCount>;

    qsizetype rowCount() const { return m_rowCount; }
    bool isEmpty() const { return m_rowCount == 0; }

    void appendRow(const Cells &cells);
    // Valid until the store next changes.
    QStringView cell(qsizetype row, int column) const;
    // Makes room for the rows of the other store; throws std::bad_alloc, changing nothing, when they
    // do not fit. append() then cannot fail.
    void reserveFor(const SongStore &other);
    // Appends every row of the other store, in order, and empties it. Large blocks move over as
    // they are; a few rows are copied onto the last block instead, so rows appended one store at a
    // time do not end up one block each.
    void append(SongStore &&other);
    // The same for each of these stores in turn, every block moving over as it is. Throws
    // std::bad_alloc, changing nothing, when the list of blocks cannot grow.
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
    // Where rows put back at these indices (as insertRows() takes them) land among keptCount rows:
    // each keeps its index, except that one past the rows there lands right after them.
    static QList<int> restoredRows(const QList<int> &rows, qsizetype keptCount);

private:
    struct Block {
        std::vector<char16_t> text;
        std::vector<qsizetype> cellEnds;

        qsizetype rowCount() const { return qsizetype(cellEnds.size()) / kColumnCount; }
        qsizetype cellStart(qsizetype row, int column) const;
        QStringView cell(qsizetype row, int column) const;
        void appendRow(const Cells &cells);
        // Copies rows [first, end) of the other block onto this one at once.
        void appendRange(const Block &from, qsizetype first, qsizetype end);
        // Removes the rows at these ascending indices of the block.
        void removeRows(std::span<const int> rows, int firstRow);
    };

    // The block holding the row, and the row's index within it.
    std::pair<const Block *, qsizetype> locate(qsizetype row) const;
    // Copies rows [first, end) of the other store onto the block, a block's share at a time.
    static void appendRangeTo(Block &to, const SongStore &from, qsizetype first, qsizetype end);
    void takeBlock(Block &&block);
    void dropEmptyBlocks();

    std::vector<Block> m_blocks;
    std::vector<qsizetype> m_firstRows;  // each block's first row in the store
    qsizetype m_rowCount = 0;
};

} // namespace songs
