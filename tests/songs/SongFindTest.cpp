// Finding a song step by step.
#include "songs/SongFind.h"
#include "songs/SongTableModel.h"

#include <gtest/gtest.h>

namespace {
void fill(songs::SongTableModel &model, const QList<QStringList> &rows)
{
    songs::SongStore store;
    for (const QStringList &row : rows) {
        songs::SongStore::Cells cells;
        cells.fill(QStringView());
        for (int column = 0; column < row.size(); ++column)
            cells[size_t(column == 2 ? songs::kCodeColumn : column)] = row[column];
        store.appendRow(cells);
    }
    model.appendRows(std::move(store));
}
} // namespace

using songs::FoundBy;

// The keyword rule on name, singer and code; the fold of the text in the fold of the name or singer;
// a text of ASCII letters as the initials of the name or singer, looked up as written (乾 keeps its q).
TEST(SongFind, StepsThroughEverySongTheRulesFindAndSaysHowAndWraps)
{
    // name, singer, code; the language and file columns are never looked at
    songs::SongTableModel songs;
    fill(songs,
         {{u"Love Story"_qs, u"Taylor"_qs, u"00000001"_qs},
          {u"青花瓷"_qs, u"周杰伦"_qs, u"00000002"_qs},
          {u"ＬＯＶＥ"_qs, u"x"_qs, u"00000003"_qs},
          {u"情歌"_qs, u"love"_qs, u"00000004"_qs},
          {u"長城"_qs, u"鄧麗君"_qs, u"00000005"_qs},
          {u"大地　恩情"_qs, u"群星"_qs, u"00000006"_qs},
          {u"甲歌15"_qs, u"乾隆"_qs, u"00000007"_qs}});
    const struct {
        const char16_t *text;
        int from;
        bool forward;
        int row;
        bool wrapped;
        FoundBy by;
    } steps[] = {
        {u"LOVE", -1, true, 0, false, FoundBy::Text},
        {u"LOVE", 0, true, 2, false, FoundBy::Variant},
        {u"LOVE", 2, true, 3, false, FoundBy::Text},
        {u"LOVE", 3, true, 0, true, FoundBy::Text},
        {u"love", 0, false, 3, true, FoundBy::Text},
        {u"LOVE", 2, false, 0, false, FoundBy::Text},
        {u"周杰", -1, false, 1, false, FoundBy::Text},
        {u"00000004", 3, true, 3, true, FoundBy::Text},
        {u"ｌｏｖｅ", -1, true, 0, false, FoundBy::Variant},
        {u"长城", -1, true, 4, false, FoundBy::Variant},
        {u"邓丽君", -1, true, 4, false, FoundBy::Variant},
        {u"大地恩情", -1, true, 5, false, FoundBy::Variant},
        {u"cc", -1, true, 4, false, FoundBy::Initials},
        {u"ZC", -1, true, 4, false, FoundBy::Initials},
        {u"dlj", -1, true, 4, false, FoundBy::Initials},
        {u"ddeq", -1, true, 5, false, FoundBy::Initials},
        {u"ql", -1, true, 6, false, FoundBy::Initials},
        {u"gl", 6, true, 6, true, FoundBy::Initials},
        {u"q", -1, true, 1, false, FoundBy::Initials},
        {u"甲歌15\r\n", -1, true, 6, false, FoundBy::Text},
        {u"０００００００５", -1, true, -1, false, FoundBy::Text}, // codes are matched as written only
        {u"ddq", -1, true, -1, false, FoundBy::Text},
        {u"\r\n", -1, true, -1, false, FoundBy::Text},
        {u"", -1, true, -1, false, FoundBy::Text},
        {u"一", 0, true, -1, false, FoundBy::Text},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(QString::fromUtf16(step.text).toStdString() + " from " + std::to_string(step.from));
        const songs::FoundSong found = songs::findSong(songs, QString::fromUtf16(step.text), step.from, step.forward);
        EXPECT_EQ(found.row, step.row);
        EXPECT_EQ(found.wrapped, step.wrapped);
        if (found.row >= 0) {
            EXPECT_EQ(found.by, step.by);
        }
    }
    EXPECT_EQ(songs::findSong(songs, QString(10000, u'a'), -1, true).row, -1);
}
