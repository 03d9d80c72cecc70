// The hit list window.
#include "hits/ui/HitListWindow.h"

#include "hits/HitListModel.h"
#include "hits/HitListWorkbook.h"
#include "hits/KeywordHits.h"
#include "keywords/KeywordListModel.h"
#include "keywords/KeywordStore.h"
#include "hits/ui/PinyinSortProxy.h"
#include "songs/TabText.h"
#include "songs/ui/BusyGate.h"
#include "export/ui/DetailWorkbookExport.h"
#include "ui/texts/FileMessages.h"
#include "platform/Prompts.h"
#include "platform/Shell.h"
#include "songs/SongTableModel.h"
#include "songs/ui/RemovalHistory.h"
#include "songs/ui/SongRemoval.h"
#include "ui/widgets/ListContextMenu.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/Commands.h"
#include "xls/WorkbookType.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>

namespace hits {

using keywords::KeywordListModel;
using keywords::KeywordStore;

namespace {
template<typename Control> Control *named(Control *control, const QString &name, const QString &plainName)
{
    ui::nameControl(control, name, plainName);
    return control;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    return named(new QPushButton(caption, parent), name, caption);
}

// Every model change after which a row of the hit list may name the wrong song or miss one.
template<typename Model, typename Slot> void onRowsChanged(const Model *model, QObject *receiver, Slot slot)
{
    QObject::connect(model, &QAbstractItemModel::rowsInserted, receiver, slot);
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, receiver, slot);
    QObject::connect(model, &QAbstractItemModel::rowsMoved, receiver, slot);
    QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, receiver, slot);
    QObject::connect(model, &QAbstractItemModel::layoutChanged, receiver, slot);
    QObject::connect(model, &QAbstractItemModel::dataChanged, receiver, slot);
}
} // namespace

HitListWindow::HitListWindow(const HitListSources &sources, QWidget *parent)
    : QWidget(parent, Qt::Window), m_sources(sources), m_dialog(sources.prompts)
{
    setAttribute(Qt::WA_DeleteOnClose);
    named(this, QStringLiteral("窗口_命中列表"), QStringLiteral("关键词命中列表"));
    setWindowTitle(QStringLiteral("关键词命中列表"));
    resize(960, 480);
    buildControls();

    m_dialog.setMode(platform::FileDialog::Mode::Save);
    m_dialog.setTitle(QStringLiteral("导出命中列表"));
    m_dialog.setFileName(QStringLiteral("关键词命中列表"));
    m_dialog.setFilter(xls::workbookFilter());
    m_dialog.setDefaultExtension(QStringLiteral("xls"));
    m_dialog.setInitialFolder(m_sources.dialogFolder);

    onRowsChanged(&m_sources.songs, this, [this] { scheduleRefresh(); });
    onRowsChanged(&m_sources.keywords, this, [this] { scheduleRefresh(); });
    // The removal buttons run commands joined to the gate, so an export closes them with the others.
    m_removeAllCommand = new QAction(this);
    m_removeSelectedCommand = new QAction(this);
    for (QAction *command : {m_removeAllCommand, m_removeSelectedCommand}) {
        m_sources.busy.addCommand(command);
        connect(command, &QAction::enabledChanged, this, &HitListWindow::updateButtons);
    }
    // A removal made here is undone here too: the song list's undo and redo work in this window.
    addActions({m_sources.removal.history().undoAction(), m_sources.removal.history().redoAction()});
    connect(m_removeAllCommand, &QAction::triggered, this, &HitListWindow::RemoveAllHits);
    connect(m_removeSelectedCommand, &QAction::triggered, this, &HitListWindow::RemoveSelectedHits);
    connect(m_list, &QTreeView::activated, this,
            [this](const QModelIndex &index) { Q_EMIT songChosen(index.data(HitListModel::SongRowRole).toInt()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &HitListWindow::updateButtons);
    connect(m_removeAll, &QPushButton::clicked, m_removeAllCommand, &QAction::trigger);
    connect(m_removeSelected, &QPushButton::clicked, m_removeSelectedCommand, &QAction::trigger);
    connect(m_export, &QPushButton::clicked, this, &HitListWindow::ExportHitList);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_folded, &QCheckBox::toggled, this, &HitListWindow::scheduleRefresh);

    m_refreshPending = true;
    showCounts();
    updateButtons();
    refreshWhenListReady();
}

void HitListWindow::buildControls()
{
    m_counts = new QLabel(this);
    ui::nameControl(m_counts, QStringLiteral("标签_命中统计")); // a label's text is its accessible name
    m_counts->setWordWrap(true);
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QString foldedCaption = QStringLiteral("繁简、全半角、空格和标点视为相同");
    m_folded = named(new QCheckBox(foldedCaption, this), QStringLiteral("选择框_视为相同写法"), foldedCaption);
    m_folded->setChecked(true);
    m_onlyAsWritten = new QLabel(this);
    ui::nameControl(m_onlyAsWritten, QStringLiteral("标签_只按原写法命中"));
    m_onlyAsWritten->setWordWrap(true);
    m_onlyAsWritten->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_onlyAsWritten->hide();

    m_model = new HitListModel(this);
    m_sorted = new PinyinSortProxy(this);
    m_sorted->setSourceModel(m_model);
    m_list = named(new QTreeView(this), QStringLiteral("超级列表框_命中列表"), QStringLiteral("命中列表"));
    m_list->setModel(m_sorted);
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int widths[HitListModel::ColumnCount] = {220, 130, 90, 180, 120, 160};
    for (int column = 0; column < HitListModel::ColumnCount; ++column)
        m_list->header()->resizeSection(column, widths[column]);
    // Song list order until a column header is clicked.
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
    m_list->setSortingEnabled(true);
    setFocusProxy(m_list);

    m_removeAll = makeButton(this, QStringLiteral("按钮_删除全部命中"), QStringLiteral("从歌曲列表中删除全部"));
    m_removeSelected = makeButton(this, QStringLiteral("按钮_删除选中命中"), QStringLiteral("从歌曲列表中删除选中"));
    m_export = makeButton(this, QStringLiteral("按钮_导出命中列表"), QStringLiteral("导出命中列表"));
    m_close = makeButton(this, QStringLiteral("按钮_关闭命中列表"), QStringLiteral("关闭"));

    // Ctrl+C copies the selected rows as shown, every column in list order, as tab-separated text.
    QAction *copy = ui::addCommand(m_list,
                                   {.name = QStringLiteral("菜单项_复制命中歌曲"),
                                    .caption = QStringLiteral("复制选中歌曲"),
                                    .shortcuts = {QKeySequence::Copy},
                                    .context = Qt::WidgetWithChildrenShortcut});
    ui::ListContextMenu::install(m_list);
    connect(copy, &QAction::triggered, this, &HitListWindow::copySelectedHits);

    auto *escape = new QAction(this);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QAction::triggered, this, &QWidget::close);
    addAction(escape);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_removeAll);
    buttons->addWidget(m_removeSelected);
    buttons->addStretch();
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_counts);
    layout->addWidget(m_folded);
    layout->addWidget(m_onlyAsWritten);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

