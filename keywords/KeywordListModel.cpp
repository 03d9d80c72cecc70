// The keyword list's rows.
#include "keywords/KeywordListModel.h"

#include "songs/ShownCell.h"
#include "text/PinyinOrder.h"

namespace keywords {

int KeywordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int KeywordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant KeywordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const KeywordRow &keyword = m_rows[size_t(index.row())];
    // A remark can be a whole text of hundreds of thousands of characters: the list shows its start,
    // the library keeps it whole.
    if (role == Qt::DisplayRole)
        return songs::shownCellText(index.column() == 0 ? keyword.name : keyword.remark);
    if (role == ItemDataRole)
        return keyword.id;
    return {};
}

QVariant KeywordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return QStringLiteral("歌曲名");
    if (section == 1)
        return QStringLiteral("备注");
    return {};
}

Qt::ItemFlags KeywordListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

void KeywordListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void KeywordListModel::appendRow(KeywordRow row)
{
    const int at = count();
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void KeywordListModel::sortByPinyin()
{
    // A reset, as a reload is: the list holds no selection across it either.
    beginResetModel();
    ::text::sortByPinyin(m_rows, &KeywordRow::name);
    endResetModel();
}

} // namespace keywords
