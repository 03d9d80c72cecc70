// The keyword search over the song names.
#include "keywords/ui/KeywordSearch.h"

#include "keywords/KeywordListModel.h"
#include "keywords/KeywordStore.h"
#include "text/KeywordFinder.h"
#include "keywords/ui/KeywordTexts.h"
#include "text/KeywordMatchRule.h"
#include "platform/Prompts.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"
#include "songs/ui/BusyGate.h"

#include <QAction>
#include <QPushButton>

namespace keywords {

KeywordSearch::KeywordSearch(const KeywordListModel &list, const songs::SongTableModel &songs,
                             platform::Prompts &prompts, QWidget *dialogParent, QObject *parent)
    : QObject(parent), m_list(list), m_songs(songs), m_prompts(prompts), m_dialogParent(dialogParent)
{
}

void KeywordSearch::attachButtons(QPushButton *searchAll, QPushButton *searchOne, KeywordStore &store,
                                  songs::BusyGate &gate)
{
    auto *all = new QAction(this);
    connect(all, &QAction::triggered, this, [this, &store] { store.runWhenListReady([this] { SearchKeywords(); }); });
    auto *one = new QAction(this);
    connect(one, &QAction::triggered, this, &KeywordSearch::SearchSongsForKeyword);
    const std::pair<QPushButton *, QAction *> commands[] = {{searchAll, all}, {searchOne, one}};
    for (const auto &[button, command] : commands) {
        connect(button, &QPushButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
        gate.addCommand(command);
        button->setEnabled(command->isEnabled());
    }
}

void KeywordSearch::SearchKeywords()
{
    const int keywordCount = m_list.count();
    QList<QString> keywords;
    keywords.reserve(keywordCount);
    for (int k = 0; k < keywordCount; ++k)
        keywords.append(m_list.row(k).name);

    // One pass over the song names finds every keyword's first song; the messages then follow in
    // keyword order, exactly as a scan per keyword would give them.
    const int songCount = m_songs.songCount();
    const std::vector<int> firstSongs = ::text::KeywordFinder(keywords).firstHits(
        songCount, [this](int row) { return m_songs.cellView(row, songs::kNameColumn); });

    for (int k = 0; k < keywordCount; ++k) {
        m_currentKeyword = keywords[k];
        if (m_songs.songCount() != songCount)
            SearchSongsForKeyword(); // the table grew while a message was up: scan it as it is now
        else if (firstSongs[size_t(k)] >= 0)
            MatchSongRow(firstSongs[size_t(k)]);
    }
    m_prompts.messageBox(m_dialogParent, text::searchDone(), platform::mb::Ok, QString());
}

void KeywordSearch::SearchSongsForKeyword()
{
    const int songCount = m_songs.songCount();
    for (int row = 0; row < songCount; ++row) {
        if (MatchSongRow(row))
            return;
    }
}

bool KeywordSearch::MatchSongRow(int row)
{
    if (row < 0 || row >= m_songs.songCount()
        || !::text::containsKeyword(m_songs.cellView(row, songs::kNameColumn), m_currentKeyword))
        return false;
    Q_EMIT songFound(row);
    m_prompts.messageBox(m_dialogParent, text::found(m_currentKeyword), platform::mb::Ok, QString());
    return true;
}

} // namespace keywords
