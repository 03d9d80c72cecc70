// The rows of the hit list.
#include "hits/HitListModel.h"

#include "songs/ShownCell.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"

namespace hits {

namespace {
const QString kListSeparator = QStringLiteral("、");
} // namespace

int HitListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_hits.count();
}

int HitListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HitListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_hits.count())
        return {};
    const size_t hit = size_t(index.row());
    if (role == SongRowRole)
        return m_hits.songRow(index.row());
    if (role == WholeTextRole)
        return cellText(hit, index.column());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
        return songs::shownCellText(cellText(hit, index.column()));
    return {};
}

const QString &HitListModel::cellText(size_t hit, int column) const
{
    switch (column) {
    case NameColumn:
        return m_songs[hit].name;
    case SingerColumn:
        return m_songs[hit].singer;
    case CodeColumn:
        return m_songs[hit].code;
    case KeywordsColumn:
        return m_keywords[hit];
    case RemarksColumn:
        return m_remarks[hit];
    default:
        return m_pieces[hit];
    }
}

QVariant HitListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QString captions[ColumnCount] = {songs::columnCaptions()[songs::kNameColumn],
                                                  songs::columnCaptions()[songs::kSingerColumn],
                                                  songs::columnCaptions()[songs::kCodeColumn],
                                                  QStringLiteral("命中关键词"),
                                                  QStringLiteral("备注"),
                                                  QStringLiteral("歌名中的写法")};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::InitialSortOrderRole)
        return Qt::AscendingOrder; // a first click on a header sorts A to Z, small to large
    return role == Qt::DisplayRole ? QVariant(captions[section]) : QVariant();
}

Qt::ItemFlags HitListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

void HitListModel::setHits(KeywordHits hits, const songs::SongTableModel &table)
{
    beginResetModel();
    m_hits = std::move(hits);
    m_songs.clear();
    m_keywords.clear();
    m_remarks.clear();
    m_pieces.clear();
    m_songs.reserve(size_t(m_hits.count()));
    for (int hit = 0; hit < m_hits.count(); ++hit) {
        const int song = m_hits.songRow(hit);
        m_songs.push_back({table.cellText(song, songs::kNameColumn), table.cellText(song, songs::kSingerColumn),
                           table.cellText(song, songs::kCodeColumn)});
        m_keywords.push_back(m_hits.keywords(hit).join(kListSeparator));
        m_remarks.push_back(m_hits.remarks(hit).join(kListSeparator));
        m_pieces.push_back(m_hits.piecesIn(hit, table.cellView(song, songs::kNameColumn)).join(kListSeparator));
    }
    endResetModel();
}

void HitListModel::clear()
{
    beginResetModel();
    m_hits = {};
    m_songs.clear();
    m_keywords.clear();
    m_remarks.clear();
    m_pieces.clear();
    endResetModel();
}

} // namespace hits
