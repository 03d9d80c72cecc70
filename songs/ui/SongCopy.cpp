// Copying songs to the clipboard.
#include "songs/ui/SongCopy.h"

#include "songs/SongTableModel.h"
#include "songs/TabText.h"
#include "songs/ui/SongListView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace songs {

QAction *addSongCopyEntry(SongListView &list, const SongTableModel &table)
{
    auto *action = new QAction(QStringLiteral("复制选中歌曲"), &list);
    action->setObjectName(QStringLiteral("菜单项_复制选中歌曲"));
    action->setShortcut(QKeySequence::Copy);
    // Only in the song list: elsewhere Ctrl+C copies what the focused control holds.
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    list.addAction(action);
    QObject::connect(action, &QAction::triggered, &list, [&list, &table] {
        const QList<int> rows = list.selectedSongRows();
        if (rows.isEmpty())
            return;
        // Whole cells, not the shortened ones the list shows.
        QGuiApplication::clipboard()->setText(tabSeparatedRows(
            int(rows.size()), kColumnCount, [&](int row, int column) { return table.cellView(rows[row], column); }));
    });
    return action;
}

} // namespace songs
