// Undoing and redoing removals of songs.
#include "songs/ui/RemovalHistory.h"

#include "songs/ui/BusyGate.h"
#include "songs/SongTableModel.h"
#include "ui/widgets/Commands.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace songs {

namespace {

// One removal: the rows as they were numbered before it, and copies of their songs.
class RemovalStep : public QUndoCommand {
public:
    RemovalStep(SongTableModel &table, QList<int> rows)
        : m_table(table), m_rows(std::move(rows)), m_songs(table.songsAt(m_rows))
    {
        setText(QString::number(m_rows.size()));
    }

    int count() const { return int(m_rows.size()); }
    void redo() override { m_table.removeSongs(m_rows); }
    void undo() override { m_table.restoreSongs(m_rows, m_songs); }

private:
    SongTableModel &m_table;
    const QList<int> m_rows;
    const SongStore m_songs;
};

} // namespace

RemovalHistory::RemovalHistory(SongTableModel &table, QWidget &list, songs::BusyGate &busy, QObject *parent)
    : QObject(parent), m_table(table), m_busy(busy), m_steps(new QUndoStack(this))
{
    // Anywhere in the window, so that a removal from the hit list can be undone at once; edit boxes
    // keep their own Ctrl+Z. The captions follow the steps.
    m_undo = ui::addCommand(&list,
                            {.name = QStringLiteral("菜单项_撤销删除"),
                             .shortcuts = {QKeySequence::Undo},
                             .context = Qt::WindowShortcut,
                             .description = QStringLiteral("把最近一次删除的歌曲放回原来的位置")});
    m_redo = ui::addCommand(
        &list,
        {.name = QStringLiteral("菜单项_重做删除"),
         .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         .context = Qt::WindowShortcut,
         .description = QStringLiteral("再次删除刚才放回的歌曲")});
    connect(m_undo, &QAction::triggered, this, &RemovalHistory::undoRemoval);
    connect(m_redo, &QAction::triggered, this, &RemovalHistory::redoRemoval);
    connect(m_steps, &QUndoStack::indexChanged, this, &RemovalHistory::updateCaptions);
    // An export reads the table row by row while it lets the window handle events.
    m_busy.addCommand(m_undo);
    m_busy.addCommand(m_redo);
    updateCaptions();
}

void RemovalHistory::removeSongs(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    m_steps->push(new RemovalStep(m_table, rows)); // pushing does the removal
}

void RemovalHistory::undoRemoval()
{
    if (!m_steps->canUndo()) {
        Q_EMIT stepped({RemovalFact::Kind::NothingToUndo});
        return;
    }
    const int count = static_cast<const RemovalStep *>(m_steps->command(m_steps->index() - 1))->count();
    m_steps->undo();
    Q_EMIT stepped({RemovalFact::Kind::Undone, count, m_table.songCount()});
}

void RemovalHistory::redoRemoval()
{
    if (!m_steps->canRedo()) {
        Q_EMIT stepped({RemovalFact::Kind::NothingToRedo});
        return;
    }
    const int count = static_cast<const RemovalStep *>(m_steps->command(m_steps->index()))->count();
    m_steps->redo();
    Q_EMIT stepped({RemovalFact::Kind::Redone, count, m_table.songCount()});
}

void RemovalHistory::updateCaptions()
{
    // Without a step the entries stay usable, so that the key says there is nothing to undo.
    const auto caption = [](const QString &verb, const QString &count) {
        return count.isEmpty() ? verb : QStringLiteral("%1（%2首）").arg(verb, count);
    };
    m_undo->setText(caption(QStringLiteral("撤销删除"), m_steps->undoText()));
    m_redo->setText(caption(QStringLiteral("重做删除"), m_steps->redoText()));
}

} // namespace songs
