// The keyword hit list through the real main window: opened by its shortcut or a list's context
// menu, sorted by a header click, showing a song, exporting a workbook and asking to remove songs.
#include "hits/ui/HitListCommand.h"
#include "platform/Prompts.h"
#include "songs/ui/SongListView.h"
#include "songs/ui/SongRemoval.h"
#include "tests/support/RequireXlrd.h"
#include "tests/xls/XlsReaders.h"
#include "tests/keywords/KeywordWindow.h"
#include "tests/support/PinyinCollation.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::KeywordWindow;
namespace mb = platform::mb;

namespace {

// The main window with three keywords and these songs (name, singer, code), the hit list opened by
// its shortcut.
struct HitList {
    KeywordWindow w{{{1, u"爱"_qs, u"违禁"_qs}, {2, u"LOVE"_qs, u"版权纠纷"_qs}, {3, u"東"_qs, u"违禁"_qs}}};
    QWidget *window = nullptr;
    QTreeView *list = nullptr;

    explicit HitList(const QList<QStringList> &songs)
    {
        QList<QStringList> rows;
        for (const QStringList &song : songs)
            rows.append({song[0], song[1], {}, {}, {}, {}, {}, {}, song[2]});
        w.addSongRows(rows);
        QObject::connect(&w.t.window->songRemoval(), &songs::SongRemoval::songsRemoved,
                         [this](int removed, int) { removals.append(removed); });
        QApplication::setActiveWindow(w.t.window.get());
        QTest::keyClick(w.t.window.get(), Qt::Key_L, Qt::ControlModifier);
        window = w.t.find<QWidget>(u"窗口_命中列表"_qs);
        if (window)
            list = window->findChild<QTreeView *>(u"超级列表框_命中列表"_qs);
    }

    QList<QStringList> rows() const
    {
        QList<QStringList> shown;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->model()->columnCount(); ++column)
                cells << list->model()->index(row, column).data().toString();
            shown << cells;
        }
        return shown;
    }
    QString counts() const { return window->findChild<QLabel *>(u"标签_命中统计"_qs)->text(); }
    void click(const QString &button) { QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton); }

    QList<int> removals; // how many songs each removal took out of the song list
};

const QList<QStringList> kSongs = {{u"爱情买卖"_qs, u"慕容晓晓"_qs, u"00000300"_qs},
                                   {u"青花瓷"_qs, u"周杰伦"_qs, u"00000100"_qs},
                                   {u"Love Story"_qs, u"Taylor"_qs, u"00000200"_qs},
                                   {u"東方之珠 爱"_qs, u"罗大佑"_qs, u"00000050"_qs}};

TEST(HitList, OpensByShortcutOrContextMenuAndListsTheHitsWithCountsPerRemark)
{
    REQUIRE_PINYIN_ORDER();
    HitList h(kSongs);
    ASSERT_NE(h.list, nullptr);
    EXPECT_TRUE(h.window->isVisible());
    EXPECT_EQ(h.window->windowTitle(), u"关键词命中列表"_qs);
    EXPECT_EQ(h.list->accessibleName(), u"命中列表"_qs);
    EXPECT_EQ(h.rows(),
              (QList<QStringList>{
                  {u"爱情买卖"_qs, u"慕容晓晓"_qs, u"00000300"_qs, u"爱"_qs, u"违禁"_qs, u"爱"_qs},
                  {u"Love Story"_qs, u"Taylor"_qs, u"00000200"_qs, u"LOVE"_qs, u"版权纠纷"_qs, u"Love"_qs},
                  {u"東方之珠 爱"_qs, u"罗大佑"_qs, u"00000050"_qs, u"爱、東"_qs, u"违禁"_qs, u"爱、東"_qs}}));
    EXPECT_EQ(h.counts(), u"共 3 首歌曲命中关键词：违禁 2 首，版权纠纷 1 首"_qs);

    // The same entry sits in both lists' context menus; using it again brings the one window back.
    for (const QString &name : {u"超级列表框_主窗口"_qs, u"超级列表框1"_qs}) {
        auto *view = h.w.t.find<QWidget>(name);
        auto *entry = view->findChild<QAction *>(u"菜单项_列出命中歌曲"_qs);
        ASSERT_NE(entry, nullptr);
        h.window->hide();
        entry->trigger();
        EXPECT_TRUE(h.window->isVisible());
    }
    EXPECT_EQ(h.w.t.window->findChildren<QWidget *>(u"窗口_命中列表"_qs).size(), 1);
}

