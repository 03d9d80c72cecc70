// Importing search files through the real main window: the toolbar with its dialog, dropped files,
// the status line and bad input.
#include "songs/ui/SongListView.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/SearchRecord.h"
#include "tests/support/TestWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#include <gtest/gtest.h>

using testing_support::gbk;
using testing_support::TestWindow;
using testing_support::status;

namespace {

QByteArray searchFile(const QStringList &names)
{
    QStringList lines{QStringLiteral("歌曲库版本||20240108"), QString()};
    int code = 10613;
    for (const QString &name : names) {
        const QString digits = QStringLiteral("%1").arg(code++, 8, 10, QLatin1Char('0'));
        lines << testing_support::searchRecord({name, QStringLiteral("歌手"), QStringLiteral("国语"), QStringLiteral("流行"),
                                                QStringLiteral("0"), digits + QStringLiteral(".mpg"), QStringLiteral("HD"),
                                                QStringLiteral("MTV"), digits});
    }
    return gbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QStringList names(TestWindow &t)
{
    QStringList result;
    for (int row = 0; row < t.window->songTable().songCount(); ++row)
        result << t.window->songTable().cellText(row, 0);
    return result;
}

void dropFiles(QWidget *target, const QStringList &paths)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    mime->setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    delete mime;
}

} // namespace

TEST(SongImport, ToolbarImportFillsTheNineColumnsAndCountsEveryLine)
{
    TestWindow t;
    const QString path = t.writeFile(QStringLiteral("songs.txt"), searchFile({QStringLiteral("龍鳳榮離開"), QStringLiteral("青春")}));
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导入8位编码"));

    ASSERT_EQ(t.window->songTable().songCount(), 2);
    const QStringList expected = {QStringLiteral("龍鳳榮離開"), QStringLiteral("歌手"), QStringLiteral("国语"),
                                  QStringLiteral("流行"),      QStringLiteral("0"),    QStringLiteral("00010613.mpg"),
                                  QStringLiteral("HD"),        QStringLiteral("MTV"),  QStringLiteral("00010613")};
    for (int column = 0; column < 9; ++column)
        EXPECT_EQ(t.window->songTable().cellText(0, column), expected[column]) << column;
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数4个")) << "header and empty line count too";
    EXPECT_EQ(t.prompts.dialogs[0].filter, QStringLiteral("*.txt|*.txt"));
}

TEST(SongImport, TheSampleSearchFileImportsAllItsSongs)
{
    TestWindow t;
    t.prompts.answerFileDialog(QStringLiteral(KORVIA_TEST_DATA "/search-sample.txt"));
    t.clickToolbar(QStringLiteral("导入8位编码"));
    EXPECT_EQ(t.window->songTable().songCount(), 38);
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数40个"));
    EXPECT_EQ(t.window->songTable().cellText(0, 0), QStringLiteral("龍鳳榮離開"));
    EXPECT_EQ(t.window->songTable().cellText(0, 8), QStringLiteral("00010613"));
}

TEST(SongImport, CancellingTheDialogChangesNothing)
{
    TestWindow t;
    t.prompts.answerFileDialog(std::nullopt);
    t.clickToolbar(QStringLiteral("导入8位编码"));
    EXPECT_EQ(t.window->songTable().songCount(), 0);
    EXPECT_EQ(status(t), QStringLiteral("消息：无"));
}

TEST(SongImport, ImportingTwiceAppendsEveryRowAgainAndTheDialogKeepsItsName)
{
    TestWindow t;
    const QString path = t.writeFile(QStringLiteral("songs.txt"), searchFile({QStringLiteral("a"), QStringLiteral("b")}));
    t.prompts.answerFileDialog(path);
    t.clickToolbar(QStringLiteral("导入8位编码"));
    t.prompts.answerFileDialog(path);
    t.find<QPushButton>(QStringLiteral("按钮1"))->click();
    EXPECT_EQ(names(t), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("b")}));
    ASSERT_EQ(t.prompts.dialogs.size(), 2);
    EXPECT_EQ(t.prompts.dialogs[1].fileName, path);
}

TEST(SongImport, DroppedFilesImportInTheOrderOfTheDrop)
{
    TestWindow t;
    const QString first = t.writeFile(QStringLiteral("1.txt"), searchFile({QStringLiteral("one")}));
    const QString second = t.writeFile(QStringLiteral("2.txt"), searchFile({QStringLiteral("two"), QStringLiteral("three")}));
    dropFiles(t.window->songList().viewport(), {second, first});
    EXPECT_EQ(names(t), (QStringList{QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("one")}));
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数3个")) << "the last file's lines";
    EXPECT_TRUE(t.prompts.dialogs.isEmpty());
}

