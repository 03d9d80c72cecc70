// The song table model: the table operations and the model contract.
#include "songs/SongTableModel.h"

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
