// Build tool behind scripts/screenshots.sh: takes the README's pictures of the real main window,
// once with the songs of a search file imported and once with the code export panel after an export,
// and of the keyword hit list over those songs.
// usage: korvia-screenshots SEARCH_FILE OUTPUT_FOLDER
#include "app/MainWindow.h"
#include "app/Toolbar.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "platform/Translations.h"
#include "keywords/KeywordStoreFile.h"
#include "songs/ui/SongListView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <cstdio>

namespace {

// Every file dialog picks the one file given, every message box is answered with OK.
class AnsweringPrompts final : public platform::Prompts {
public:
    explicit AnsweringPrompts(QString file) : m_file(std::move(file)) {}
    int messageBox(QWidget *, const QString &, unsigned, const QString &) override { return platform::mb::IdOk; }
    std::optional<platform::FileChoice> chooseFile(QWidget *, const platform::FileDialogSettings &) override
    {
        return platform::FileChoice(m_file);
    }

private:
    QString m_file;
};

// Nothing is opened in other programs while the pictures are taken.
class IdleShell final : public platform::Shell {
public:
    bool openDocument(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

bool takePicture(QWidget &window, const QString &path)
{
    // Let the window settle on the display first.
    QEventLoop settling;
    QTimer::singleShot(300, &settling, &QEventLoop::quit);
    settling.exec();
    return window.grab().save(path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvia8位编码导出工具"));
    platform::installChineseTranslations(application);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s SEARCH_FILE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(arguments.at(2));

    // A program folder of its own, with a few keywords in its library.
    QTemporaryDir programFolder;
    keywords::createKeywordStore(programFolder.filePath(QStringLiteral("music.mdb")),
                                 {{1, QStringLiteral("青春时光"), QStringLiteral("版权纠纷")},
                                  {2, QStringLiteral("歲月"), QStringLiteral("商业")},
                                  {3, QStringLiteral("禁歌"), QStringLiteral("违禁")},
                                  {4, QStringLiteral("烟花"), QStringLiteral("违禁")},
                                  {5, QStringLiteral("之歌"), QStringLiteral("版权纠纷")},
                                  {6, QStringLiteral("姑娘"), QStringLiteral("商业")}});
    AnsweringPrompts prompts(programFolder.filePath(QStringLiteral("codes.txt")));
    IdleShell shell;
    // A closed local port: the online check fails at once and the news band stays empty.
    app::MainWindow window({.programFolder = programFolder.path(),
                            .siteAddress = QStringLiteral("http://127.0.0.1:9"),
                            .supportEmail = QString(),
                            .prompts = prompts,
                            .shell = shell});
    window.show();
    window.runStartupSequence();
    // The same path as a file dropped on the song list.
    auto *songList = window.findChild<songs::SongListView *>(QStringLiteral("超级列表框_主窗口"));
    Q_EMIT songList->fileDropped(QFileInfo(arguments.at(1)).absoluteFilePath());
    if (!takePicture(window, output.filePath(QStringLiteral("main-window.png"))))
        return 1;

    for (QAction *action : window.findChild<QToolBar *>(QStringLiteral("工具条_顶部"))->actions()) {
        if (action->text() == app::caption::ExportCodes)
            action->trigger();
    }
    if (!takePicture(window, output.filePath(QStringLiteral("export-panel.png"))))
        return 1;

    window.findChild<QAction *>(QStringLiteral("菜单项_列出命中歌曲"))->trigger();
    auto *hitList = window.findChild<QWidget *>(QStringLiteral("窗口_命中列表"));
    if (!hitList || !takePicture(*hitList, output.filePath(QStringLiteral("hit-list.png"))))
        return 1;
    return 0;
}