TEST(SongImport, DropsElsewhereOrBeforeStartUpAreNotTaken)
{
    TestWindow early(QStringLiteral("http://127.0.0.1:9"), /*runStartup=*/false);
    const QString path = early.writeFile(QStringLiteral("1.txt"), searchFile({QStringLiteral("one")}));
    EXPECT_FALSE(early.window->songList().viewport()->acceptDrops());

    TestWindow t;
    EXPECT_TRUE(t.window->songList().viewport()->acceptDrops());
    EXPECT_FALSE(t.window->acceptDrops());
    EXPECT_FALSE(t.find<QLabel>(QStringLiteral("透明标签2"))->acceptDrops());
}

// A file that cannot be read is reported, naming the file and the reason; the table and the status
// line stay as the import before left them. An empty file is read, and adds nothing.
TEST(SongImport, UnreadableFilesAreReportedAndChangeNothing)
{
    TestWindow t;
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("one.txt"), searchFile({QStringLiteral("一")})));
    const QString empty = t.writeFile(QStringLiteral("empty.txt"), QByteArray());
    QDir(t.folder.path()).mkdir(QStringLiteral("folder.txt"));
    const QStringList paths = {t.path(QStringLiteral("missing.txt")), empty, t.path(QStringLiteral("folder.txt")),
                               QStringLiteral("/proc/self/mem")};
    for (const QString &path : paths)
        t.window->songList().fileDropped(path);
    EXPECT_EQ(names(t), QStringList{QStringLiteral("一")});
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数3个"));
    ASSERT_EQ(t.prompts.messages.size(), 3) << t.prompts.messageTexts().join(u'\n').toStdString();
    const QString reasons[] = {QStringLiteral("文件不存在"), QStringLiteral("这是一个文件夹"), QStringLiteral("原因：")};
    for (int i = 0; i < 3; ++i) {
        const QString text = t.prompts.messages[i].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("导入失败：无法读取文件“") + QDir::toNativeSeparators(paths[i == 0 ? 0 : i + 1])))
            << text.toStdString();
        EXPECT_TRUE(text.contains(reasons[i])) << text.toStdString();
    }
}

TEST(SongImport, LockedFilesPipesAndDevicesAreReportedAndNeverHang)
{
    TestWindow t;
    QStringList refused;
#ifdef Q_OS_UNIX
    // A named pipe without a writer would block a plain read for ever, and a device may never end.
    const QString pipe = t.path(QStringLiteral("pipe.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    refused << pipe << QStringLiteral("/dev/zero");
#endif

    const QString locked = t.writeFile(QStringLiteral("locked.txt"), searchFile({QStringLiteral("x")}));
#ifdef Q_OS_WIN
    // Another program holds the file open without sharing it.
    const HANDLE holder = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(locked).utf16()),
                                      GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    refused << locked;
#else
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const bool canReadAnyFile = QFile(locked).open(QIODevice::ReadOnly);
    if (!canReadAnyFile)
        refused << locked;
#endif
    for (const QString &path : refused)
        t.window->songList().fileDropped(path);
#ifdef Q_OS_WIN
    CloseHandle(holder);
#endif
    EXPECT_EQ(t.window->songTable().songCount(), 0);
    EXPECT_EQ(status(t), QStringLiteral("消息：无"));
    ASSERT_EQ(t.prompts.messages.size(), refused.size());
    for (int i = 0; i < refused.size(); ++i)
        EXPECT_TRUE(t.prompts.messages[i].text.contains(QDir::toNativeSeparators(refused[i])));
#ifdef Q_OS_UNIX
    EXPECT_TRUE(t.prompts.messages[0].text.contains(QStringLiteral("管道"))) << t.prompts.messages[0].text.toStdString();
#endif
}

// A zero byte ends the text: the rows before it are imported and the user is told where it stopped.
TEST(SongImport, AZeroByteIsReportedWithItsLine)
{
    TestWindow t;
    QByteArray bytes = searchFile({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    bytes.insert(bytes.indexOf(gbk(QStringLiteral("二"))), '\0');
    const QString path = t.writeFile(QStringLiteral("zero.txt"), bytes);
    QString statusWhileShown;
    t.prompts.whileMessageShown([&] { statusWhileShown = status(t); });
    t.window->songList().fileDropped(path);
    EXPECT_EQ(names(t), (QStringList{QStringLiteral("一"), QString()})) << "the cut line keeps its first fields";
    EXPECT_EQ(statusWhileShown, QStringLiteral("消息：共分析出歌曲数4个"));
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_EQ(t.prompts.messages[0].text,
              QStringLiteral("文件“%1”在第4行遇到零字节，导入到此为止，其后的内容没有导入。").arg(QDir::toNativeSeparators(path)));

    const QString text = testing_support::searchRecord({QStringLiteral("x")}) + QStringLiteral("\r\n");
    t.window->songList().fileDropped(
        t.writeFile(QStringLiteral("utf16.txt"), QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)));
    ASSERT_EQ(t.prompts.messages.size(), 2);
    EXPECT_TRUE(t.prompts.messages[1].text.contains(QStringLiteral("第1行"))) << t.prompts.messages[1].text.toStdString();
    EXPECT_TRUE(t.prompts.messages[1].text.contains(QStringLiteral("不是GBK文本")));
}

TEST(SongImport, BinaryAndHugeInputsEndWithoutHarm)
{
    TestWindow t;
    // The list shows the first row's long cells without laying all of them out.
    const QString longName = QStringLiteral("龍").repeated(1000000);
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("long.txt"), gbk(testing_support::searchRecord({longName}))));
    EXPECT_FALSE(t.window->songList().viewport()->grab().isNull());
    EXPECT_EQ(t.window->songTable().cellText(0, 0), longName);

    QByteArray binary(1 << 20, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) % 251 + 1);
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("binary.bin"), binary));

    QByteArray oneLine = gbk(QStringLiteral("a||b||c||")).repeated((50 << 20) / 9);
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("oneline.txt"), oneLine));
    const int rows = t.window->songTable().songCount();
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数1个"));
    EXPECT_EQ(t.window->songTable().cellText(rows - 1, 0), QStringLiteral("a"));
    EXPECT_EQ(t.window->songTable().cellText(rows - 1, 8), QStringLiteral("b"));

    QByteArray manyFields = QByteArray("x||").repeated(100000);
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("fields.txt"), manyFields));
    EXPECT_EQ(t.window->songTable().songCount(), rows + 1);
    EXPECT_EQ(t.window->songTable().cellText(rows, 7), QStringLiteral("x"));
}

