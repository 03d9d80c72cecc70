// The song table model over compact row storage.
#include "songs/SongTableModel.h"

namespace songs {

namespace {
// Longest cell text the list shows. Laying out a cell of hundreds of millions of characters would
// bring the text layout down; a few thousand fill any column a user can widen to.
constexpr qsizetype kShownCellLength = 4000;

QString shownText(QStringView cell)
{
    if (cell.size() <= kShownCellLength)
        return cell.toString();
    qsizetype keep = kShownCellLength;
    if (cell[keep - 1].isHighSurrogate())
        --keep; // never split a character in two
    return cell.first(keep).toString() + u'…';
}
} // namespace

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
    return shownText(m_store.cell(index.row(), index.column()));
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
