// The main window.
#include "app/MainWindow.h"

#include "app/Icons.h"
#include "app/KeywordControls.h"
#include "app/WebLinks.h"
#include "export/ui/DetailWorkbookExport.h"
#include "hits/ui/HitListCommand.h"
#include "keywords/ui/KeywordEditing.h"
#include "keywords/ui/KeywordFileCommands.h"
#include "keywords/ui/KeywordSearch.h"
#include "songs/ui/SongFindWindow.h"
#include "keywords/KeywordStore.h"
#include "keywords/ui/ConversionProgress.h"
#include "keywords/ui/KeywordTexts.h"
#include "platform/Prompts.h"
#include "songs/ui/SongImport.h"
#include "songs/ui/SongListView.h"
#include "songs/ui/ExportedSongsRemoval.h"
#include "songs/ui/RemovalHistory.h"
#include "songs/ui/SongStatus.h"
#include "songs/ui/SongCopy.h"
#include "songs/ui/SongRemoval.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
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

    buildControls();
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    m_toolbar = buildToolbar(this);
    m_web = buildWebBand(this);
    m_keywordPanel = buildKeywordPanel(this);

    m_songList = new songs::SongListView(&m_songTable, this);
    ui::nameControl(m_songList, QStringLiteral("超级列表框_主窗口"), QStringLiteral("歌曲列表"));
    m_songList->setGeometry(2, 64, 838, 399);

    m_statusLine = new ui::ClickableLabel(songs::idleStatusText(), this);
    ui::nameControl(m_statusLine, QStringLiteral("透明标签2"));
    m_statusLine->setGeometry(6, 460, 408, 24);
    m_statusLine->setStyleSheet(QStringLiteral("color: red;"));

    m_codeListPanel = exporting::buildCodeListPanel(this);

    m_importButton = new QPushButton(this);
    ui::nameControl(m_importButton, QStringLiteral("按钮1"), caption::Import);
    m_importButton->hide();
    m_exportCodesButton = new QPushButton(this);
    ui::nameControl(m_exportCodesButton, QStringLiteral("按钮2"), caption::ExportCodes);
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
    m_import = new songs::SongImport(m_songTable, m_sharedDialog, m_env.prompts, m_busy, m_quit, this, this);
    m_codeListExport =
        new exporting::CodeListExport(m_codeListPanel, m_songTable, m_env.prompts, m_busy, m_quit, this, this);
    m_workbookExport = new exporting::DetailWorkbookExport(m_songTable, m_sharedDialog, m_env.prompts, m_env.shell,
                                                           m_busy, m_quit, this, this);
    m_keywordStore = std::make_unique<keywords::KeywordStore>(
        *m_keywordPanel.listModel, m_env.keywordLibraryFolder(), m_quit,
        [this](const keywords::StoreNotice &notice) {
            m_env.prompts.messageBox(this, keywords::text::notice(notice),
                                     platform::mb::Ok | platform::mb::IconInformation, QString());
        },
        m_env.keywordLockWaitMs);
    m_keywordStore->setConversionProgress(keywords::conversionProgressWindow(this));
    m_keywordEditing = new keywords::KeywordEditing(m_keywordPanel, *m_keywordStore, m_env.prompts, this);
    m_keywordFiles =
        new keywords::KeywordFileCommands(m_keywordPanel, *m_keywordStore, m_env.prompts, m_env.programFolder, this);
    m_keywordSearch = new keywords::KeywordSearch(*m_keywordPanel.listModel, m_songTable, m_env.prompts, this, this);
    m_webLinks = new WebLinks(m_web, m_env, this, this);

    connectSongCommands();
    connect(m_toolbar.help, &QAction::triggered, m_webLinks, &WebLinks::openHelpWindow);
    connect(m_toolbar.about, &QAction::triggered, m_webLinks, &WebLinks::showAboutBox);
    connect(m_toolbar.update, &QAction::triggered, m_webLinks, &WebLinks::openUpdatePage);
    connect(m_toolbar.quit, &QAction::triggered, this, &MainWindow::endProgram);
    connect(m_import, &songs::SongImport::fileImported, this, &MainWindow::showLineCount);

    m_keywordSearch->attachButtons(m_keywordPanel.searchButton, m_keywordPanel.searchOneButton, *m_keywordStore,
                                   m_busy);
    connect(m_keywordSearch, &keywords::KeywordSearch::songFound, this, &MainWindow::showFoundSong);

    // Each command on the song table adds its entries to the song list's context menu and joins them
    // to the gate itself.
    m_songRemoval = new songs::SongRemoval(m_songTable, *m_songList, m_env.prompts, m_busy, this, this);
    connect(m_songRemoval, &songs::SongRemoval::songsRemoved, this, [this](int removed, int remaining) {
        m_statusLine->setText(songs::removalStatusText({songs::RemovalFact::Kind::Removed, removed, remaining}));
    });
    connect(&m_songRemoval->history(), &songs::RemovalHistory::stepped, this,
            [this](const songs::RemovalFact &fact) { m_statusLine->setText(songs::removalStatusText(fact)); });
    m_exportedSongs = new songs::ExportedSongsRemoval(m_songTable, *m_songRemoval, *m_songList, m_env.prompts, m_busy,
                                                      m_quit, m_env.programFolder, this);

    // The hit list hands the rows it shows to the removal, which checks and orders them.
    m_hitList = new hits::HitListCommand({*m_keywordPanel.listModel, *m_keywordStore, m_songTable, m_env.prompts,
                                          m_env.shell, m_busy, m_env.programFolder, *m_songRemoval},
                                         this);
    m_hitList->addEntryPoints({m_songList, m_keywordPanel.list});
    connect(m_hitList, &hits::HitListCommand::songChosen, this, [this](int row) {
        activateWindow();
        showFoundSong(row);
    });
    songs::addSongCopyEntry(*m_songList, m_songTable);
    m_findWindow = new songs::SongFindWindow(m_songTable, *m_songList, this);
    connect(m_findWindow, &songs::SongFindWindow::songFound, this, &MainWindow::showFoundSong);
}

void MainWindow::connectSongCommands()
{
    // While an export runs, nothing may start another export or an import, or change the song table:
    // each command takes its toolbar entry and joins it to the gate, which closes them all while held.
    m_import->attach(m_toolbar.importSearchFile);
    m_workbookExport->attach(m_toolbar.exportWorkbook);
    m_codeListExport->attach(m_toolbar.exportCodes);
    connect(m_songList, &songs::SongListView::fileDropped, m_import, &songs::SongImport::ImportDroppedFile);

    // The hidden buttons run the toolbar's commands and are closed with them.
    const std::pair<QPushButton *, QAction *> buttons[] = {{m_importButton, m_toolbar.importSearchFile},
                                                           {m_exportCodesButton, m_toolbar.exportCodes}};
    for (const auto &[button, command] : buttons) {
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    }
}

void MainWindow::runStartupSequence()
{
    const QString notice = keywords::text::notice(m_keywordStore->OpenKeywordDatabase());
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

void MainWindow::showLineCount(qsizetype lineCount)
{
    const QString text = songs::importStatusText(lineCount);
    if (!text.isEmpty())
        m_statusLine->setText(text);
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