// A screen reader reads every item of every popup, the second one of a list included, and the
// shared entry in the other list's menu after the first list's menu has shown it.
TEST(HitList, EveryContextMenuItemKeepsItsAccessibleName)
{
    KeywordWindow w({{1, u"爱"_qs, u"违禁"_qs}});
    const auto popUpAndRead = [](QAbstractScrollArea *list) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), list->viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(list->viewport(), &click);
        QWidget *menu = QApplication::activePopupWidget();
        QStringList names;
        if (!menu)
            return names;
        QAccessibleInterface *items = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < items->childCount(); ++i)
            names << items->child(i)->text(QAccessible::Name);
        QTest::keyClick(menu, Qt::Key_Escape);
        return names;
    };
    auto *keywordList = qobject_cast<QAbstractScrollArea *>(w.list);
    const QStringList keywordEntries{u"从文件导入关键词..."_qs, u"导出关键词到文件..."_qs, u"粘贴关键词"_qs,
                                     u"列出全部命中歌曲..."_qs};
    EXPECT_EQ(popUpAndRead(keywordList), keywordEntries);
    EXPECT_EQ(popUpAndRead(keywordList), keywordEntries);
    const QStringList songEntries{u"删除选中歌曲"_qs,   u"删除重复编码的歌曲"_qs,    u"撤销删除"_qs,
                                  u"重做删除"_qs,       u"删除已导出过的歌曲..."_qs, u"复制选中歌曲"_qs,
                                  u"查找歌曲..."_qs,    u"查找下一个"_qs,            u"查找上一个"_qs,
                                  u"列出全部命中歌曲..."_qs};
    EXPECT_EQ(popUpAndRead(&w.t.window->songList()), songEntries);
    EXPECT_EQ(popUpAndRead(&w.t.window->songList()), songEntries);
}

TEST(HitList, SortsByAHeaderClickAndShowsTheChosenSongInTheSongList)
{
    HitList h(kSongs);
    ASSERT_NE(h.list, nullptr);
    QHeaderView *header = h.list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    QStringList codes;
    for (const QStringList &row : h.rows())
        codes << row[2];
    EXPECT_EQ(codes, (QStringList{u"00000050"_qs, u"00000200"_qs, u"00000300"_qs}));

    const QModelIndex second = h.list->model()->index(1, 0);
    const QPoint place = h.list->visualRect(second).center();
    QTest::mouseClick(h.list->viewport(), Qt::LeftButton, {}, place); // a double click's first press
    QTest::mouseDClick(h.list->viewport(), Qt::LeftButton, {}, place);
    EXPECT_EQ(h.w.selectedSong(), 2) << "Love Story";

    h.list->setCurrentIndex(h.list->model()->index(0, 0));
    h.list->setFocus();
    QTest::keyClick(h.list, Qt::Key_Return);
    EXPECT_EQ(h.w.selectedSong(), 3);
    EXPECT_EQ(QApplication::focusWidget(), &h.w.t.window->songList());
}

// Rows appended (cell by cell) and keywords added reach the open list, with no stale row between.
TEST(HitList, FollowsChangesOfTheSongsAndTheKeywords)
{
    REQUIRE_PINYIN_ORDER();
    HitList h(kSongs);
    ASSERT_NE(h.list, nullptr);
    h.w.addSongs({u"真的爱你"_qs});
    EXPECT_EQ(h.list->model()->rowCount(), 0) << "emptied until the change is over";
    QCoreApplication::processEvents();
    EXPECT_EQ(h.rows().size(), 4);
    EXPECT_EQ(h.rows().last()[0], u"真的爱你"_qs);

    h.w.addKeyword(u"青花"_qs, u"商业"_qs);
    QCoreApplication::processEvents();
    EXPECT_EQ(h.rows().size(), 5);
    EXPECT_EQ(h.counts(), u"共 5 首歌曲命中关键词：违禁 3 首，商业 1 首，版权纠纷 1 首"_qs);
}

TEST(HitList, ExportsTheListAsShownToAWorkbook)
{
    REQUIRE_XLRD();
    HitList h(kSongs);
    ASSERT_NE(h.list, nullptr);
    h.list->sortByColumn(0, Qt::DescendingOrder);
    const QList<QStringList> shown = h.rows();
    const QString path = h.w.t.path(u"命中.xls"_qs);
    h.w.t.prompts.answerFileDialog(path);
    h.click(u"按钮_导出命中列表"_qs);
    const QStringList header = {u"歌曲名字"_qs,   u"歌手名字"_qs, u"歌曲编码"_qs,
                                u"命中关键词"_qs, u"备注"_qs,     u"歌名中的写法"_qs};
    EXPECT_EQ(xls_readers::checkWithXlrd(path, {QList<QStringList>{header} + shown}).toStdString(), "");
    EXPECT_EQ(h.w.t.prompts.messageTexts(), QStringList{u"导出成功!"_qs});
    EXPECT_EQ(h.w.t.shell.documents, QStringList{path});

    h.w.t.prompts.answerFileDialog(h.w.t.path(u"no-such-folder/命中.xls"_qs));
    h.click(u"按钮_导出命中列表"_qs);
    ASSERT_EQ(h.w.t.prompts.messages.size(), 2);
    EXPECT_TRUE(h.w.t.prompts.messages[1].text.startsWith(u"导出失败"_qs));
    EXPECT_EQ(h.w.t.prompts.messages[1].style, mb::Ok | mb::IconWarning);
}

