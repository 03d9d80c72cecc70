// Removing the songs exported before.
#include "songs/ui/ExportedSongsRemoval.h"

#include "songs/ui/BusyGate.h"
#include "ui/texts/FileMessages.h"
#include "platform/Prompts.h"
#include "songs/QuitRequest.h"
#include "songs/ExportedCodes.h"
#include "songs/SongTableModel.h"
#include "songs/ui/SongRemoval.h"
#include "songs/ui/WhileWindowAnswers.h"
#include "ui/widgets/Commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <QtConcurrentRun>

#include <atomic>
#include <new>

namespace songs {

namespace mb = platform::mb;

namespace {
const QString kTitle = QStringLiteral("删除已导出过的歌曲");

// Why a file cannot be used, in words for the user.
QString refusalReason(const QString &path, const ExportedCodes &refused)
{
    using Reason = platform::TextFile::Reason;
    switch (refused.reading) {
    case Reason::Read:
        break;
    case Reason::Missing:
    case Reason::Folder:
    case Reason::NotRegularFile:
    case Reason::CannotOpen:
        return ui::fileFailureReason(platform::readFailure(path, refused.systemText));
    case Reason::ReadFailed:
        return ui::fileFailureReason({platform::FileFailure::Reason::ReadError, refused.systemText});
    case Reason::TooBig:
        return QStringLiteral("文件太大（超过%1 MB），不是本程序导出的编码列表或搜歌文件。")
            .arg(kMaxExportedCodesFileBytes / (1024 * 1024));
    case Reason::Utf16:
        return QStringLiteral("文件是 UTF-16（Unicode）编码的，不是本程序导出的编码列表或搜歌文件。"
                              "请先把它另存为 GBK（ANSI）或 UTF-8 编码。");
    case Reason::Binary:
    case Reason::Controls:
        return ui::notTextFileReason(refused.reading);
    }
    using Problem = ExportedCodes::Problem;
    switch (refused.problem) {
    case Problem::NoCodeLine:
        return QStringLiteral("文件中没有一行像歌曲编码，不是本程序导出的编码列表或搜歌文件。");
    case Problem::NoSongWithCode:
        return QStringLiteral("搜歌文件中没有一首带编码的歌曲。");
    case Problem::None:
    case Problem::Stopped:
        break;
    }
    return {};
}
} // namespace

struct ExportedSongsRemoval::Found {
    QSet<QString> codes; // of the song list, in the files
    QString refusedPath; // the file that cannot be used, if any
    ExportedCodes refusal;
    bool outOfMemory = false;
};

ExportedSongsRemoval::ExportedSongsRemoval(SongTableModel &table, SongRemoval &removal, QWidget &list,
                                           platform::Prompts &prompts, songs::BusyGate &busy,
                                           const songs::QuitRequest &quit, const QString &initialFolder,
                                           QObject *parent)
    : QObject(parent), m_table(table), m_removal(removal), m_list(list), m_prompts(prompts), m_busy(busy), m_quit(quit),
      m_folder(initialFolder)
{
    m_action = ui::addCommand(
        &list,
        {.name = QStringLiteral("菜单项_删除已导出过的歌曲"),
         .caption = QStringLiteral("删除已导出过的歌曲..."),
         .shortcuts = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)},
         .context = Qt::WindowShortcut,
         .description = QStringLiteral("选择以前导出的编码列表或搜歌文件，从歌曲列表中删除其中已有的歌曲")});
    connect(m_action, &QAction::triggered, this, &ExportedSongsRemoval::RemoveExportedSongs);
    // It changes the table, so an export under way keeps it closed.
    m_busy.addCommand(m_action);
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
        std::optional<Found> found;
        {
            // The window answers while the files are read, but nothing may change the table.
            const songs::BusyGate::Hold busy(m_busy);
            found = findWhileWindowAnswers(paths);
        }
        if (!found)
            return; // the program is ending
        if (found->outOfMemory)
            throw std::bad_alloc();
        if (!found->refusedPath.isEmpty()) {
            m_prompts.messageBox(m_list.window(),
                                 QStringLiteral("无法使用文件“%1”\r\n原因：%2\r\n歌曲列表没有改动。")
                                     .arg(QDir::toNativeSeparators(found->refusedPath),
                                          refusalReason(found->refusedPath, found->refusal)),
                                 mb::Ok | mb::IconWarning, kTitle);
            return;
        }
        rows = rowsWithCodes(m_table, found->codes);
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

std::optional<ExportedSongsRemoval::Found> ExportedSongsRemoval::findWhileWindowAnswers(const QStringList &paths)
{
    // Only the song list's own codes are kept from the files, however many codes they hold.
    const QSet<QString> wanted = songCodes(m_table);
    std::atomic<bool> stop = false;
    QFuture<Found> future = QtConcurrent::run([&stop, wanted, paths] {
        Found found;
        try {
            for (const QString &path : paths) {
                ExportedCodes file = findExportedCodes(path, wanted, &stop);
                if (file.refused()) {
                    found.refusedPath = path;
                    found.refusal = std::move(file);
                    break;
                }
                found.codes.unite(file.codes);
            }
        } catch (const std::bad_alloc &) {
            found = Found();
            found.outOfMemory = true;
        }
        return found;
    });
    return waitWhileWindowAnswers(future, stop, m_quit); // the reading stops within a line or a piece
}

} // namespace songs
