// The song store over many blocks, as an import leaves it, against the same rows in one block.
#include "songs/SongStore.h"

#include <gtest/gtest.h>

#include <QStringList>

using songs::SongStore;

namespace {
SongStore rowsFrom(int first, int count)
{
    SongStore store;
    for (int row = first; row < first + count; ++row) {
        const QString name = QString::number(row);
        const QString code = QStringLiteral("%1").arg(row, 8, 10, QLatin1Char('0'));
        SongStore::Cells cells;
        cells.fill(QStringView());
        cells[0] = name;
        cells[8] = code;
        store.appendRow(cells);
    }
    return store;
}

// Rows 0 to 99 in blocks of these sizes, moved in whole as the import's pieces are.
SongStore inBlocks(std::initializer_list<int> sizes)
{
    std::vector<SongStore> parts;
    int first = 0;
    for (const int size : sizes) {
        parts.push_back(rowsFrom(first, size));
        first += size;
    }
    SongStore store;
    store.appendAll(parts);
    return store;
}

QStringList allCells(const SongStore &store)
{
    QStringList cells;
    for (qsizetype row = 0; row < store.rowCount(); ++row)
        for (int column = 0; column < songs::kColumnCount; ++column)
            cells << store.cell(row, column).toString();
    return cells;
}
} // namespace

TEST(SongStoreBlocks, EveryChangeGivesWhatOneBlockGives)
{
    const QList<QList<int>> removals = {
        {0}, {99}, {0, 1, 2}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, {5, 37, 38, 63, 64, 98, 99},
    };
    for (const auto &sizes : {std::initializer_list<int>{100}, {1, 99}, {10, 10, 10, 70}, {37, 1, 26, 36}}) {
        for (const QList<int> &removed : removals) {
            SongStore one = rowsFrom(0, 100);
            SongStore blocks = inBlocks(sizes);
            ASSERT_EQ(allCells(blocks), allCells(one));
            SCOPED_TRACE(testing::Message() << "blocks of " << sizes.size() << ", removing " << removed.size() << " from row " << removed.first());

            const SongStore taken = blocks.copyRows(removed);
            EXPECT_EQ(allCells(taken), allCells(one.copyRows(removed)));
            one.removeRows(removed);
            blocks.removeRows(removed);
            ASSERT_EQ(blocks.rowCount(), 100 - removed.size());
            EXPECT_EQ(allCells(blocks), allCells(one));

            blocks.insertRows(removed, taken);
            EXPECT_EQ(allCells(blocks), allCells(rowsFrom(0, 100))) << "undoing the removal restores every row in place";
        }
    }
}

TEST(SongStoreBlocks, AppendingKeepsTheOrderWhetherBlocksMoveOrRowsAreCopied)
{
    SongStore store = inBlocks({40, 60});
    store.append(rowsFrom(100, 3));     // a few rows: copied onto the last block
    store.append(rowsFrom(103, 2000));  // many: moved in as a block
    SongStore::Cells empty;
    empty.fill(QStringView());
    store.appendRow(empty);             // onto the block moved in last
    ASSERT_EQ(store.rowCount(), 2104);
    for (const int row : {0, 39, 40, 99, 100, 102, 103, 2102})
        EXPECT_EQ(store.cell(row, 0), QString::number(row));
    EXPECT_EQ(store.cell(2103, 0), QString());
}

// A restored row keeps its index; one past the rows there lands right after them, in order.
TEST(SongStoreBlocks, RestoredRowsLandAtTheirIndexOrAfterTheRowsThere)
{
    const struct {
        QList<int> rows;
        qsizetype kept;
        QList<int> landed;
    } cases[] = {
        {{0, 2, 5}, 7, {0, 2, 5}},
        {{1, 8, 9}, 5, {1, 6, 7}},
        {{4, 5}, 0, {0, 1}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SongStore::restoredRows(c.rows, c.kept), c.landed) << c.rows.first();
}
