// The main window.
#include "app/MainWindow.h"

#include "app/Icons.h"
#include "app/Toolbar.h"
#include "app/WebLinks.h"
#include "export/DetailWorkbookExport.h"
#include "keywords/KeywordLibrary.h"
#include "platform/Accessibility.h"
#include "platform/ClickableLabel.h"
#include "songs/SongImport.h"
#include "songs/SongListView.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QToolBar>

namespace app {

namespace {
// The client area holds the right-most control (ending at x = 1020) and the lowest (y = 488).
constexpr QSize kClientSize(1023, 490);
} // namespace

MainWindow::MainWindow(AppEnvironment environment, QWidget *parent)
    : QWidget(parent), m_env(std::move(environment)), m_sharedDialog(m_env.prompts)
{
    platform::nameControl(this, QStringLiteral("窗口_主窗口"));
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
    platform::nameCaptionlessControl(m_songList, QStringLiteral("超级列表框_主窗口"));
    m_songList->setGeometry(2, 64, 838, 399);

    m_statusLine = new platform::ClickableLabel(QStringLiteral("消息：无"), this);
    platform::nameControl(m_statusLine, QStringLiteral("透明标签2"));
    m_statusLine->setGeometry(6, 460, 408, 24);
    m_statusLine->setStyleSheet(QStringLiteral("color: red;"));

    m_codeListPanel = exporting::buildCodeListPanel(this);

    m_importButton = new QPushButton(this);
    platform::nameControl(m_importButton, QStringLiteral("按钮1"));
    m_importButton->hide();
    m_exportCodesButton = new QPushButton(this);
    platform::nameControl(m_exportCodesButton, QStringLiteral("按钮2"));
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
    m_import = std::make_unique<songs::SongImport>(m_songTable, m_sharedDialog, *m_statusLine, this);
    m_codeListExport = new exporting::CodeListExport(m_codeListPanel, m_songTable, m_env.prompts, m_busy, this, this);
    m_workbookExport = new exporting::DetailWorkbookExport(m_songTable, m_sharedDialog, m_env.prompts, m_env.shell,
                                                           m_busy, this, this);
    m_keywords = new keywords::KeywordLibrary(m_keywordPanel, m_songTable, *m_songList, m_env.prompts,
                                              m_env.keywordLibraryFolder(), this);
    m_webLinks = new WebLinks(m_web, m_env.siteAddress, m_env.prompts, m_env.shell, this, this);

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
    connect(&m_busy, &platform::BusyGate::busyChanged, this, [this](bool busy) { enableCommands(!busy); });
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
    m_keywords->OpenKeywordDatabase();
    m_songList->acceptFileDrops();
    m_sharedDialog.setInitialFolder(m_env.programFolder);
    m_webLinks->RunStartupWebSteps();
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
        m_webLinks->ShowAboutBox();
    } else if (text == caption::Help) {
        m_webLinks->OpenHelpWindow();
    } else if (text == caption::Import) {
        m_import->ImportSearchFile();
    } else if (text == caption::ExportWorkbook) {
        m_sharedDialog.setFilter(QStringLiteral("*.xls|*.xls"));
        m_workbookExport->ExportDetailWorkbook();
    } else if (text == caption::ExportCodes) {
        m_codeListExport->ExportCodeList();
    } else if (text == caption::Update) {
        m_webLinks->OpenUpdatePage();
    }
}

void MainWindow::endProgram()
{
    QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

} // namespace app