void HitListWindow::refresh()
{
    m_refreshPending = false;
    const HitRule rule = m_folded->isChecked() ? HitRule::Folded : HitRule::AsWritten;
    m_model->setHits(KeywordHits::find(m_sources.keywords, m_sources.songs, rule), m_sources.songs);
    showCounts();
    showKeywordsHitOnlyAsWritten();
    updateButtons();
}

void HitListWindow::scheduleRefresh()
{
    ++m_changes;
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    m_model->clear();
    showCounts();
    showKeywordsHitOnlyAsWritten();
    updateButtons();
    // A zero timer lets a run of changes (a song appended cell by cell, a keyword list refilled row
    // by row) end before the hits are found once.
    QTimer::singleShot(0, this, &HitListWindow::refreshWhenListReady);
}

void HitListWindow::refreshWhenListReady()
{
    // The window may be closed, and so gone, before a keyword list load under way ends.
    QPointer<HitListWindow> self(this);
    m_sources.store.runWhenListReady([self] {
        if (self)
            self->refresh();
    });
}

void HitListWindow::showCounts()
{
    if (m_refreshPending) {
        m_counts->setText(QStringLiteral("正在查找命中关键词的歌曲……"));
        return;
    }
    const KeywordHits &hits = m_model->hits();
    if (hits.count() == 0) {
        m_counts->setText(QStringLiteral("歌曲列表中没有歌曲的名字含有关键词。"));
        return;
    }
    QStringList perRemark;
    for (const RemarkCount &count : hits.remarkCounts()) {
        const QString remark = count.remark.isEmpty() ? QStringLiteral("（无备注）") : count.remark;
        perRemark << QStringLiteral("%1 %2 首").arg(remark).arg(count.songs);
    }
    m_counts->setText(QStringLiteral("共 %1 首歌曲命中关键词：").arg(hits.count())
                      + perRemark.join(QStringLiteral("，")));
}

