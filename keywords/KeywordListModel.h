// The rows of the keyword list 超级列表框1: 歌曲名 and 备注, each row carrying its 编号 as item data.
#pragma once

#include <QAbstractTableModel>

#include <vector>

namespace keywords {

struct KeywordRow {
    qint64 id = 0; // 编号, kept whole so that a delete always names the row that was listed
    QString name;
    QString remark;
    friend bool operator==(const KeywordRow &, const KeywordRow &) = default;
};

class KeywordListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The role under which a row's 编号 is given, as the row's item data.
    static constexpr int ItemDataRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    void clear();
    void appendRow(KeywordRow row);
    // Puts the rows in pinyin order by name, once a load has appended them all.
    void sortByPinyin();

    int count() const { return int(m_rows.size()); }
    const KeywordRow &row(int index) const { return m_rows[size_t(index)]; }

private:
    std::vector<KeywordRow> m_rows;
};

} // namespace keywords
