// The main window: every control at its fixed place, the toolbar commands and the start-up sequence.
#pragma once

#include "app/AppEnvironment.h"
#include "app/Toolbar.h"
#include "app/WebBand.h"
#include "export/ui/CodeListExport.h"
#include "keywords/ui/KeywordPanel.h"
#include "songs/ui/BusyGate.h"
#include "platform/FileDialog.h"
#include "songs/QuitRequest.h"
#include "songs/SongTableModel.h"

#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QPushButton;

namespace songs { class SongListView; class SongImport; }
namespace exporting { class DetailWorkbookExport; }
namespace keywords { class KeywordEditing; class KeywordFileCommands; class KeywordSearch; class KeywordStore; }
namespace hits { class HitListCommand; }
namespace songs { class ExportedSongsRemoval; class SongFindWindow; class SongRemoval; }

namespace app {

class WebLinks;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppEnvironment environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString title() { return QStringLiteral("Korvia8位编码导出工具V" KORVIA_VERSION_SHORT); }

    // Runs once, after the window and its controls exist: keyword library, drop target, dialog
    // folder, then the online check, after which the web steps run on their own.
    void runStartupSequence();
    // Shows the window and runs the event loop, the start-up sequence first, until the program
    // ends; returns the exit code.
    int runEventLoop();

    // The program itself never asks for these parts; tests and benchmarks fill the song table, drop
    // files, hold the gate and watch the keyword load through them.
    songs::SongTableModel &songTable() { return m_songTable; }
    songs::SongListView &songList() { return *m_songList; }
    songs::BusyGate &busyGate() { return m_busy; }
    keywords::KeywordStore &keywordStore() { return *m_keywordStore; }
    songs::SongRemoval &songRemoval() { return *m_songRemoval; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectCommands();
    void connectSongCommands();
    void endProgram();
    // The status line 透明标签2 counts the lines of the file just imported.
    void showLineCount(qsizetype lineCount);
    // A keyword search found this song: it is selected, scrolled to and given the focus.
    void showFoundSong(int row);

    AppEnvironment m_env;
    songs::SongTableModel m_songTable;
    platform::FileDialog m_sharedDialog; // 通用对话框_公用
    songs::BusyGate m_busy; // the one way into every command on the whole song table
    songs::QuitRequest m_quit;

    Toolbar m_toolbar;
    WebBand m_web;
    songs::SongListView *m_songList = nullptr;
    QLabel *m_statusLine = nullptr;
    QPushButton *m_importButton = nullptr;     // 按钮1, hidden
    QPushButton *m_exportCodesButton = nullptr; // 按钮2, hidden
    keywords::KeywordPanel m_keywordPanel;
    exporting::CodeListPanel m_codeListPanel;

    songs::SongImport *m_import = nullptr;
    exporting::CodeListExport *m_codeListExport = nullptr;
    exporting::DetailWorkbookExport *m_workbookExport = nullptr;
    std::unique_ptr<keywords::KeywordStore> m_keywordStore;
    keywords::KeywordEditing *m_keywordEditing = nullptr;
    keywords::KeywordFileCommands *m_keywordFiles = nullptr;
    keywords::KeywordSearch *m_keywordSearch = nullptr;
    hits::HitListCommand *m_hitList = nullptr;
    WebLinks *m_webLinks = nullptr;
    songs::SongRemoval *m_songRemoval = nullptr;
    songs::ExportedSongsRemoval *m_exportedSongs = nullptr;
    songs::SongFindWindow *m_findWindow = nullptr;
};

} // namespace app
