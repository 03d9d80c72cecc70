// The detail workbook export through the real main window, read back by independent readers.
#include "tests/xls/XlsReaders.h"

#include "export/ui/DetailWorkbookExport.h"
#include "songs/ui/SongListView.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/RequireXlrd.h"
#include "tests/support/SearchRecord.h"
#include "tests/support/TestWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

using testing_support::gbk;
using testing_support::TestWindow;
using testing_support::fillTable;
using xls_readers::Sheet;

namespace {

const QStringList kHeader = {QStringLiteral("歌曲名字"), QStringLiteral("歌手名字"), QStringLiteral("歌曲语种"),
                             QStringLiteral("歌曲类别"), QStringLiteral("音量衰减"), QStringLiteral("歌曲文件"),
                             QStringLiteral("歌曲质量"), QStringLiteral("歌曲版本"), QStringLiteral("歌曲编码")};

void importRows(TestWindow &t, const QList<QStringList> &rows)
{
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("songs.txt"), gbk(testing_support::searchFileText(rows))));
}

QList<Sheet> sheetsOf(const QList<QStringList> &rows)
{
    QList<Sheet> sheets;
    for (qsizetype start = 0; start < rows.size() || sheets.isEmpty(); start += 65535) {
        Sheet sheet{kHeader};
        sheet += rows.mid(start, 65535);
        sheets << sheet;
    }
    return sheets;
}

QString exportTo(TestWindow &t, const QString &name)
{
    const QString path = t.path(name);
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    return path;
}

class WorkbookExport : public ::testing::Test {};


} // namespace

TEST_F(WorkbookExport, CancelledDialogMakesNoWindowNoFileAndNoMessage)
{
    TestWindow t;
    t.prompts.answerFileDialog(std::nullopt);
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    ASSERT_EQ(t.prompts.dialogs.size(), 1);
    const platform::FileDialogSettings &dialog = t.prompts.dialogs[0];
    EXPECT_EQ(dialog.mode, platform::FileDialogSettings::Mode::Save);
    EXPECT_EQ(dialog.fileName, QStringLiteral("导出XLS格式"));
    EXPECT_EQ(dialog.filter, QStringLiteral("Excel 97-2003 工作簿|*.xls|Excel 工作簿|*.xlsx"));
    EXPECT_EQ(dialog.filterIndex, 0);
    EXPECT_EQ(dialog.defaultExtension, QStringLiteral("xls"));
    EXPECT_EQ(dialog.initialFolder, t.folder.path());
    EXPECT_TRUE(dialog.title.isEmpty());
    EXPECT_TRUE(t.prompts.messages.isEmpty());
    EXPECT_TRUE(t.shell.documents.isEmpty());
    EXPECT_EQ(t.window->findChild<QWidget *>(QStringLiteral("窗口_导出进度")), nullptr);
    EXPECT_EQ(QDir(t.folder.path()).entryList({QStringLiteral("*.xls")}).size(), 0);
}

TEST_F(WorkbookExport, EmptyTableGivesTheHeaderRowReportsSuccessAndOpensTheFile)
{
    REQUIRE_XLRD();
    TestWindow t;
    const QString path = t.path(QStringLiteral("导出XLS格式.xls"));
    t.prompts.answerFileDialog(t.path(QStringLiteral("导出XLS格式")));
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    ASSERT_TRUE(QFile::exists(path)) << "the pre-filled name gets its extension";
    EXPECT_EQ(xls_readers::checkWithXlrd(path, sheetsOf({})).toStdString(), "");
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.messages[0].text, QStringLiteral("导出成功!"));
    EXPECT_EQ(t.prompts.messages[0].style, platform::mb::Ok | platform::mb::IconInformation);
    EXPECT_TRUE(t.prompts.messages[0].title.isNull());
    EXPECT_EQ(t.shell.documents, QStringList{path});
    EXPECT_EQ(t.window->findChild<QWidget *>(QStringLiteral("窗口_导出进度")), nullptr) << "the window is gone";
}

