// The song table model: the table operations, removal and the model contract.
#include "songs/DuplicateCodes.h"
#include "songs/SongTableModel.h"
#include "tests/songs/NumberedSongs.h"
#include "tests/support/MemoryLimit.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

using songs::SongStore;
using songs::SongTableModel;

namespace {
SongStore rows(std::initializer_list<QString> names)
{
    SongStore store;
    for (const QString &name : names) {
        SongStore::Cells cells;
        cells.fill(QStringView());
        cells[0] = name;
        cells[8] = QStringLiteral("0000");
        store.appendRow(cells);
    }
    return store;
}
} // namespace

TEST(SongTable, AppendedRowsFollowTheExistingOnesInOrder)
{
    SongTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(model.songCount(), 0);
    model.appendRows(rows({QStringLiteral("a"), QStringLiteral("b")}));
    model.appendRows(rows({QStringLiteral("c")}));
    model.appendRows(SongStore());
    EXPECT_EQ(inserted.size(), 2) << "one notification per import, none for an empty one";
    ASSERT_EQ(model.songCount(), 3);
    EXPECT_EQ(model.cellText(2, 0), QStringLiteral("c"));
    EXPECT_EQ(model.cellText(1, 8), QStringLiteral("0000"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("a"));
}

// A view that runs out of memory while laying out new rows brings the program down, so rows the
// views have no room for are refused before they hear of them.
TEST(SongTable, RowsTheViewsHaveNoRoomForAreRefused)
{
    SongTableModel model;
    QSignalSpy inserting(&model, &QAbstractItemModel::rowsAboutToBeInserted);
    model.appendRows(rows({QStringLiteral("a")}));
    model.setViewBytesPerRow(std::numeric_limits<qsizetype>::max() / 4);
    EXPECT_THROW(model.appendRows(rows({QStringLiteral("b")})), std::bad_alloc) << "more than can be asked for";
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    model.setViewBytesPerRow(qsizetype(1) << 30);
    {
        const testing_support::MemoryLimit limit(512 << 20);
        EXPECT_THROW(model.appendRows(rows({QStringLiteral("b")})), std::bad_alloc);
    }
#endif
    EXPECT_EQ(model.songCount(), 1);
    EXPECT_EQ(inserting.size(), 1);
    model.setViewBytesPerRow(64);
    model.appendRows(rows({QStringLiteral("b")}));
    EXPECT_EQ(model.songCount(), 2);
}

// The list lays out what data() gives; a cell of hundreds of millions of characters would bring
// the text layout down, so it shows a few thousand. Exports and the search read the whole cell.
TEST(SongTable, TheListShowsHugeCellsShortened)
{
    SongTableModel model;
    const QString huge = QStringLiteral("a") + QStringLiteral("😀").repeated(500000);
    model.appendRows(rows({huge, QStringLiteral("short")}));
    for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)}) {
        const QString shown = model.data(model.index(0, 0), role).toString();
        EXPECT_LE(shown.size(), 10000) << role;
        EXPECT_TRUE(huge.startsWith(shown.chopped(1))) << role;
        EXPECT_TRUE(shown.endsWith(u'…')) << role;
        EXPECT_FALSE(shown.chopped(1).back().isHighSurrogate()) << "no character is split";
    }
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("short"));
    EXPECT_EQ(model.cellText(0, 0), huge);
    EXPECT_EQ(model.cellView(0, 0).size(), huge.size());
}

namespace {
QStringList namesOf(const SongTableModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names << model.data(model.index(row, 0)).toString();
    return names;
}

} // namespace

// Few runs are announced one by one, many scattered rows with one reset; either way the rows left
// keep their order and their cells, first and last rows included.
TEST(SongTable, RemovedRowsLeaveTheOthersInOrder)
{
    SongTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.appendRows(rows({u"a"_qs, u"b"_qs, u"c"_qs, u"d"_qs, u"e"_qs, u"f"_qs, u"g"_qs}));
    model.removeSongs({0, 2, 3, 6});
    EXPECT_EQ(removed.size(), 3) << "one notification per run of neighbouring rows";
    EXPECT_EQ(namesOf(model), (QStringList{u"b"_qs, u"e"_qs, u"f"_qs}));
    EXPECT_EQ(model.cellText(2, 8), u"0000"_qs);

    QStringList many;
    QList<int> everyOther;
    for (int i = 0; i < 200; ++i) {
        many << QString::number(i);
        if (i % 2 == 1)
            everyOther << 3 + i;
    }
    SongStore manyRows;
    for (const QString &name : many) {
        SongStore::Cells cells;
        cells[0] = name;
        cells[8] = name + name;
        manyRows.appendRow(cells);
    }
    model.appendRows(std::move(manyRows));
    removed.clear();
    model.removeSongs(everyOther);
    EXPECT_TRUE(removed.isEmpty());
    EXPECT_EQ(reset.size(), 1);
    ASSERT_EQ(model.songCount(), 103);
    EXPECT_EQ(model.cellText(3, 0), u"0"_qs);
    EXPECT_EQ(model.cellText(102, 8), u"198198"_qs);

    QList<int> all;
    for (int row = 0; row < model.songCount(); ++row)
        all << row;
    model.removeSongs(all);
    EXPECT_EQ(model.songCount(), 0);
    model.appendRows(rows({u"new"_qs}));
    EXPECT_EQ(namesOf(model), QStringList{u"new"_qs});
}

// Removed rows come back at their places, scattered or in a few runs, with rows appended since
// after them; the views hear of it in a way the model tester accepts.
TEST(SongTable, RemovedSongsGoBackWhereTheyWere)
{
    const QList<QList<int>> removals = {{0}, {1, 2, 5}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    for (const QList<int> &rows : removals) {
        SongTableModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        model.appendRows(testing_support::numberedSongs(0, 10));
        const QStringList before = namesOf(model);
        const SongStore removed = model.songsAt(rows);
        model.removeSongs(rows);
        model.appendRows(testing_support::numberedSongs(10, 2));
        model.restoreSongs(rows, removed);
        EXPECT_EQ(namesOf(model), before + QStringList({u"10"_qs, u"11"_qs}));
        EXPECT_EQ(model.cellText(rows.last(), 8), QString::number(rows.last()));
    }
    QList<int> scattered; // more runs than are told one by one
    for (int row = 0; row < 200; row += 2)
        scattered << row;
    SongTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.appendRows(testing_support::numberedSongs(0, 200));
    const SongStore removed = model.songsAt(scattered);
    model.removeSongs(scattered);
    model.removeSongs({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); // the table shrank further: the rest go at the end
    model.restoreSongs(scattered, removed);
    EXPECT_EQ(model.songCount(), 190);
    EXPECT_EQ(model.cellText(0, 0), u"0"_qs);
    EXPECT_EQ(model.cellText(189, 0), u"198"_qs);
}

TEST(SongTable, DuplicateCodesAreTheExactRepeatsAfterTheFirst)
{
    SongTableModel model;
    SongStore store;
    for (const char16_t *code :
         {u"00000001", u"", u"00000002", u"00000001", u"", u"0000001", u"00000002", u"00000001"}) {
        SongStore::Cells cells;
        cells[8] = QStringView(code);
        store.appendRow(cells);
    }
    model.appendRows(std::move(store));
    EXPECT_EQ(songs::duplicateCodeRows(model), (QList<int>{3, 6, 7}));
    EXPECT_TRUE(songs::duplicateCodeRows(SongTableModel()).isEmpty());
}
