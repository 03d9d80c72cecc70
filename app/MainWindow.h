// The main window: every control at its fixed place, the toolbar dispatch and the start-up sequence.
#pragma once

#include "app/AppEnvironment.h"
#include "app/WebBand.h"
#include "export/ui/CodeListExport.h"
#include "keywords/ui/KeywordPanel.h"
#include "platform/BusyGate.h"
#include "platform/FileDialog.h"
#include "platform/QuitRequest.h"
#include "songs/SongTableModel.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QToolBar;

namespace songs { class SongListView; class SongImport; }
namespace exporting { class DetailWorkbookExport; }
namespace keywords { class KeywordEditing; class KeywordSearch; class KeywordStore; }

namespace app {

class WebLinks;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppEnvironment environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString title() { return QStringLiteral("Korvia8位编码导出工具V" KORVIA_VERSION_SHORT); }

    // Runs once, after the window and its controls exist: keyword library, drop target, dialog
    // folder, then the web steps when the computer is online.
    void runStartupSequence();
    // Shows the window and runs the event loop, the start-up sequence first, until the program
    // ends; returns the exit code.
    int runEventLoop();

    // A click on toolbar entry index (from 0), dispatched by the entry's caption.
    void onToolbarEntryClicked(int index);

    songs::SongTableModel &songTable() { return m_songTable; }
    songs::SongListView &songList() { return *m_songList; }
    platform::FileDialog &sharedDialog() { return m_sharedDialog; }
    platform::BusyGate &busyGate() { return m_busy; }
    keywords::KeywordStore &keywordStore() { return *m_keywordStore; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectCommands();
    void enableCommands(bool enabled);
    void endProgram();
    // The status line 透明标签2 counts the lines of the file just imported.
    void showLineCount(qsizetype lineCount);
    // A keyword search found this song: it is selected, scrolled to and given the focus.
    void showFoundSong(int row);

    AppEnvironment m_env;
    songs::SongTableModel m_songTable;
    platform::FileDialog m_sharedDialog; // 通用对话框_公用
    platform::BusyGate m_busy;
    platform::QuitRequest m_quit;

    QToolBar *m_toolbar = nullptr;
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
    keywords::KeywordSearch *m_keywordSearch = nullptr;
    WebLinks *m_webLinks = nullptr;
};

} // namespace app
