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

TEST(SongTable, AppendRowAndSetCellWorkOnAnyRow)
{
    SongTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.appendRows(rows({QStringLiteral("first"), QStringLiteral("second")}));
    const int row = model.appendRow();
    EXPECT_EQ(row, 2);
    for (int column = 0; column < songs::kColumnCount; ++column)
        EXPECT_TRUE(model.cellText(row, column).isEmpty());
    model.setCell(row, 8, QStringLiteral("12345678"));
    model.setCell(row, 0, QStringLiteral("新歌"));
    model.setCell(0, 0, QStringLiteral("a much longer first name"));
    model.setCell(1, 8, QString());
    EXPECT_EQ(model.cellText(0, 0), QStringLiteral("a much longer first name"));
    EXPECT_EQ(model.cellText(0, 8), QStringLiteral("0000"));
    EXPECT_EQ(model.cellText(1, 0), QStringLiteral("second"));
    EXPECT_EQ(model.cellText(1, 8), QString());
    EXPECT_EQ(model.cellText(2, 0), QStringLiteral("新歌"));
    EXPECT_EQ(model.cellText(2, 8), QStringLiteral("12345678"));
}
