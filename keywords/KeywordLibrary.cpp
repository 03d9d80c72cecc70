// The keyword library: its controls' wiring, and commands that wait for a list load to end.
#include "keywords/KeywordLibrary.h"

#include "keywords/KeywordListModel.h"
#include "platform/ClickableLabel.h"
#include "platform/Prompts.h"
#include "platform/QuitRequest.h"

#include <QDir>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace keywords {

KeywordLibrary::KeywordLibrary(const KeywordPanel &panel, songs::SongTableModel &songs, songs::SongListView &songList,
                               platform::Prompts &prompts, QString programFolder, const platform::QuitRequest &quit,
                               QObject *parent)
    : QObject(parent), m_panel(panel), m_list(*panel.listModel), m_songs(songs), m_songList(songList),
      m_prompts(prompts), m_programFolder(std::move(programFolder)), m_quit(quit)
{
    connectControls();
}

KeywordLibrary::~KeywordLibrary() = default;

void KeywordLibrary::connectControls()
{
    using platform::ClickableLabel;
    connect(m_panel.showAdd, &ClickableLabel::leftButtonPressed, this, [this] {
        m_panel.addPanel->show();
        m_panel.addPanel->raise();
    });
    connect(m_panel.cancelButton, &QPushButton::clicked, m_panel.addPanel, &QWidget::hide);
    const std::pair<ClickableLabel *, QString> quickRemarks[] = {
        {m_panel.remarkBanned, QStringLiteral("违禁")},
        {m_panel.remarkDisputed, QStringLiteral("版权纠纷")},
        {m_panel.remarkCommercial, QStringLiteral("商业")},
    };
    for (const auto &[label, remark] : quickRemarks)
        connect(label, &ClickableLabel::leftButtonPressed, this, [this, remark] { m_panel.remarkEdit->setText(remark); });

    // Commands that change, reload or walk the keyword list wait for a load under way.
    connect(m_panel.addButton, &QPushButton::clicked, this,
            [this] { runWhenListReady([this] { validateAndAddKeyword(); }); });
    connect(m_panel.deleteButton, &QPushButton::clicked, this,
            [this] { runWhenListReady([this] { confirmAndDeleteKeyword(); }); });
    connect(m_panel.searchButton, &QPushButton::clicked, this,
            [this] { runWhenListReady([this] { SearchKeywords(); }); });
    connect(m_panel.searchOneButton, &QPushButton::clicked, this, &KeywordLibrary::SearchSongsForKeyword);
}

QString KeywordLibrary::databasePath() const
{
    return QDir(m_programFolder).filePath(QStringLiteral("music.mdb"));
}

void KeywordLibrary::runWhenListReady(std::function<void()> command)
{
    if (m_loading) {
        m_waitingCommands.push_back(std::move(command));
        return;
    }
    command();
}

void KeywordLibrary::runWaitingCommands()
{
    // A command may start a load of its own; the rest then wait for that one. Once the program is
    // ending, none of them runs.
    if (m_quit.isRequested())
        m_waitingCommands.clear();
    while (!m_loading && !m_waitingCommands.empty()) {
        std::function<void()> command = std::move(m_waitingCommands.front());
        m_waitingCommands.pop_front();
        command();
    }
}

int KeywordLibrary::selectedKeywordRow() const
{
    const QModelIndexList rows = m_panel.list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

int KeywordLibrary::tell(const QString &text, unsigned style, const QString &title)
{
    return m_prompts.messageBox(m_panel.list->window(), text, style, title);
}

} // namespace keywords