// Written variants hit by default, with the piece of the name each keyword hit; the check box turns
// that off and on again, and the counts follow the rows shown.
TEST(HitList, TheCheckBoxSwitchesBetweenFoldedAndAsWrittenHits)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w{{{1, u"东方红"_qs, u"违禁"_qs}, {2, u"爱!"_qs, u"商业"_qs}}};
    w.addSongs({u"東方 紅"_qs, u"爱!你"_qs, u"《东》方·红"_qs, u"东方黄"_qs});
    QApplication::setActiveWindow(w.t.window.get());
    QTest::keyClick(w.t.window.get(), Qt::Key_L, Qt::ControlModifier);
    auto *window = w.t.find<QWidget>(u"窗口_命中列表"_qs);
    ASSERT_NE(window, nullptr);
    auto *box = window->findChild<QCheckBox *>(u"选择框_视为相同写法"_qs);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->text(), u"繁简、全半角、空格和标点视为相同"_qs);
    EXPECT_EQ(box->accessibleName(), box->text());
    EXPECT_EQ(box->accessibleDescription(), u"选择框_视为相同写法"_qs);
    auto *list = window->findChild<QTreeView *>(u"超级列表框_命中列表"_qs);
    const auto column = [list](int at) {
        QStringList cells;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            cells << list->model()->index(row, at).data().toString();
        return cells;
    };
    const auto counts = [window] { return window->findChild<QLabel *>(u"标签_命中统计"_qs)->text(); };
    auto *onlyAsWritten = window->findChild<QLabel *>(u"标签_只按原写法命中"_qs);
    EXPECT_EQ(list->model()->headerData(5, Qt::Horizontal).toString(), u"歌名中的写法"_qs);
    EXPECT_EQ(column(5), (QStringList{u"東方 紅"_qs, u"爱!"_qs, u"东》方·红"_qs}));
    EXPECT_EQ(counts(), u"共 3 首歌曲命中关键词：违禁 2 首，商业 1 首"_qs);
    EXPECT_TRUE(onlyAsWritten->isVisible());
    EXPECT_TRUE(onlyAsWritten->text().endsWith(u"：爱!"_qs)) << onlyAsWritten->text().toStdString();

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(column(0), QStringList{u"爱!你"_qs});
    EXPECT_EQ(counts(), u"共 1 首歌曲命中关键词：商业 1 首"_qs);
    EXPECT_FALSE(onlyAsWritten->isVisible());

    box->setChecked(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(column(0), (QStringList{u"東方 紅"_qs, u"爱!你"_qs, u"《东》方·红"_qs}));
}

// One confirmation naming the count; only a Yes takes the songs out of the song list, whatever the
// hit list's sort.
TEST(HitList, RemovalAsksOnceThenTakesTheSongsOutOfTheSongList)
{
    HitList h(kSongs);
    ASSERT_NE(h.list, nullptr);
    songs::SongTableModel &table = h.w.t.window->songTable();
    const auto codes = [&table] {
        QStringList shown;
        for (int row = 0; row < table.songCount(); ++row)
            shown << table.cellText(row, 8);
        return shown;
    };
    h.list->sortByColumn(2, Qt::AscendingOrder);

    h.w.t.prompts.answerMessageBox(mb::IdNo);
    h.click(u"按钮_删除全部命中"_qs);
    EXPECT_TRUE(h.removals.isEmpty());
    EXPECT_EQ(table.songCount(), 4);
    EXPECT_EQ(h.w.t.prompts.messages[0].style, mb::YesNo | mb::IconWarning);

    auto *removeSelected = h.window->findChild<QPushButton *>(u"按钮_删除选中命中"_qs);
    EXPECT_FALSE(removeSelected->isEnabled()) << "nothing selected";
    h.list->selectionModel()->select(h.list->model()->index(0, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    h.list->selectionModel()->select(h.list->model()->index(2, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    h.w.t.prompts.answerMessageBox(mb::IdYes);
    h.click(u"按钮_删除选中命中"_qs);
    EXPECT_EQ(h.removals, (QList<int>{2}));
    EXPECT_EQ(codes(), (QStringList{u"00000100"_qs, u"00000200"_qs}));

    // The list follows the song list: one hit is left, now on row 1.
    QCoreApplication::processEvents();
    h.w.t.prompts.answerMessageBox(mb::IdYes);
    h.click(u"按钮_删除全部命中"_qs);
    EXPECT_EQ(h.removals, (QList<int>{2, 1}));
    EXPECT_EQ(codes(), (QStringList{u"00000100"_qs}));
    EXPECT_EQ(h.w.t.prompts.messageTexts(),
              (QStringList{u"确定要从歌曲列表中删除命中关键词的全部 3 首歌曲吗？"_qs,
                           u"确定要从歌曲列表中删除选中的 2 首歌曲吗？"_qs,
                           u"确定要从歌曲列表中删除命中关键词的全部 1 首歌曲吗？"_qs}));

    // Ctrl+Z and Ctrl+Y work in the hit list window itself, right after its removal.
    QApplication::setActiveWindow(h.window);
    QTest::keyClick(h.list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(codes(), (QStringList{u"00000100"_qs, u"00000200"_qs}));
    QTest::keyClick(h.list, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(codes(), (QStringList{u"00000100"_qs}));
}

} // namespace
