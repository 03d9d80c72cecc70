// Opening files given at start: the same path as a drop on the song list.
#include "app/OpenedFiles.h"

#include "songs/SongListView.h"

#include <QFileInfo>

namespace app {

void importOpenedFiles(QWidget &mainWindow, const QStringList &paths)
{
    auto *songList = mainWindow.findChild<songs::SongListView *>(QStringLiteral("超级列表框_主窗口"));
    if (!songList)
        return;
    for (const QString &path : paths)
        Q_EMIT songList->fileDropped(QFileInfo(path).absoluteFilePath());
}

} // namespace app