TEST_F(WorkbookExport, EveryCellIsTextExactlyAsTheTableShowsIt)
{
    REQUIRE_XLRD();
    TestWindow t;
    const QList<QStringList> rows = {
        {QStringLiteral("張學友 東方之珠"), QStringLiteral("華"), QStringLiteral("国语"), QStringLiteral("流行"),
         QStringLiteral("-3"), QStringLiteral("00012345.mpg"), QStringLiteral("0.5"), QStringLiteral("1E5"),
         QStringLiteral("00012345")},
        {QStringLiteral("=1+1"), QString(), QStringLiteral(" 空格 "), QStringLiteral("€龍"), QStringLiteral("0"),
         QString(), QString(), QStringLiteral("演唱會版"), QStringLiteral("1234567")},
    };
    importRows(t, rows);
    const QString path = exportTo(t, QStringLiteral("detail.xls"));
    EXPECT_EQ(xls_readers::checkWithXlrd(path, sheetsOf(rows)).toStdString(), "");
    if (xls_readers::haveSsconvert()) {
        EXPECT_EQ(xls_readers::checkWithSsconvert(path, sheetsOf(rows)).toStdString(), "");
    }
}

// The sample search file gives the same workbook, byte for byte, as it always has.
TEST_F(WorkbookExport, TheSampleGivesTheKnownBytes)
{
    TestWindow t;
    t.window->songList().fileDropped(QStringLiteral(KORVIA_TEST_DATA "/search-sample.txt"));
    QFile written(exportTo(t, QStringLiteral("sample.xls")));
    QFile known(QStringLiteral(KORVIA_TEST_DATA "/search-sample.xls"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly) && known.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll() == known.readAll());
}

TEST_F(WorkbookExport, ProgressWindowCountsTheRowsAndCommandsWaitUntilTheEnd)
{
    TestWindow t;
    fillTable(t, 1000);
    auto *exporter = t.window->findChild<exporting::DetailWorkbookExport *>();
    ASSERT_NE(exporter, nullptr);
    int maximum = -1;
    int lastValue = -1;
    bool importEnabledDuringExport = true;
    QObject::connect(exporter, &exporting::DetailWorkbookExport::rowsStarted, [&] {
        auto *window = t.window->findChild<QWidget *>(QStringLiteral("窗口_导出进度"));
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("导出中请稍候......"));
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->size(), QSize(419, 87));
        auto *bar = window->findChild<QProgressBar *>(QStringLiteral("进度条1"));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->geometry(), QRect(8, 16, 400, 24));
        maximum = bar->maximum();
        QObject::connect(bar, &QProgressBar::valueChanged, [&lastValue](int value) { lastValue = value; });
        for (QAction *action : t.find<QToolBar>(QStringLiteral("工具条_顶部"))->actions()) {
            if (action->text() == QStringLiteral("导入8位编码"))
                importEnabledDuringExport = action->isEnabled();
        }
    });
    exportTo(t, QStringLiteral("progress.xls"));
    EXPECT_EQ(maximum, 1000);
    EXPECT_EQ(lastValue, 1000);
    EXPECT_FALSE(importEnabledDuringExport);
    for (QAction *action : t.find<QToolBar>(QStringLiteral("工具条_顶部"))->actions())
        EXPECT_TRUE(action->isSeparator() || action->isEnabled()) << action->text().toStdString();
}

TEST_F(WorkbookExport, ClosingTheProgressWindowDoesNotStopTheExport)
{
    REQUIRE_XLRD();
    TestWindow t;
    const QList<QStringList> rows = testing_support::generatedSongs(3000);
    fillTable(t, rows);
    auto *exporter = t.window->findChild<exporting::DetailWorkbookExport *>();
    QObject::connect(exporter, &exporting::DetailWorkbookExport::rowsStarted,
                     [&] { t.window->findChild<QWidget *>(QStringLiteral("窗口_导出进度"))->close(); });
    const QString path = exportTo(t, QStringLiteral("closed.xls"));
    EXPECT_EQ(xls_readers::checkWithXlrd(path, sheetsOf(rows)).toStdString(), "");
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{QStringLiteral("导出成功!")});
}

