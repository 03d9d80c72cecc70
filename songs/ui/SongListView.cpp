// The main song list view.
#include "songs/ui/SongListView.h"

#include "songs/SongTableModel.h"
#include "ui/widgets/FileDropTarget.h"
#include "ui/widgets/ListContextMenu.h"

#include <QHeaderView>

#include <algorithm>

namespace songs {

namespace {
// What the tree view keeps for each row it lays out (about 57 bytes measured with Qt 6.4), with a
// margin: it cannot survive running out of memory while laying out, so the table keeps this much
// free before it takes rows in.
constexpr qsizetype kLayoutBytesPerRow = 80;
} // namespace

SongListView::SongListView(SongTableModel *model, QWidget *parent) : QTreeView(parent)
{
    model->setViewBytesPerRow(kLayoutBytesPerRow);
    setModel(model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    // A click selects one row, as before; Shift and Ctrl add rows, for removing several at once.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setFocusPolicy(Qt::StrongFocus);
    // The context menu lists the actions added to the view, so each command adds its own entries.
    ui::ListContextMenu::install(this);

    QHeaderView *columns = header();
    columns->setSectionsClickable(false);
    columns->setSortIndicatorShown(false);
    columns->setSectionsMovable(false);
    // The last column holds the codes at width 0; stretching it would give it room and hide it
    // from accessibility tools.
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(0);
    for (int column = 0; column < kColumnCount; ++column)
        columns->resizeSection(column, kColumnWidths[size_t(column)]);
}

void SongListView::acceptFileDrops()
{
    connect(ui::FileDropTarget::install(this), &ui::FileDropTarget::filesDropped, this, [this](const QStringList &paths) {
        for (const QString &path : paths)
            Q_EMIT fileDropped(path);
    });
}

void SongListView::selectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void SongListView::showRow(int row)
{
    scrollTo(model()->index(row, 0));
}

QList<int> SongListView::selectedSongRows() const
{
    // Read from the ranges: asking the selection row by row takes a walk over every range per row.
    QList<int> rows;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace songs
