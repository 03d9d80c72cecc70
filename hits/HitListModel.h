// The rows of the hit list: per hit song its name, singer and code, the keywords it holds, their
// remarks and the pieces of the name they hit. The song cells are copied when the hits are set, so the
// list never reads a song table that has changed or gone; its song rows are right until the table's
// rows change.
#pragma once

#include "hits/KeywordHits.h"

#include <QAbstractTableModel>

#include <vector>

namespace songs { class SongTableModel; }

namespace hits {

class HitListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, SingerColumn, CodeColumn, KeywordsColumn, RemarksColumn, PiecesColumn, ColumnCount };
    // The role under which a row gives its song's row in the song table.
    static constexpr int SongRowRole = Qt::UserRole;
    // The role under which a cell gives its text whole, for exports. Display, tooltip and
    // accessible text cut long cells as the song list does (songs::shownCellText).
    static constexpr int WholeTextRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The hits found in table, with their songs' cells as they are now.
    void setHits(KeywordHits hits, const songs::SongTableModel &table);
    void clear();
    const KeywordHits &hits() const { return m_hits; }

private:
    const QString &cellText(size_t hit, int column) const;

    struct SongCells {
        QString name;
        QString singer;
        QString code;
    };

    KeywordHits m_hits;
    std::vector<SongCells> m_songs;  // per hit
    std::vector<QString> m_keywords; // per hit, joined
    std::vector<QString> m_remarks;
    std::vector<QString> m_pieces; // per hit, joined: the name's pieces its keywords hit, as written
};

} // namespace hits
