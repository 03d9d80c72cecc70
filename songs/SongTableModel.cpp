// The song table model over compact row storage.
#include "songs/SongTableModel.h"

namespace songs {

int SongTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : songCount();
}

int SongTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SongTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= songCount() || index.column() >= kColumnCount)
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    return m_store.cell(index.row(), index.column()).toString();
}

QVariant SongTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return columnCaptions()[size_t(section)];
    return {};
}

Qt::ItemFlags SongTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int SongTableModel::appendRow()
{
    const int row = songCount();
    beginInsertRows(QModelIndex(), row, row);
    m_store.appendEmptyRow();
    endInsertRows();
    return row;
}

void SongTableModel::setCell(int row, int column, const QString &text)
{
    m_store.setCell(row, column, text);
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed, {Qt::DisplayRole});
}

QString SongTableModel::cellText(int row, int column) const
{
    return m_store.cell(row, column).toString();
}

void SongTableModel::appendRows(SongStore &&rows)
{
    if (rows.isEmpty())
        return;
    m_store.reserveFor(rows); // may throw, before the view is told of anything
    const int first = songCount();
    beginInsertRows(QModelIndex(), first, first + int(rows.rowCount()) - 1);
    m_store.append(std::move(rows));
    endInsertRows();
}

} // namespace songs
