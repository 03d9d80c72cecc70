// Undoing and redoing removals without the main window: what each step reports, the entries'
// captions and the gate, and the status line's words for every fact.
#include "songs/ui/RemovalHistory.h"

#include "songs/ui/BusyGate.h"
#include "songs/SongTableModel.h"

#include <QAction>
#include <QWidget>
#include <gtest/gtest.h>

using songs::RemovalFact;
using Kind = songs::RemovalFact::Kind;

namespace {
QString names(const songs::SongTableModel &table)
{
    QString result;
    for (int row = 0; row < table.songCount(); ++row)
        result += table.cellText(row, 0);
    return result;
}
} // namespace

TEST(RemovalHistory, StepsGoBackLatestFirstAndSayWhatTheyDid)
{
    songs::SongTableModel table;
    songs::SongStore rows;
    for (const char16_t *name : {u"a", u"b", u"c", u"d", u"e", u"f"}) {
        songs::SongStore::Cells cells;
        cells[0] = QStringView(name);
        rows.appendRow(cells);
    }
    table.appendRows(std::move(rows));
    QWidget list;
    songs::BusyGate gate;
    songs::RemovalHistory history(table, list, gate);
    QList<RemovalFact> facts;
    QObject::connect(&history, &songs::RemovalHistory::stepped, [&facts](const RemovalFact &fact) { facts << fact; });

    history.undoRemoval();
    history.redoRemoval();
    EXPECT_EQ(history.undoAction()->text(), u"撤销删除"_qs) << "usable, so that the key says why nothing happens";
    history.removeSongs({1, 2});
    history.removeSongs({0});
    EXPECT_EQ(names(table), u"def"_qs);
    EXPECT_EQ(history.undoAction()->text(), u"撤销删除（1首）"_qs);
    history.undoRemoval();
    EXPECT_EQ(history.redoAction()->text(), u"重做删除（1首）"_qs);
    history.undoRemoval();
    EXPECT_EQ(names(table), u"abcdef"_qs);
    history.redoRemoval();
    EXPECT_EQ(names(table), u"adef"_qs);
    EXPECT_EQ(facts,
              (QList<RemovalFact>{{Kind::NothingToUndo},
                                  {Kind::NothingToRedo},
                                  {Kind::Undone, 1, 4},
                                  {Kind::Undone, 2, 6},
                                  {Kind::Redone, 2, 4}}));

    const songs::BusyGate::Hold hold(gate);
    EXPECT_FALSE(history.undoAction()->isEnabled());
    EXPECT_FALSE(history.redoAction()->isEnabled());
}

TEST(RemovalHistory, EachFactHasItsStatusLine)
{
    const std::pair<RemovalFact, const char16_t *> cases[] = {
        {{Kind::Removed, 2, 5}, u"消息：删除歌曲2首，剩余5首"},
        {{Kind::Undone, 2, 7}, u"消息：撤销删除，恢复歌曲2首，共7首"},
        {{Kind::Redone, 1, 6}, u"消息：重做删除，删除歌曲1首，剩余6首"},
        {{Kind::NothingToUndo}, u"消息：没有可以撤销的删除"},
        {{Kind::NothingToRedo}, u"消息：没有可以重做的删除"},
    };
    for (const auto &[fact, text] : cases)
        EXPECT_EQ(songs::removalStatusText(fact), QString::fromUtf16(text));
}
