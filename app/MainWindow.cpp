// The main window.
#include "app/MainWindow.h"

#include "app/Icons.h"
#include "app/Toolbar.h"
#include "app/WebLinks.h"
#include "export/ui/DetailWorkbookExport.h"
#include "keywords/ui/HitListCommand.h"
#include "keywords/ui/KeywordEditing.h"
#include "keywords/ui/KeywordFileCommands.h"
#include "keywords/KeywordSearch.h"
#include "keywords/KeywordStore.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"
#include "platform/Prompts.h"
#include "songs/ui/SongImport.h"
#include "songs/ui/SongListView.h"
#include "songs/ui/SongRemoval.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace app {

namespace {
// The client area holds the right-most control (ending at x = 1020) and the lowest (y = 488).
constexpr QSize kClientSize(1023, 490);
} // namespace

MainWindow::MainWindow(AppEnvironment environment, QWidget *parent)
    : QWidget(parent), m_env(std::move(environment)), m_sharedDialog(m_env.prompts)
{
    ui::nameControl(this, QStringLiteral("窗口_主窗口"));
    setWindowTitle(title());
    setWindowIcon(applicationIcon());
    setFixedSize(kClientSize);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // The shared dialog's filter at start; every user sets its own before showing it.
    m_sharedDialog.setFilter(QStringLiteral("*.txt|*.txt,*.xls|*.xls"));

    buildControls();
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    m_toolbar = buildToolbar(this);
    m_web = buildWebBand(this);
    m_keywordPanel = keywords::buildKeywordPanel(this);

    m_songList = new songs::SongListView(&m_songTable, this);
    ui::nameCaptionlessControl(m_songList, QStringLiteral("超级列表框_主窗口"));
    m_songList->setGeometry(2, 64, 838, 399);

    m_statusLine = new ui::ClickableLabel(QStringLiteral("消息：无"), this);
    ui::nameControl(m_statusLine, QStringLiteral("透明标签2"));
    m_statusLine->setGeometry(6, 460, 408, 24);
    m_statusLine->setStyleSheet(QStringLiteral("color: red;"));

    m_codeListPanel = exporting::buildCodeListPanel(this);

    m_importButton = new QPushButton(this);
    ui::nameControl(m_importButton, QStringLiteral("按钮1"));
    m_importButton->hide();
    m_exportCodesButton = new QPushButton(this);
    ui::nameControl(m_exportCodesButton, QStringLiteral("按钮2"));
    m_exportCodesButton->hide();

    // Stacking: the news link covers the picture; the notice and the panels lie above the song list;
    // "新增加" and "删除选中" overlap the keyword frame's top edge.
    m_web.newsLink->raise();
    m_web.notice->raise();
    m_keywordPanel.addPanel->raise();
    m_codeListPanel.frame->raise();
    m_codeListPanel.log->raise();
    m_keywordPanel.showAdd->raise();
    m_keywordPanel.deleteButton->raise();
}

