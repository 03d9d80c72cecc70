// The toolbar: nine entries with their captions and tooltips, each entry running its own command.
#include "songs/SongStore.h"
#include "songs/SongTableModel.h"
#include "songs/ui/SongListView.h"
#include "tests/support/LibraryFile.h"
#include "tests/support/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>

using testing_support::TestWindow;

TEST(Toolbar, NineEntriesWithCaptionsUnderThirtyTwoPixelPictures)
{
    TestWindow t;
    auto *toolbar = t.find<QToolBar>(QStringLiteral("工具条_顶部"));
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->iconSize(), QSize(32, 32));
    EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(toolbar->pos(), QPoint(8, 8));
    EXPECT_EQ(toolbar->width(), 583);
    EXPECT_LE(toolbar->geometry().bottom(), 64);

    const QList<QAction *> actions = toolbar->actions();
    ASSERT_EQ(actions.size(), 9);
    const QStringList captions = {QString(),
                                  QStringLiteral("导入8位编码"),
                                  QStringLiteral("导出明细Excel"),
                                  QStringLiteral("导出8位编码"),
                                  QString(),
                                  QStringLiteral("帮助"),
                                  QStringLiteral("关于"),
                                  QStringLiteral("检查更新"),
                                  QStringLiteral("退出")};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), captions[i].isEmpty()) << i;
        if (!captions[i].isEmpty()) {
            EXPECT_EQ(actions[i]->text(), captions[i]);
            EXPECT_TRUE(actions[i]->isEnabled());
            EXPECT_FALSE(actions[i]->icon().isNull());
        }
    }
    EXPECT_EQ(actions[1]->toolTip(), QStringLiteral("请导入8位编码的搜歌文件"));
    EXPECT_EQ(actions[2]->toolTip(), QStringLiteral("将导入的8位编码的搜歌文件基本明细导出为Excel表格"));
    EXPECT_EQ(actions[7]->toolTip(), QStringLiteral("联网进行更新检查，只有最新版本才能获得更多的功能"));
}

TEST(Toolbar, SeparatorsDoNothing)
{
    TestWindow t;
    const QList<QAction *> actions = t.find<QToolBar>(QStringLiteral("工具条_顶部"))->actions();
    for (int index : {0, 4}) {
        ASSERT_TRUE(actions.value(index) && actions[index]->isSeparator()) << index;
        actions[index]->trigger();
    }
    EXPECT_TRUE(t.prompts.dialogs.isEmpty());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
    EXPECT_TRUE(t.shell.addresses.isEmpty());
}

TEST(Toolbar, ImportEntryOpensTheSharedDialogInTheProgramFolder)
{
    TestWindow t;
    t.prompts.answerFileDialog(std::nullopt);
    t.clickToolbar(QStringLiteral("导入8位编码"));
    ASSERT_EQ(t.prompts.dialogs.size(), 1);
    EXPECT_EQ(t.prompts.dialogs[0].mode, platform::FileDialogSettings::Mode::Open);
    EXPECT_EQ(t.prompts.dialogs[0].filter, QStringLiteral("*.txt|*.txt"));
    EXPECT_EQ(t.prompts.dialogs[0].initialFolder, t.folder.path());
}

// While a long operation holds the gate, no way in starts the import or an export: not the toolbar,
// not the hidden buttons, not a dropped file, not a command that only joined the gate (it changes
// the table and has no check of its own), and the keyword search, which reads the table, neither;
// all of them open again together.
TEST(Toolbar, TheBusyGateHoldsOffEveryWayIntoTheSongCommands)
{
    TestWindow t;
    auto *planted = new QAction(&t.window->songList());
    t.window->busyGate().addCommand(planted);
    QObject::connect(planted, &QAction::triggered, [&t] {
        songs::SongStore song;
        song.appendRow({u"x"});
        t.window->songTable().appendRows(std::move(song));
    });
    const QString file =
        t.writeFile(QStringLiteral("songs.txt"), testing_support::gbk(QStringLiteral("a||12345678||c\r\n")));
    auto *importButton = t.find<QPushButton>(QStringLiteral("按钮1"));
    auto *exportButton = t.find<QPushButton>(QStringLiteral("按钮2"));
    auto *searchButton = t.find<QPushButton>(QStringLiteral("按钮4"));
    auto *searchOneButton = t.find<QPushButton>(QStringLiteral("按钮6"));
    const auto tryEveryWayIn = [&] {
        for (const char16_t *entry : {u"导入8位编码", u"导出明细Excel", u"导出8位编码"})
            t.clickToolbar(QString::fromUtf16(entry));
        importButton->click();
        exportButton->click();
        Q_EMIT t.window->songList().fileDropped(file);
        planted->trigger();
        Q_EMIT searchButton->clicked(); // as a click would, even on a greyed-out button
    };
    {
        const songs::BusyGate::Hold busy(t.window->busyGate());
        EXPECT_FALSE(importButton->isEnabled());
        EXPECT_FALSE(exportButton->isEnabled());
        EXPECT_FALSE(searchButton->isEnabled());
        EXPECT_FALSE(searchOneButton->isEnabled());
        tryEveryWayIn();
        EXPECT_TRUE(t.prompts.dialogs.isEmpty());
        EXPECT_TRUE(t.prompts.messages.isEmpty());
        EXPECT_EQ(t.window->songTable().songCount(), 0);
    }
    EXPECT_TRUE(importButton->isEnabled());
    EXPECT_TRUE(exportButton->isEnabled());
    EXPECT_TRUE(searchButton->isEnabled());
    EXPECT_TRUE(searchOneButton->isEnabled());
    for (int i = 0; i < 5; ++i)
        t.prompts.answerFileDialog(std::nullopt);
    tryEveryWayIn();
    EXPECT_EQ(t.prompts.dialogs.size(), 5);
    EXPECT_EQ(t.window->songTable().songCount(), 2);
    ASSERT_FALSE(t.prompts.messages.isEmpty());
    EXPECT_EQ(t.prompts.messages.last().text, QStringLiteral("搜索结束"));
}

// "退出" and the close box end the program with code 0 at once, also in the middle of the start-up
// while a long keyword library is still loading (the list is then left unfinished).
class ProgramEnd : public ::testing::TestWithParam<bool> {};

TEST_P(ProgramEnd, EndsTheEventLoopWithCodeZeroEvenDuringStartUp)
{
    const bool closeBox = GetParam();
    TestWindow t(QStringLiteral("http://127.0.0.1:9"), false);
    QList<testing_support::LibraryRow> rows;
    for (int i = 1; i <= 80000; ++i)
        rows.append({i, QStringLiteral("歌%1").arg(i), QStringLiteral("无")});
    testing_support::writeLibrary(t.path(QStringLiteral("music.mdb")), rows);

    // Runs at the first event round of the keyword load.
    QTimer::singleShot(0, [&t, closeBox] {
        if (closeBox)
            t.window->close();
        else
            t.clickToolbar(QStringLiteral("退出"));
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    EXPECT_EQ(t.window->runEventLoop(), 0);
    EXPECT_LT(t.find<QTreeView>(QStringLiteral("超级列表框1"))->model()->rowCount(), rows.size());
}

INSTANTIATE_TEST_SUITE_P(QuitOrCloseBox, ProgramEnd, ::testing::Bool());
