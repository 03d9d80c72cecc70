// Removing the songs exported before.
#include "songs/ui/ExportedSongsRemoval.h"

#include "platform/Prompts.h"
#include "songs/ExportedCodes.h"
#include "songs/SongTableModel.h"
#include "songs/ui/SongRemoval.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <new>

namespace songs {

namespace mb = platform::mb;

namespace {
const QString kTitle = QStringLiteral("删除已导出过的歌曲");
} // namespace

ExportedSongsRemoval::ExportedSongsRemoval(SongTableModel &table, SongRemoval &removal, QWidget &list,
                                           platform::Prompts &prompts, const QString &initialFolder, QObject *parent)
    : QObject(parent), m_table(table), m_removal(removal), m_list(list), m_prompts(prompts), m_folder(initialFolder)
{
    m_action = new QAction(QStringLiteral("删除已导出过的歌曲..."), &list);
    m_action->setObjectName(QStringLiteral("菜单项_删除已导出过的歌曲"));
    const QString description = QStringLiteral("选择以前导出的编码列表或搜歌文件，从歌曲列表中删除其中已有的歌曲");
    m_action->setStatusTip(description);
    m_action->setToolTip(description);
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m_action->setShortcutContext(Qt::WindowShortcut);
    list.addAction(m_action);
    connect(m_action, &QAction::triggered, this, &ExportedSongsRemoval::RemoveExportedSongs);
}

void ExportedSongsRemoval::RemoveExportedSongs()
{
    if (m_table.songCount() == 0) {
        m_prompts.messageBox(m_list.window(), QStringLiteral("歌曲列表是空的，请先导入搜歌文件。"),
                             mb::Ok | mb::IconInformation, kTitle);
        return;
    }
    platform::FileDialogSettings settings;
    settings.title = QStringLiteral("选择以前导出的编码列表或搜歌文件（可多选）");
    settings.filter = QStringLiteral("编码列表或搜歌文件 (*.txt)|*.txt|所有文件|*");
    settings.initialFolder = m_folder;
    const std::optional<QStringList> paths = m_prompts.chooseFiles(m_list.window(), settings);
    if (!paths || paths->isEmpty())
        return;
    m_folder = QFileInfo(paths->constFirst()).absolutePath();
    removeSongsIn(*paths);
}

void ExportedSongsRemoval::removeSongsIn(const QStringList &paths)
{
    QList<int> rows;
    try {
        QSet<QString> codes;
        for (const QString &path : paths) {
            ExportedCodes file = readExportedCodes(path);
            if (!file.problem.isEmpty()) {
                m_prompts.messageBox(m_list.window(),
                                     QStringLiteral("无法使用文件“%1”\r\n原因：%2\r\n歌曲列表没有改动。")
                                         .arg(QDir::toNativeSeparators(path), file.problem),
                                     mb::Ok | mb::IconWarning, kTitle);
                return;
            }
            codes.unite(file.codes);
        }
        rows = rowsWithCodes(m_table, codes);
    } catch (const std::bad_alloc &) {
        m_prompts.messageBox(m_list.window(), QStringLiteral("内存不足，无法读取这些文件。歌曲列表没有改动。"),
                             mb::Ok | mb::IconWarning, kTitle);
        return;
    }
    const int count = m_table.songCount();
    if (rows.isEmpty()) {
        m_prompts.messageBox(m_list.window(),
                             QStringLiteral("歌曲列表的%1首歌曲都不在所选的文件中，没有要删除的歌曲。").arg(count),
                             mb::Ok | mb::IconInformation, kTitle);
        return;
    }
    const QString question =
        QStringLiteral("歌曲列表的%1首歌曲中有%2首已在所选的文件中（以前导出过），确定从歌曲列表中删除这%2首吗？")
            .arg(count)
            .arg(rows.size());
    if (m_prompts.messageBox(m_list.window(), question, mb::YesNo | mb::IconWarning, kTitle) == mb::IdYes)
        m_removal.removeSongs(rows);
}

} // namespace songs