void HitListWindow::showKeywordsHitOnlyAsWritten()
{
    // A long list of such keywords is named in part, with their number.
    constexpr qsizetype kNamed = 30;
    const QStringList &keywords = m_model->hits().hitOnlyAsWritten();
    m_onlyAsWritten->setVisible(!m_refreshPending && !keywords.isEmpty());
    if (keywords.isEmpty())
        return;
    QString names = keywords.first(std::min(kNamed, keywords.size())).join(QStringLiteral("、"));
    if (keywords.size() > kNamed)
        names += QStringLiteral(" 等 %1 个").arg(keywords.size());
    m_onlyAsWritten->setText(QStringLiteral("去掉空格和标点后不足两个字的关键词只按原写法命中：") + names);
}

void HitListWindow::updateButtons()
{
    m_removeAll->setEnabled(m_removeAllCommand->isEnabled() && m_model->rowCount() > 0);
    m_removeSelected->setEnabled(m_removeSelectedCommand->isEnabled() && m_list->selectionModel()->hasSelection());
    m_export->setEnabled(!m_refreshPending);
}

QList<int> HitListWindow::songRowsOf(const QList<int> &shownRows) const
{
    // One hit row per song, so the rows shown name each song once.
    QList<int> songRows;
    songRows.reserve(shownRows.size());
    for (int row : shownRows)
        songRows.append(m_sorted->index(row, 0).data(HitListModel::SongRowRole).toInt());
    return songRows;
}

void HitListWindow::RemoveAllHits()
{
    QList<int> shown;
    for (int row = 0; row < m_sorted->rowCount(); ++row)
        shown.append(row);
    confirmRemoval(songRowsOf(shown), QStringLiteral("确定要从歌曲列表中删除命中关键词的全部 %1 首歌曲吗？"));
}

void HitListWindow::RemoveSelectedHits()
{
    QList<int> shown;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        shown.append(index.row());
    confirmRemoval(songRowsOf(shown), QStringLiteral("确定要从歌曲列表中删除选中的 %1 首歌曲吗？"));
}

void HitListWindow::copySelectedHits()
{
    QList<int> shown;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        shown.append(index.row());
    if (shown.isEmpty())
        return;
    std::sort(shown.begin(), shown.end());
    QList<QString> cells; // whole, as the export writes them; the texts must outlive the views handed out
    cells.reserve(shown.size() * HitListModel::ColumnCount);
    for (const int row : shown) {
        for (int column = 0; column < HitListModel::ColumnCount; ++column)
            cells.append(m_sorted->index(row, column).data(HitListModel::WholeTextRole).toString());
    }
    QGuiApplication::clipboard()->setText(
        songs::tabSeparatedRows(int(shown.size()), HitListModel::ColumnCount, [&](int row, int column) {
            return QStringView(cells[row * HitListModel::ColumnCount + column]);
        }));
}

void HitListWindow::confirmRemoval(const QList<int> &songRows, const QString &question)
{
    if (songRows.isEmpty())
        return;
    const int changesBefore = m_changes;
    const int answer = m_sources.prompts.messageBox(this, question.arg(songRows.size()),
                                                    platform::mb::YesNo | platform::mb::IconWarning, QString());
    // The table may have changed while the question was up; the rows asked about are then stale.
    // An export started meanwhile is the gate's to refuse.
    if (answer != platform::mb::IdYes || m_changes != changesBefore)
        return;
    m_sources.removal.removeSongs(songRows);
}

void HitListWindow::ExportHitList()
{
    if (!m_dialog.show(this))
        return;
    const QString path = m_dialog.fileName();
    const xls::WorkbookType type = xls::workbookTypeFor(path, m_dialog.filterIndex());
    exporting::WorkbookSaveFailure failure;
    bool saved = false;
    try {
        saved = saveHitListWorkbook(*m_sorted, path, type, failure);
    } catch (const std::bad_alloc &) {
        failure.kind = exporting::WorkbookSaveFailure::Kind::OutOfMemory;
    }
    if (!saved) {
        m_sources.prompts.messageBox(this, exporting::workbookFailureMessage(path, failure),
                                     platform::mb::Ok | platform::mb::IconWarning, QString());
        return;
    }
    m_sources.prompts.messageBox(this, QStringLiteral("导出成功!"), platform::mb::Ok | platform::mb::IconInformation,
                                 QString());
    m_sources.shell.openDocument(path);
}

} // namespace hits
