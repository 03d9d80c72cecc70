// The real main window for end-to-end tests.
#include "tests/support/TestWindow.h"

#include "songs/SongStore.h"
#include "songs/SongTableModel.h"

#include <QLabel>

#include "platform/Gbk.h"

#include <QAction>
#include <QFile>
#include <QToolBar>

namespace testing_support {

TestWindow::TestWindow(QString siteAddress, bool runStartup, int statisticsVisitMs, int keywordLockWaitMs)
{
    window = std::make_unique<app::MainWindow>(app::AppEnvironment{folder.path(), std::move(siteAddress), QString(),
                                                                   prompts, shell, statisticsVisitMs, QString(),
                                                                   keywordLockWaitMs});
    window->show();
    if (runStartup)
        window->runStartupSequence();
}

QString TestWindow::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

void TestWindow::clickToolbar(const QString &caption)
{
    auto *toolbar = find<QToolBar>(QStringLiteral("工具条_顶部"));
    for (QAction *action : toolbar->actions()) {
        if (action->text() == caption) {
            action->trigger();
            return;
        }
    }
}

QByteArray gbk(const QString &text)
{
    return platform::toGbk(text);
}

QString status(const TestWindow &t)
{
    return t.find<QLabel>(QStringLiteral("透明标签2"))->text();
}

namespace {
QStringList generatedSong(int i)
{
    const QString code = QString::number(10000000 + i);
    return {QStringLiteral("歌%1").arg(i), QStringLiteral("歌手"), QStringLiteral("国语"), QStringLiteral("流行"),
            QStringLiteral("0"),           code + QStringLiteral(".mpg"), QStringLiteral("HD"), QString(), code};
}

void appendSong(songs::SongStore &store, const QStringList &song)
{
    songs::SongStore::Cells cells; // views: appendRow copies the texts
    for (int column = 0; column < songs::kColumnCount; ++column)
        cells[size_t(column)] = song[column];
    store.appendRow(cells);
}
} // namespace

QList<QStringList> generatedSongs(int count)
{
    QList<QStringList> songs;
    songs.reserve(count);
    for (int i = 0; i < count; ++i)
        songs << generatedSong(i);
    return songs;
}

void fillTable(TestWindow &t, const QList<QStringList> &songs)
{
    songs::SongStore store;
    for (const QStringList &song : songs)
        appendSong(store, song);
    t.window->songTable().appendRows(std::move(store));
}

void fillTable(TestWindow &t, int count)
{
    // Song by song, so that no list of them all takes memory a memory limit later counts on.
    songs::SongStore store;
    for (int i = 0; i < count; ++i)
        appendSong(store, generatedSong(i));
    t.window->songTable().appendRows(std::move(store));
}

} // namespace testing_support