// A file holds on to no more memory than the rows it gives: an LF-only file is one line and at most
// one row. A file too big for the memory left is refused with a message, and the table and the
// status line stay as they were.
TEST(SongImport, LargeFilesTakeOnlyTheMemoryTheirRowsNeed)
{
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    TestWindow t;
    t.window->songList().fileDropped(t.writeFile(QStringLiteral("one.txt"), searchFile({QStringLiteral("一")})));
    const QString lfOnly = t.writeFile(QStringLiteral("lf-only.txt"), QByteArray("a\n").repeated(10 << 20));
    // Short records cost the most to store: 4 million of them take over 300 MB in the table.
    const QString tooBig = t.writeFile(QStringLiteral("too-big.txt"), QByteArray("a||b||c\r\n").repeated(4 << 20));
    {
        const testing_support::MemoryLimit limit(256 << 20);
        t.window->songList().fileDropped(lfOnly);
        EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数1个"));
        t.window->songList().fileDropped(tooBig);
    }
    EXPECT_EQ(names(t), QStringList{QStringLiteral("一")});
    EXPECT_EQ(status(t), QStringLiteral("消息：共分析出歌曲数1个"));
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_TRUE(t.prompts.messages[0].text.contains(QDir::toNativeSeparators(tooBig))) << t.prompts.messages[0].text.toStdString();
#else
    SKIP_WITHOUT_MEMORY_LIMIT();
#endif
}

// The file is cut while the window answers: the gate keeps every song command shut meanwhile, and
// the close box ends the program at once, importing nothing.
TEST(SongImport, ClosingTheWindowDuringAnImportEndsTheProgramAtOnce)
{
    TestWindow t(QStringLiteral("http://127.0.0.1:9"), /*runStartup=*/false);
    const QString path = t.writeFile(QStringLiteral("big.txt"), searchFile({QStringLiteral("一")}).repeated(200000));
    bool gateShut = false;
    bool importButtonEnabled = true;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            gateShut = t.window->busyGate().isBusy();
            importButtonEnabled = t.find<QPushButton>(QStringLiteral("按钮1"))->isEnabled();
            t.window->close();
        });
        Q_EMIT t.window->songList().fileDropped(path);
    });
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    EXPECT_EQ(t.window->runEventLoop(), 0);
    EXPECT_TRUE(gateShut);
    EXPECT_FALSE(importButtonEnabled);
    EXPECT_EQ(t.window->songTable().songCount(), 0);
    EXPECT_EQ(status(t), QStringLiteral("消息：无"));
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}
