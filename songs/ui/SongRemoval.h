// Taking songs out of the song table: the selected ones, those whose code came earlier, or any
// rows another command names.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;
namespace platform {
class Prompts;
} // namespace platform

namespace songs {

class BusyGate;
class RemovalHistory;
class SongListView;
class SongTableModel;

class SongRemoval : public QObject {
    Q_OBJECT
public:
    // Adds "删除选中歌曲" (also the Delete key) and "删除重复编码的歌曲" to the song list's context menu.
    // Both join the gate: while it is held (an export reads the table) they are greyed out.
    SongRemoval(SongTableModel &table, SongListView &list, platform::Prompts &prompts, songs::BusyGate &busy,
                QWidget *dialogParent, QObject *parent = nullptr);

    // Asks, naming how many, and removes the songs selected in the song list.
    void RemoveSelectedSongs();
    // Asks, naming how many, and removes every song whose code an earlier song already has.
    void RemoveDuplicateSongs();

    QAction *removeSelectedAction() const { return m_removeSelected; }
    QAction *removeDuplicatesAction() const { return m_removeDuplicates; }
    // Every removal goes through it, so each can be undone.
    RemovalHistory &history() const { return *m_history; }

public Q_SLOTS:
    // Removes these rows without asking, in any order as another list shows them: repeated rows and
    // rows the table does not have are passed over. Returns how many songs went: none while the
    // gate is held.
    int removeSongs(QList<int> rows);

Q_SIGNALS:
    // Songs were taken out of the table; remaining is the number of songs left.
    void songsRemoved(int removed, int remaining);

private:
    bool confirm(const QString &question);

    SongTableModel &m_table;
    SongListView &m_list;
    platform::Prompts &m_prompts;
    songs::BusyGate &m_busy;
    QWidget *m_dialogParent;
    QAction *m_removeSelected = nullptr;
    QAction *m_removeDuplicates = nullptr;
    RemovalHistory *m_history = nullptr;
};

} // namespace songs
