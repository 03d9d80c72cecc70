// The keyword search through "搜索关键词": the first song of every keyword is selected and
// reported, in keyword order, then "搜索结束".
#include "keywords/ui/KeywordSearch.h"
#include "platform/Prompts.h"
#include "songs/ui/SongListView.h"
#include "tests/keywords/KeywordWindow.h"
#include "tests/support/PinyinCollation.h"

#include <QApplication>
#include <gtest/gtest.h>

using testing_support::KeywordWindow;
using testing_support::Message;
namespace mb = platform::mb;

namespace {

const QString kDone = u"搜索结束"_qs;

QString found(const QString &keyword)
{
    return u"找到   "_qs + keyword;
}

// Records, for every message, the song row selected behind it.
QList<int> selectionsBehindMessages(KeywordWindow &w, int count)
{
    auto selections = std::make_shared<QList<int>>();
    for (int i = 0; i < count; ++i)
        w.t.prompts.whileMessageShown([&w, selections] { selections->append(w.selectedSong()); });
    w.click(u"按钮4"_qs);
    return *selections;
}

TEST(KeywordSearch, EmptyListsGiveOnlyTheEnd)
{
    KeywordWindow noKeywords;
    noKeywords.addSongs({u"爱情买卖"_qs});
    noKeywords.click(u"按钮4"_qs);
    EXPECT_EQ(noKeywords.t.prompts.messageTexts(), QStringList{kDone});

    KeywordWindow noSongs({{1, u"爱情"_qs, u"无"_qs}});
    noSongs.click(u"按钮4"_qs);
    EXPECT_EQ(noSongs.t.prompts.messageTexts(), QStringList{kDone});
    EXPECT_EQ(noSongs.message(0), (Message{kDone, mb::Ok}));
}

// First hit only, a hit in mid-name, ASCII case, other columns never looked at, and two keywords
// on one song (reported twice).
TEST(KeywordSearch, ReportsTheFirstSongOfEachKeywordInKeywordOrder)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w({{1, u"情"_qs, u"违禁"_qs},
                     {2, u"LOVE"_qs, u"商业"_qs},
                     {3, u"不存在的歌名很长很长"_qs, u"无"_qs},
                     {4, u"刘德华"_qs, u"歌手"_qs},
                     {5, u"mp3"_qs, u"文件"_qs},
                     {6, u"买卖"_qs, u"无"_qs}});
    // Keyword order (pinyin): 不存在…, 刘德华, 买卖, 情, LOVE, mp3.
    // The first song's singer and file match keywords, but only names are looked at.
    w.addSongRows({{u"青花瓷"_qs, u"刘德华"_qs, {}, {}, {}, u"qhc.mp3"_qs},
                   {u"爱情买卖"_qs},
                   {u"my love song"_qs},
                   {u"爱情"_qs},
                   {u"Love Story"_qs}});
    const QList<int> selected = selectionsBehindMessages(w, 4);
    EXPECT_EQ(w.t.prompts.messageTexts(),
              (QStringList{found(u"买卖"_qs), found(u"情"_qs), found(u"LOVE"_qs), kDone}));
    EXPECT_EQ(selected, (QList<int>{1, 1, 2, 2}));
    EXPECT_EQ(w.message(0), (Message{found(u"买卖"_qs), mb::Ok}));
    EXPECT_EQ(w.t.window->findChild<keywords::KeywordSearch *>()->CurrentKeyword(), u"mp3"_qs);
    EXPECT_EQ(w.names().size(), 6) << "the keyword list is not changed";
}

TEST(KeywordSearch, SelectsScrollsToAndFocusesTheSong)
{
    KeywordWindow w({{1, u"目标"_qs, u"无"_qs}});
    QApplication::setActiveWindow(w.t.window.get());
    QStringList names;
    for (int i = 0; i < 2000; ++i)
        names << QStringLiteral("歌%1").arg(i);
    names << u"目标歌曲"_qs;
    w.addSongs(names);
    bool focused = false;
    bool visible = false;
    w.t.prompts.whileMessageShown([&] {
        songs::SongListView &view = w.t.window->songList();
        focused = view.hasFocus();
        visible = view.viewport()->rect().intersects(view.visualRect(view.model()->index(2000, 0)));
    });
    w.click(u"按钮4"_qs);
    EXPECT_EQ(w.selectedSong(), 2000);
    EXPECT_TRUE(focused);
    EXPECT_TRUE(visible);
}

TEST(KeywordSearch, EmptyKeywordFromAnotherToolIsSkipped)
{
    KeywordWindow w({{1, u""_qs, u"空"_qs}, {2, QVariant(), u"空值"_qs}, {3, u"华"_qs, u"无"_qs}});
    w.addSongs({u"中華"_qs, u"中华"_qs});
    w.click(u"按钮4"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(), (QStringList{found(u"华"_qs), kDone}));
    EXPECT_EQ(w.selectedSong(), 1);
}

TEST(KeywordSearch, HiddenButtonSearchesForTheCurrentKeyword)
{
    KeywordWindow w({{1, u"abc"_qs, u"无"_qs}});
    w.addSongs({u"x"_qs, u"xABCx"_qs, u"abc"_qs});
    w.click(u"按钮4"_qs);
    w.t.prompts.messages.clear();
    w.t.window->songList().clearSelection();
    w.click(u"按钮6"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(), QStringList{found(u"abc"_qs)});
    EXPECT_EQ(w.selectedSong(), 1);
}

} // namespace
