// Every removal of songs, kept so that it can be undone and redone, latest first, until the program
// ends. Songs that come back take the places they had; rows imported since stay after them.
#pragma once

#include "songs/ui/SongStatus.h"

#include <QList>
#include <QObject>

class QAction;
class QUndoStack;
class QWidget;
namespace songs {

class BusyGate;
class SongTableModel;

class RemovalHistory : public QObject {
    Q_OBJECT
public:
    // Adds "撤销删除（N首）" (Ctrl+Z) and "重做删除（N首）" (Ctrl+Y) to the list's context menu.
    RemovalHistory(SongTableModel &table, QWidget &list, songs::BusyGate &busy, QObject *parent = nullptr);

    // Removes these rows (ascending, each once, all in the table) as one step that can be undone.
    void removeSongs(const QList<int> &rows);

    // Each reports what it did, or that there was nothing to do.
    void undoRemoval();
    void redoRemoval();

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    const QUndoStack &steps() const { return *m_steps; }

Q_SIGNALS:
    // What an undo or redo did, for the status line.
    void stepped(const songs::RemovalFact &fact);

private:
    void updateCaptions();

    SongTableModel &m_table;
    songs::BusyGate &m_busy;
    QUndoStack *m_steps = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};

} // namespace songs
