// Taking songs out of the song table.
#include "songs/ui/SongRemoval.h"

#include "songs/ui/BusyGate.h"
#include "platform/Prompts.h"
#include "songs/DuplicateCodes.h"
#include "songs/SongTableModel.h"
#include "songs/ui/RemovalHistory.h"
#include "songs/ui/SongListView.h"
#include "ui/widgets/Commands.h"

#include <QAction>

#include <algorithm>

namespace songs {

namespace mb = platform::mb;

namespace {
const QString kTitle = QStringLiteral("删除歌曲");
} // namespace

SongRemoval::SongRemoval(SongTableModel &table, SongListView &list, platform::Prompts &prompts,
                         songs::BusyGate &busy, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_table(table), m_list(list), m_prompts(prompts), m_busy(busy), m_dialogParent(dialogParent)
{
    // Delete only while the song list has the focus: elsewhere it belongs to the focused control.
    m_removeSelected = ui::addCommand(&list,
                                      {.name = QStringLiteral("菜单项_删除选中歌曲"),
                                       .caption = QStringLiteral("删除选中歌曲"),
                                       .shortcuts = {QKeySequence::Delete},
                                       .context = Qt::WidgetWithChildrenShortcut});
    m_removeDuplicates = ui::addCommand(
        &list, {.name = QStringLiteral("菜单项_删除重复编码的歌曲"), .caption = QStringLiteral("删除重复编码的歌曲")});

    m_history = new RemovalHistory(table, list, busy, this);

    connect(m_removeSelected, &QAction::triggered, this, &SongRemoval::RemoveSelectedSongs);
    connect(m_removeDuplicates, &QAction::triggered, this, &SongRemoval::RemoveDuplicateSongs);
    m_busy.addCommand(m_removeSelected);
    m_busy.addCommand(m_removeDuplicates);
}

void SongRemoval::RemoveSelectedSongs()
{
    const QList<int> rows = m_list.selectedSongRows();
    if (rows.isEmpty()) {
        m_prompts.messageBox(m_dialogParent, QStringLiteral("请先在歌曲列表中选中要删除的歌曲。"),
                             mb::Ok | mb::IconInformation, kTitle);
        return;
    }
    if (confirm(QStringLiteral("确定要从歌曲列表中删除选中的%1首歌曲吗？").arg(rows.size())))
        removeSongs(rows);
}

void SongRemoval::RemoveDuplicateSongs()
{
    const QList<int> rows = duplicateCodeRows(m_table);
    if (rows.isEmpty()) {
        m_prompts.messageBox(m_dialogParent, QStringLiteral("歌曲列表中没有编码重复的歌曲。"),
                             mb::Ok | mb::IconInformation, kTitle);
        return;
    }
    if (confirm(QStringLiteral("歌曲列表中有%1首歌曲的编码与前面的歌曲重复，确定删除吗？").arg(rows.size())))
        removeSongs(rows);
}

int SongRemoval::removeSongs(QList<int> rows)
{
    // An export reads the table row by row while it lets the window handle events; rows handed
    // over from elsewhere come through the gate like every other change.
    int removed = 0;
    m_busy.runIfOpen([&] {
        const int count = m_table.songCount();
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        rows.erase(rows.begin(), std::lower_bound(rows.begin(), rows.end(), 0));
        rows.erase(std::lower_bound(rows.begin(), rows.end(), count), rows.end());
        if (rows.isEmpty())
            return;
        m_history->removeSongs(rows);
        removed = int(rows.size());
        Q_EMIT songsRemoved(removed, m_table.songCount());
    });
    return removed;
}

bool SongRemoval::confirm(const QString &question)
{
    return m_prompts.messageBox(m_dialogParent, question, mb::YesNo | mb::IconWarning, kTitle) == mb::IdYes;
}

} // namespace songs