TEST_F(WorkbookExport, UnwritablePathIsReportedAndNothingIsOpened)
{
    TestWindow t;
    importRows(t, {{QStringLiteral("歌"), {}, {}, {}, {}, {}, {}, {}, QStringLiteral("00000001")}});
    const QString path = t.path(QStringLiteral("missing-folder/detail.xls"));
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_TRUE(t.prompts.messages[0].text.startsWith(QStringLiteral("导出失败"))) << t.prompts.messages[0].text.toStdString();
    EXPECT_TRUE(t.prompts.messages[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(t.shell.documents.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

// A full disk is named as the reason, and the device is written into, never replaced.
TEST_F(WorkbookExport, AFullDiskIsReported)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: needs the device /dev/full";
#else
    TestWindow t;
    fillTable(t, 3);
    const QString path = t.path(QStringLiteral("full.xls"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));
    exportTo(t, QStringLiteral("full.xls"));
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{u"导出失败：无法写入文件“"_qs + path + u"”。\r\n原因：写入出错，磁盘已满"_qs});
    EXPECT_TRUE(t.shell.documents.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isSymLink());
#endif
}

// The .xlsx type chosen in the dialog gives its extension to a name typed without one; that name is
// an existing file the dialog did not ask about, so it is asked again before it is replaced. A full
// disk is reported as for .xls.
TEST_F(WorkbookExport, XlsxChosenInTheDialogIsWrittenAfterTheReplaceQuestion)
{
    TestWindow t;
    const QList<QStringList> rows = testing_support::generatedSongs(3);
    fillTable(t, rows);
    const QString path = t.writeFile(QStringLiteral("明细.xlsx"), "older");
    t.prompts.answerFileDialog(t.path(QStringLiteral("明细")), 1);
    t.prompts.answerMessageBox(platform::mb::IdYes);
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    ASSERT_EQ(t.prompts.messages.size(), 2);
    EXPECT_TRUE(t.prompts.messages[0].text.startsWith(QStringLiteral("明细.xlsx"))) << t.prompts.messages[0].text.toStdString();
    EXPECT_EQ(t.prompts.messages[0].style, platform::mb::YesNo | platform::mb::IconWarning);
    EXPECT_EQ(t.prompts.messages[1].text, QStringLiteral("导出成功!"));
    EXPECT_EQ(t.shell.documents, QStringList{path});
    if (const QString missing = xls_readers::whyNoOpenpyxl(); missing.isEmpty()) {
        EXPECT_EQ(xls_readers::checkWithOpenpyxl(path, {Sheet{kHeader} + rows}).toStdString(), "");
    }

#ifndef Q_OS_WIN
    const QString full = t.path(QStringLiteral("full.xlsx"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    t.prompts.messages.clear();
    t.prompts.answerFileDialog(full, 1);
    t.clickToolbar(QStringLiteral("导出明细Excel"));
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{u"导出失败：无法写入文件“"_qs + full + u"”。\r\n原因：写入出错，磁盘已满"_qs});
#endif
}

// Songs that do not fit in the memory left are refused with a message; the table keeps them all.
TEST_F(WorkbookExport, RunningOutOfMemoryIsReportedAndKeepsTheSongs)
{
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    TestWindow t;
    constexpr int kCount = 300000;
    fillTable(t, kCount);
    QCoreApplication::processEvents();  // the song list lays its rows out before memory runs short
    {
        const testing_support::MemoryLimit limit(16 << 20);
        exportTo(t, QStringLiteral("large.xls"));
    }
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_TRUE(t.prompts.messages[0].text.contains(u"原因：内存不足"_qs)) << t.prompts.messages[0].text.toStdString();
    EXPECT_EQ(t.window->songTable().songCount(), kCount);
    EXPECT_FALSE(QFile::exists(t.path(QStringLiteral("large.xls"))));
    EXPECT_EQ(t.window->findChild<QWidget *>(QStringLiteral("窗口_导出进度")), nullptr);
#else
    SKIP_WITHOUT_MEMORY_LIMIT();
#endif
}

TEST_F(WorkbookExport, ExistingFileIsReplacedWhole)
{
    REQUIRE_XLRD();
    TestWindow t;
    const QString path = t.writeFile(QStringLiteral("old.xls"), QByteArray(200000, 'x'));
    exportTo(t, QStringLiteral("old.xls"));
    EXPECT_EQ(xls_readers::checkWithXlrd(path, sheetsOf({})).toStdString(), "");
}

// "退出" in the middle of an export ends the program there: nothing is saved (the older file stays),
// reported or opened.
TEST_F(WorkbookExport, QuitDuringTheExportEndsTheProgramWithoutSaving)
{
    TestWindow t;
    fillTable(t, 100000);
    const QString path = t.writeFile(QStringLiteral("old.xls"), "an older file");
    auto *exporter = t.window->findChild<exporting::DetailWorkbookExport *>();
    // Runs at the export's first event round.
    QObject::connect(exporter, &exporting::DetailWorkbookExport::rowsStarted,
                     [&] { QTimer::singleShot(0, [&] { t.clickToolbar(QStringLiteral("退出")); }); });
    QTimer::singleShot(0, [&] { exportTo(t, QStringLiteral("old.xls")); });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(t.prompts.messages.isEmpty());
    EXPECT_TRUE(t.shell.documents.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "an older file");
}

// Closing the window while the .xlsx file is being finished (the library's zip, then the copy) ends
// the program there too: the older file stays, nothing is reported or opened.
TEST_F(WorkbookExport, QuitWhileTheXlsxIsFinishedEndsTheProgramWithoutSaving)
{
    TestWindow t;
    fillTable(t, 100000);
    const QString path = t.writeFile(QStringLiteral("old.xlsx"), "an older file");
    auto *exporter = t.window->findChild<exporting::DetailWorkbookExport *>();
    QObject::connect(exporter, &exporting::DetailWorkbookExport::savingStarted,
                     [&] { QTimer::singleShot(0, [&] { t.window->close(); }); });
    QTimer::singleShot(0, [&] { exportTo(t, QStringLiteral("old.xlsx")); });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(20000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(t.prompts.messages.isEmpty());
    EXPECT_TRUE(t.shell.documents.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "an older file");
}

// A full temporary folder, where the .xlsx rows wait to be zipped, is named as the folder that is full.
TEST_F(WorkbookExport, AFullTemporaryFolderIsNamed)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: mounts a small tmpfs";
#else
    TestWindow t;
    const QString small = t.path(QStringLiteral("small-tmp"));
    ASSERT_TRUE(QDir().mkpath(small));
    if (QProcess::execute(QStringLiteral("mount"), {u"-t"_qs, u"tmpfs"_qs, u"-o"_qs, u"size=256k"_qs, u"tmpfs"_qs, small}) != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(small));
    fillTable(t, 20000);
    const QString path = exportTo(t, QStringLiteral("detail.xlsx"));
    qputenv("TMPDIR", oldTmp);
    QProcess::execute(QStringLiteral("umount"), {small});
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{u"导出失败：无法写入临时文件夹“"_qs + small + u"”。\r\n原因：写入出错，磁盘已满"_qs});
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(t.shell.documents.isEmpty());
#endif
}

// The export crosses the sheet boundary; the writer's sheets are read in WorkbookTest and XlsReadersTest.
class LargeWorkbookExport : public WorkbookExport, public ::testing::WithParamInterface<int> {};

TEST_P(LargeWorkbookExport, SongsContinueOnFurtherSheetsEachWithItsHeader)
{
    REQUIRE_XLRD();
    TestWindow t;
    const QList<QStringList> rows = testing_support::generatedSongs(GetParam());
    fillTable(t, rows);
    const QString path = exportTo(t, QStringLiteral("large.xls"));
    EXPECT_EQ(xls_readers::checkWithXlrd(path, sheetsOf(rows)).toStdString(), "");
    EXPECT_EQ(t.prompts.messageTexts(), QStringList{QStringLiteral("导出成功!")});
}

INSTANTIATE_TEST_SUITE_P(SheetBoundary, LargeWorkbookExport, ::testing::Values(65536),
                         [](const auto &info) { return std::to_string(info.param); });
