// The song table: the imported songs, nine text cells a row, shown by the main song list.
#pragma once

#include "songs/SongStore.h"

#include <QAbstractTableModel>

namespace songs {

class SongTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The table operations, all with 0-based indices. The list shows a cell cut to a few thousand
    // characters; these give it whole.
    int songCount() const { return int(m_store.rowCount()); }
    QString cellText(int row, int column) const;
    QStringView cellView(int row, int column) const { return m_store.cell(row, column); }

    // Appends a whole import's rows with one insert notification. Throws std::bad_alloc, changing
    // nothing, when they do not fit in memory, together with the room the views take for them.
    void appendRows(SongStore &&rows);
    // The memory a view takes for each row of the table, beyond the table's own: a tree view lays
    // out every row. Laying out cannot fail gracefully, so appendRows() makes sure this much is
    // free for every row before the views hear of new ones.
    void setViewBytesPerRow(qsizetype bytes) { m_viewBytesPerRow = bytes; }

    // Removes the rows at these indices, which are ascending and each given once. Views hear of
    // each run of neighbouring rows, or, when the rows are scattered over many runs, of one reset.
    // Until the last notification the table operations above still see every row; the model's
    // rowCount() and data() follow the notifications.
    void removeSongs(const QList<int> &rows);
    // Copies of the songs at these indices, in the order given, so that a removal can be undone.
    SongStore songsAt(const QList<int> &rows) const { return m_store.copyRows(rows); }
    // Puts songs back at these indices (ascending, each once, one per song), the songs here filling
    // the places between them; an index past the end appends. Views hear of each run of
    // neighbouring rows, or of one reset when there are many runs.
    void restoreSongs(const QList<int> &rows, const SongStore &songs);

private:
    struct Run {
        int first;
        int count;
    };
    // The stored row of a row the views know, while some stored runs are hidden from them.
    int storedRow(int row) const;

    // Throws std::bad_alloc when the views could not lay out this many rows.
    void checkRoomForViews(qsizetype rows) const;

    SongStore m_store;
    qsizetype m_viewBytesPerRow = 0;
    // Stored runs the views do not know, ascending: while a removal is announced, those already
    // announced as removed; while a restore is announced, those not yet announced as inserted.
    QList<Run> m_hiddenRuns;
    int m_hiddenCount = 0;
};

} // namespace songs
