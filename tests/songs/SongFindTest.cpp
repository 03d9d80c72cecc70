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

TEST(SongFind, StepsThroughNameSingerAndCodeWithTheKeywordRuleAndWraps)
{
    // name, singer, code; the language and file columns are never looked at
    songs::SongTableModel songs;
    fill(songs, {{u"Love Story"_qs, u"Taylor"_qs, u"00000001"_qs},
                                               {u"青花瓷"_qs, u"周杰伦"_qs, u"00000002"_qs},
                                               {u"ＬＯＶＥ"_qs, u"x"_qs, u"00000003"_qs},
                                               {u"情歌"_qs, u"love"_qs, u"00000004"_qs}});
    const struct {
        const char16_t *text;
        int from;
        bool forward;
        int row;
        bool wrapped;
    } steps[] = {
        {u"LOVE", -1, true, 0, false},   {u"LOVE", 0, true, 3, false}, {u"LOVE", 3, true, 0, true},
        {u"love", 0, false, 3, true},    {u"LOVE", 3, false, 0, false}, {u"周杰", -1, false, 1, false},
        {u"00000004", 3, true, 3, true}, {u"ｌｏｖｅ", -1, true, -1, false}, {u"", -1, true, -1, false},
        {u"一", 0, true, -1, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(QString::fromUtf16(step.text).toStdString() + " from " + std::to_string(step.from));
        const songs::FoundSong found = songs::findSong(songs, QString::fromUtf16(step.text), step.from, step.forward);
        EXPECT_EQ(found.row, step.row);
        EXPECT_EQ(found.wrapped, step.wrapped);
    }
}
