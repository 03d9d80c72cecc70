// Taking songs out of the song table through the real main window: the selected rows with the
// Delete key, the repeated codes from the context menu, and the removal another command asks for.
#include "songs/ui/SongRemoval.h"
#include "songs/ui/BusyGate.h"
#include "songs/ui/SongListView.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/TestWindow.h"
#include "ui/widgets/ReadOnlyTextBox.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using testing_support::gbk;
using testing_support::TestWindow;
using testing_support::status;

namespace {

struct Song {
    QString name;
    QString code;
};

QString importSongs(TestWindow &t, const QList<Song> &songs, const QString &fileName = QStringLiteral("search.txt"))
{
    QString text;
    for (const Song &song : songs)
        text += QStringLiteral("80||") + song.code + QStringLiteral("||a.mpg||") + song.name + QStringLiteral("\r\n");
    const QString path = t.writeFile(fileName, gbk(text));
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导入8位编码"));
    return path;
}

// The code list file an export through the toolbar writes from the song table.
QByteArray exportedCodes(TestWindow &t)
{
    const QString path = t.path(QStringLiteral("codes.txt"));
    QFile::remove(path);
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导出8位编码"));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray codeLines(const QStringList &codes)
{
    QByteArray lines;
    for (const QString &code : codes)
        lines += gbk(code) + "\r\n";
    return lines;
}

void clickRow(songs::SongListView &list, int row, Qt::KeyboardModifiers modifiers = {})
{
    const QModelIndex index = list.model()->index(row, 0);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, list.visualRect(index).center());
}

QAction *entry(const TestWindow &t, const QString &caption)
{
    for (QAction *action : t.window->songList().actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

} // namespace

TEST(SongRemoval, DeleteRemovesTheSelectedSongsAfterAYes)
{
    TestWindow t;
    importSongs(t,
                {{u"一"_qs, u"00000001"_qs},
                 {u"二"_qs, u"00000002"_qs},
                 {u"三"_qs, u"00000003"_qs},
                 {u"四"_qs, u"00000004"_qs},
                 {u"五"_qs, u"00000005"_qs},
                 {u"六"_qs, u"00000006"_qs}});
    songs::SongListView &list = t.window->songList();
    t.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
    list.setFocus();

    clickRow(list, 0);
    clickRow(list, 1);
    EXPECT_EQ(list.selectedSongRows(), QList<int>{1}) << "a plain click selects one row, as before";
    clickRow(list, 3, Qt::ControlModifier);
    clickRow(list, 4, Qt::ShiftModifier);
    ASSERT_EQ(list.selectedSongRows(), (QList<int>{1, 3, 4}));

    QTest::keyClick(&list, Qt::Key_Delete); // unanswered: No
    EXPECT_EQ(t.window->songTable().songCount(), 6);
    t.prompts.answerMessageBox(platform::mb::IdYes);
    QTest::keyClick(&list, Qt::Key_Delete);

    ASSERT_EQ(t.prompts.messages.size(), 2);
    EXPECT_EQ(t.prompts.messages[1].text, u"确定要从歌曲列表中删除选中的3首歌曲吗？"_qs);
    EXPECT_EQ(t.prompts.messages[1].style & platform::mb::ButtonMask, platform::mb::YesNo);
    EXPECT_EQ(status(t), u"消息：删除歌曲3首，剩余3首"_qs);
    EXPECT_EQ(exportedCodes(t), codeLines({u"00000001"_qs, u"00000003"_qs, u"00000006"_qs}));
    EXPECT_TRUE(list.selectedSongRows().isEmpty());

    // An import afterwards appends as before.
    importSongs(t, {{u"七"_qs, u"00000007"_qs}}, QStringLiteral("more.txt"));
    EXPECT_EQ(exportedCodes(t), codeLines({u"00000001"_qs, u"00000003"_qs, u"00000006"_qs, u"00000007"_qs}));
}

TEST(SongRemoval, RepeatedCodesOfAFileImportedTwiceGoFromTheContextMenu)
{
    TestWindow t;
    const QList<Song> songs = {
        {u"一"_qs, u"00000001"_qs}, {u"无编码"_qs, QString()}, {u"二"_qs, u"00000002"_qs}, {u"一"_qs, u"00000001"_qs}};
    importSongs(t, songs);
    importSongs(t, songs);
    songs::SongListView &list = t.window->songList();
    EXPECT_EQ(list.contextMenuPolicy(), Qt::CustomContextMenu);
    QAction *removeRepeats = entry(t, u"删除重复编码的歌曲"_qs);
    ASSERT_NE(removeRepeats, nullptr);
    ASSERT_NE(entry(t, u"删除选中歌曲"_qs), nullptr);

    t.prompts.answerMessageBox(platform::mb::IdYes);
    removeRepeats->trigger();
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.messages[0].text, u"歌曲列表中有4首歌曲的编码与前面的歌曲重复，确定删除吗？"_qs);
    EXPECT_EQ(status(t), u"消息：删除歌曲4首，剩余4首"_qs);
    EXPECT_EQ(exportedCodes(t), codeLines({u"00000001"_qs, QString(), u"00000002"_qs, QString()}))
        << "each code once; songs without a code are all kept";

    removeRepeats->trigger();
    ASSERT_EQ(t.prompts.messages.size(), 2);
    EXPECT_EQ(t.prompts.messages[1].text, u"歌曲列表中没有编码重复的歌曲。"_qs);
    EXPECT_EQ(t.prompts.messages[1].style & platform::mb::ButtonMask, platform::mb::Ok);
}

// While an export holds the gate, nothing removes songs; afterwards removing every song leaves an
// export of an empty table.
TEST(SongRemoval, NothingIsRemovedWhileAnExportRunsAndAnEmptiedTableExportsAsAnEmptyOne)
{
    TestWindow t;
    importSongs(t, {{u"一"_qs, u"00000001"_qs}, {u"二"_qs, u"00000002"_qs}});
    songs::SongRemoval &removal = t.window->songRemoval();
    QList<std::pair<int, int>> reported;
    QObject::connect(&removal, &songs::SongRemoval::songsRemoved, [&reported](int removed, int remaining) {
        reported.append({removed, remaining});
    });
    t.window->songList().selectRow(0);
    {
        const songs::BusyGate::Hold hold(t.window->busyGate());
        EXPECT_FALSE(entry(t, u"删除选中歌曲"_qs)->isEnabled());
        EXPECT_FALSE(entry(t, u"删除重复编码的歌曲"_qs)->isEnabled());
        EXPECT_EQ(removal.removeSongs({0, 1}), 0);
        entry(t, u"删除选中歌曲"_qs)->trigger();
    }
    EXPECT_TRUE(entry(t, u"删除选中歌曲"_qs)->isEnabled());
    EXPECT_EQ(t.window->songTable().songCount(), 2);
    EXPECT_TRUE(t.prompts.messages.isEmpty());

    EXPECT_EQ(removal.removeSongs({1, 7, 0, 1, -1}), 2) << "rows the table lacks are passed over";
    EXPECT_EQ(reported, (QList<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(status(t), u"消息：删除歌曲2首，剩余0首"_qs);
    EXPECT_EQ(exportedCodes(t), QByteArray("<missing>"));
    EXPECT_EQ(t.find<ui::ReadOnlyTextBox>(u"编辑框2"_qs)->toPlainText(), u"导出失败，请检查搜歌文件是否为8位编码"_qs);
}

// A later catalogue less the songs of an earlier code list (or search file): the code list gives
// exactly the new songs; the removal is undone and redone, in any number, with an import between.
TEST(SongRemoval, ExportedSongsGoAndEveryRemovalCanBeUndoneAndRedone)
{
    TestWindow t;
    const QString first = importSongs(t, {{u"一"_qs, u"00000001"_qs}, {u"二"_qs, u"00000002"_qs}}, u"old.txt"_qs);
    const QByteArray oldCodes = exportedCodes(t);
    const QString oldList = t.writeFile(u"old-codes.txt"_qs, oldCodes);
    t.prompts.answerMessageBox(platform::mb::IdYes);
    t.window->songRemoval().removeSongs({0, 1});
    importSongs(t, {{u"一"_qs, u"00000001"_qs}, {u"新"_qs, u"00000009"_qs}, {u"二"_qs, u"00000002"_qs},
                    {u"无编码"_qs, QString()}});
    const QByteArray allCodes = exportedCodes(t);

    QAction *removeExported = entry(t, u"删除已导出过的歌曲..."_qs);
    ASSERT_NE(removeExported, nullptr);
    EXPECT_EQ(removeExported->shortcut(), QKeySequence(u"Ctrl+Shift+D"_qs));
    const QString utf16 = t.writeFile(u"utf16.txt"_qs, QByteArray("\xFF\xFE" "1\0" "2\0", 6));
    for (const QString &bad : {utf16, t.path(u"missing.txt"_qs), t.path(QString())}) {
        t.prompts.messages.clear();
        t.prompts.answerFileDialog(bad);
        removeExported->trigger();
        ASSERT_EQ(t.prompts.messages.size(), 1);
        EXPECT_TRUE(t.prompts.messages[0].text.contains(u"原因："_qs)) << t.prompts.messages[0].text.toStdString();
        EXPECT_EQ(t.window->songTable().songCount(), 4);
    }
    t.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
    for (const QString &earlier : {oldList, first}) {
        t.prompts.messages.clear();
        t.prompts.answerFileDialog(earlier);
        t.prompts.answerMessageBox(platform::mb::IdYes);
        removeExported->trigger();
        ASSERT_EQ(t.prompts.messages.size(), 1);
        EXPECT_EQ(t.prompts.messages[0].text,
                  u"歌曲列表的4首歌曲中有2首已在所选的文件中（以前导出过），确定从歌曲列表中删除这2首吗？"_qs);
        EXPECT_EQ(status(t), u"消息：删除歌曲2首，剩余2首"_qs);
        EXPECT_EQ(exportedCodes(t), codeLines({u"00000009"_qs, QString()}));
        QTest::keyClick(&t.window->songList(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(status(t), u"消息：撤销删除，恢复歌曲2首，共4首"_qs);
        EXPECT_EQ(exportedCodes(t), allCodes);
    }

    QAction *undo = entry(t, u"撤销删除（2首）"_qs);
    ASSERT_NE(undo, nullptr) << "the removal at start is still there to undo";
    importSongs(t, {{u"后来"_qs, u"00000010"_qs}}, u"later.txt"_qs);
    undo->trigger();
    EXPECT_EQ(exportedCodes(t), codeLines({u"00000001"_qs, u"00000002"_qs}) + allCodes + "00000010\r\n");
    EXPECT_EQ(t.window->songTable().cellText(0, 0), u"一"_qs);
    EXPECT_EQ(t.window->songTable().cellText(1, 0), u"二"_qs);
    EXPECT_EQ(t.window->songTable().songCount(), 7);
    for (int i = 0; i < 10000; ++i)
        undo->trigger();
    EXPECT_EQ(status(t), u"消息：没有可以撤销的删除"_qs);
    EXPECT_EQ(t.window->songTable().songCount(), 7);

    QAction *redo = entry(t, u"重做删除（2首）"_qs);
    ASSERT_NE(redo, nullptr);
    {
        const songs::BusyGate::Hold hold(t.window->busyGate());
        EXPECT_FALSE(redo->isEnabled());
        EXPECT_FALSE(removeExported->isEnabled());
    }
    redo->trigger();
    EXPECT_EQ(status(t), u"消息：重做删除，删除歌曲2首，剩余5首"_qs);
    EXPECT_EQ(t.window->songTable().cellText(0, 0), u"一"_qs) << "the second import's first song";
}

// A code list of millions of codes is read on a worker while the window answers, with the song
// commands shut; when memory runs out the list and its undo history stay as they were.
TEST(SongRemoval, ExportedSongsAreReadWhileTheWindowAnswersAndOutOfMemoryLosesNothing)
{
    TestWindow t;
    importSongs(t, {{u"一"_qs, u"00000001"_qs}, {u"二"_qs, u"00000002"_qs}, {u"三"_qs, u"00000003"_qs}});
    t.window->songRemoval().removeSongs({2});
    QAction *removeExported = entry(t, u"删除已导出过的歌曲..."_qs);
    const QString big = t.writeFile(u"big.txt"_qs, QByteArray("12345678\r\n").repeated(8000000) + "00000002\r\n");
    bool gateShut = false;
    QTimer::singleShot(0, [&] { gateShut = t.window->busyGate().isBusy() && !removeExported->isEnabled(); });
    t.prompts.messages.clear();
    t.prompts.answerFileDialog(big);
    removeExported->trigger(); // answered No
    EXPECT_TRUE(gateShut);
    ASSERT_EQ(t.prompts.messageTexts(),
              QStringList{u"歌曲列表的2首歌曲中有1首已在所选的文件中（以前导出过），确定从歌曲列表中删除这1首吗？"_qs});
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    t.prompts.messages.clear();
    {
        const testing_support::MemoryLimit limit(16 << 20);
        t.prompts.answerFileDialog(big);
        removeExported->trigger();
    }
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{u"内存不足，无法读取这些文件。歌曲列表没有改动。"_qs});
    EXPECT_EQ(t.window->songTable().songCount(), 2);
    ASSERT_NE(entry(t, u"撤销删除（1首）"_qs), nullptr);
#endif
}
