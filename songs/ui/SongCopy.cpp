// Copying songs to the clipboard.
#include "songs/ui/SongCopy.h"

#include "songs/SongTableModel.h"
#include "songs/TabText.h"
#include "songs/ui/SongListView.h"
#include "ui/widgets/Commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace songs {

QAction *addSongCopyEntry(SongListView &list, const SongTableModel &table)
{
    // Ctrl+C only in the song list: elsewhere it copies what the focused control holds.
    QAction *action = ui::addCommand(&list,
                                     {.name = QStringLiteral("菜单项_复制选中歌曲"),
                                      .caption = QStringLiteral("复制选中歌曲"),
                                      .shortcuts = {QKeySequence::Copy},
                                      .context = Qt::WidgetWithChildrenShortcut});
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