void MainWindow::connectCommands()
{
    m_import = new songs::SongImport(m_songTable, m_sharedDialog, m_env.prompts, this, this);
    m_codeListExport =
        new exporting::CodeListExport(m_codeListPanel, m_songTable, m_env.prompts, m_busy, m_quit, this, this);
    m_workbookExport = new exporting::DetailWorkbookExport(m_songTable, m_sharedDialog, m_env.prompts, m_env.shell,
                                                           m_busy, m_quit, this, this);
    m_keywordStore = std::make_unique<keywords::KeywordStore>(*m_keywordPanel.listModel, m_env.keywordLibraryFolder(),
                                                              m_quit, m_env.prompts, this, m_env.keywordLockWaitMs);
    m_keywordEditing = new keywords::KeywordEditing(m_keywordPanel, *m_keywordStore, m_env.prompts, this);
    m_keywordFiles =
        new keywords::KeywordFileCommands(m_keywordPanel, *m_keywordStore, m_env.prompts, m_env.programFolder, this);
    m_keywordSearch = new keywords::KeywordSearch(*m_keywordPanel.listModel, m_songTable, m_env.prompts, this, this);
    m_webLinks = new WebLinks(m_web, m_env, m_quit, this, this);

    connect(m_toolbar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { onToolbarEntryClicked(int(m_toolbar->actions().indexOf(action))); });
    connect(m_importButton, &QPushButton::clicked, this, [this] {
        if (!m_busy.isBusy())
            m_import->ImportSearchFile();
    });
    connect(m_exportCodesButton, &QPushButton::clicked, this, [this] {
        if (!m_busy.isBusy())
            m_codeListExport->ExportCodeList();
    });
    connect(m_songList, &songs::SongListView::fileDropped, this, [this](const QString &path) {
        if (!m_busy.isBusy())
            m_import->ImportDroppedFile(path);
    });
    connect(m_import, &songs::SongImport::fileImported, this, &MainWindow::showLineCount);
    connect(&m_busy, &platform::BusyGate::busyChanged, this, [this](bool busy) { enableCommands(!busy); });

    // The search walks the keyword list, so it waits for a load under way; 按钮6 searches for the
    // current keyword alone.
    connect(m_keywordPanel.searchButton, &QPushButton::clicked, this,
            [this] { m_keywordStore->runWhenListReady([this] { m_keywordSearch->SearchKeywords(); }); });
    connect(m_keywordPanel.searchOneButton, &QPushButton::clicked, m_keywordSearch,
            &keywords::KeywordSearch::SearchSongsForKeyword);
    connect(m_keywordSearch, &keywords::KeywordSearch::songFound, this, &MainWindow::showFoundSong);

    // Removal adds its entries to the song list's context menu and greys them out while the busy gate is held.
    m_songRemoval = new songs::SongRemoval(m_songTable, *m_songList, m_env.prompts, m_busy, this, this);
    connect(m_songRemoval, &songs::SongRemoval::songsRemoved, this, [this](int removed, int remaining) {
        m_statusLine->setText(QStringLiteral("消息：删除歌曲%1首，剩余%2首").arg(removed).arg(remaining));
    });

    m_hitList = new keywords::HitListCommand({*m_keywordPanel.listModel, *m_keywordStore, m_songTable, m_env.prompts,
                                              m_env.shell, m_busy, m_env.programFolder},
                                             this);
    m_hitList->addEntryPoints({m_songList, m_keywordPanel.list});
    connect(m_hitList, &keywords::HitListCommand::songChosen, this, [this](int row) {
        activateWindow();
        showFoundSong(row);
    });
    // The hit list has asked the user already; the songs go as any removal does.
    connect(m_hitList, &keywords::HitListCommand::removeSongsRequested, m_songRemoval,
            &songs::SongRemoval::removeSongs);
}

void MainWindow::enableCommands(bool enabled)
{
    // While an export runs, nothing may start another export or an import, or change the song table.
    for (QAction *action : m_toolbar->actions()) {
        const QString text = action->text();
        if (text == caption::Import || text == caption::ExportWorkbook || text == caption::ExportCodes)
            action->setEnabled(enabled);
    }
    m_importButton->setEnabled(enabled);
    m_exportCodesButton->setEnabled(enabled);
}

void MainWindow::runStartupSequence()
{
    const QString notice = m_keywordStore->OpenKeywordDatabase();
    if (m_quit.isRequested())
        return;
    if (!notice.isEmpty())
        m_env.prompts.messageBox(this, notice, platform::mb::Ok | platform::mb::IconInformation, QString());
    m_songList->acceptFileDrops();
    m_sharedDialog.setInitialFolder(m_env.programFolder);
    m_webLinks->runStartupWebSteps();
}

int MainWindow::runEventLoop()
{
    // Shown first, so that the start-up steps (the keyword list, the news picture) fill a visible window.
    show();
    // The start-up sequence is the loop's first event, so that the close box or "退出" used while it
    // handles events ends the loop as it does at any other time.
    QTimer::singleShot(0, this, &MainWindow::runStartupSequence);
    return QCoreApplication::exec();
}

void MainWindow::onToolbarEntryClicked(int index)
{
    const QString text = entryCaption(m_toolbar, index);
    const bool songCommand = text == caption::Import || text == caption::ExportWorkbook || text == caption::ExportCodes;
    if (songCommand && m_busy.isBusy())
        return;

    if (text == caption::Quit) {
        endProgram();
    } else if (text == caption::About) {
        m_webLinks->showAboutBox();
    } else if (text == caption::Help) {
        m_webLinks->openHelpWindow();
    } else if (text == caption::Import) {
        m_import->ImportSearchFile();
    } else if (text == caption::ExportWorkbook) {
        m_sharedDialog.setFilter(QStringLiteral("*.xls|*.xls"));
        m_workbookExport->ExportDetailWorkbook();
    } else if (text == caption::ExportCodes) {
        m_codeListExport->ExportCodeList();
    } else if (text == caption::Update) {
        m_webLinks->openUpdatePage();
    }
}

void MainWindow::showLineCount(qsizetype lineCount)
{
    // The count covers every line read, skipped ones included; a file without lines leaves the
    // status line as it was.
    if (lineCount > 0)
        m_statusLine->setText(QStringLiteral("消息：共分析出歌曲数%1个").arg(lineCount));
}

void MainWindow::showFoundSong(int row)
{
    m_songList->selectRow(row);
    m_songList->showRow(row);
    m_songList->setFocus();
}

void MainWindow::endProgram()
{
    // A long operation handling events beneath this call stops at its next event round.
    m_quit.request();
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

} // namespace app
