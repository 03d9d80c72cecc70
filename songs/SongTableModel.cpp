// The song table model over compact row storage.
#include "songs/SongTableModel.h"

#include "songs/ShownCell.h"

#include <QByteArray>

#include <limits>
#include <new>

namespace songs {

int SongTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : songCount() - m_hiddenCount;
}

int SongTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SongTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kColumnCount)
        return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole)
        return {};
    return shownCellText(m_store.cell(storedRow(index.row()), index.column()));
}

QVariant SongTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return listCaptions()[size_t(section)];
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
    // Either may throw, before the views are told of anything.
    m_store.reserveFor(rows);
    checkRoomForViews(songCount() + rows.rowCount());
    const int first = songCount();
    beginInsertRows(QModelIndex(), first, first + int(rows.rowCount()) - 1);
    m_store.append(std::move(rows));
    endInsertRows();
}

void SongTableModel::checkRoomForViews(qsizetype rows) const
{
    if (m_viewBytesPerRow <= 0)
        return;
    if (rows > std::numeric_limits<qsizetype>::max() / 2 / m_viewBytesPerRow)
        throw std::bad_alloc();
    // Taken and given back untouched: it costs address space only, which is what runs out.
    const QByteArray room(rows * m_viewBytesPerRow, Qt::Uninitialized);
}

namespace {
// Beyond this many runs one reset costs the views less than a notification per run: each of those
// walks the whole selection and every persistent index.
constexpr qsizetype kMostRunNotifications = 32;
} // namespace

void SongTableModel::removeSongs(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    QList<Run> runs;
    bool manyRuns = false;
    for (const int row : rows) {
        Q_ASSERT(row >= 0 && row < songCount() && (runs.isEmpty() || row >= runs.last().first + runs.last().count));
        if (!runs.isEmpty() && runs.last().first + runs.last().count == row) {
            ++runs.last().count;
        } else if (runs.size() == kMostRunNotifications) {
            manyRuns = true;
            break;
        } else {
            runs.append({row, 1});
        }
    }
    if (manyRuns) {
        beginResetModel();
        m_store.removeRows(rows);
        m_store.shrinkToFit();
        endResetModel();
        return;
    }
    // From the last run to the first, so that each run keeps the indices the views know it by. The
    // storage is compacted once, after the views know every run as removed; until then storedRow()
    // steps over the runs already announced.
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->first + run->count - 1);
        m_hiddenRuns.prepend(*run);
        m_hiddenCount += run->count;
        endRemoveRows();
    }
    m_store.removeRows(rows);
    m_store.shrinkToFit();
    m_hiddenRuns.clear();
    m_hiddenCount = 0;
}

void SongTableModel::restoreSongs(const QList<int> &rows, const SongStore &songs)
{
    if (rows.isEmpty())
        return;
    QList<Run> runs;
    for (const int row : SongStore::restoredRows(rows, songCount())) {
        if (!runs.isEmpty() && runs.last().first + runs.last().count == row)
            ++runs.last().count;
        else
            runs.append({row, 1});
    }
    if (runs.size() > kMostRunNotifications) {
        beginResetModel();
        m_store.insertRows(rows, songs);
        endResetModel();
        return;
    }
    // The storage takes every song at once; the views then hear of the runs from the first to the
    // last, each at the index it has once the runs before it are shown.
    m_store.insertRows(rows, songs);
    m_hiddenRuns = runs;
    m_hiddenCount = int(rows.size());
    for (const Run &run : runs) {
        beginInsertRows(QModelIndex(), run.first, run.first + run.count - 1);
        m_hiddenRuns.removeFirst();
        m_hiddenCount -= run.count;
        endInsertRows();
    }
}

int SongTableModel::storedRow(int row) const
{
    for (const Run &run : m_hiddenRuns) {
        if (row < run.first)
            break;
        row += run.count;
    }
    return row;
}

} // namespace songs
