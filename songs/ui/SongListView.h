// The main song list: a report-style view of the song table that also takes dropped files.
#pragma once

#include <QTreeView>

namespace songs {

class SongTableModel;

class SongListView : public QTreeView {
    Q_OBJECT
public:
    SongListView(SongTableModel *model, QWidget *parent = nullptr);

    // Turns on the file drop target; until then nothing can be dropped here.
    void acceptFileDrops();

    // The table operations a search result uses, with 0-based row indices.
    void selectRow(int row);
    void showRow(int row);
    // The rows selected, ascending, each once.
    QList<int> selectedSongRows() const;

Q_SIGNALS:
    // One notification per dropped file, in the order the drop lists them.
    void fileDropped(const QString &path);
};

} // namespace songs
