// The code list export driven through the real main window: a search file imported with the
// toolbar, "导出8位编码" clicked, the save dialog answered, then the file and the panel read back.
#include "export/ui/CodeListExport.h"
#include "ui/widgets/ReadOnlyTextBox.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/SearchRecord.h"
#include "tests/support/TestWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using ui::ReadOnlyTextBox;
using testing_support::TestWindow;
using testing_support::fillTable;
using testing_support::gbk;

namespace {

const QString kExportCodes = QStringLiteral("导出8位编码");
const QString kOldContent = QStringLiteral("an older list, longer than any new one\r\n99999999\r\n");

#ifndef Q_OS_WIN
// While alive, no file of this process can grow past the given size: writing beyond it fails as
// it would on a full disk, for any user (root included).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = SIG_DFL;
};

// While alive, the folder holding the file is read-only to its owner, an ordinary user. Root
// writes anywhere and would never see the failure, so under root this thread (the export runs on
// it) acts as "nobody", made owner of the folder and the file; the kept root identity brings it
// back afterwards.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &file) : m_folder(QFileInfo(file).absolutePath())
    {
        if (geteuid() == 0) {
            const QString parent = QFileInfo(m_folder).absolutePath();
            QFile::setPermissions(parent, QFile::permissions(parent) | QFile::ExeGroup | QFile::ExeOther);
            m_asNobody = chown(QFile::encodeName(m_folder).constData(), kNobody, kNobody) == 0
                && chown(QFile::encodeName(file).constData(), kNobody, kNobody) == 0
                && syscall(SYS_setresuid, kNobody, kNobody, 0) == 0;
        }
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (m_asNobody)
            syscall(SYS_setresuid, 0, 0, 0);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;

    // False when this thread may write into the folder all the same.
    bool holds() const
    {
        QFile probe(QDir(m_folder).filePath(QStringLiteral("probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    static constexpr uid_t kNobody = 65534;
    QString m_folder;
    bool m_asNobody = false;
};
#endif

struct Song {
    QString name;
    QString code;
};

void importSongs(TestWindow &t, const QList<Song> &songs)
{
    QString text;
    for (const Song &song : songs)
        text += testing_support::searchRecord({song.name, u"歌手"_qs, u"国语"_qs, u"流行"_qs, u"80"_qs,
                                               u"D:\\songs\\a.mpg"_qs, QString(), QString(), song.code})
            + QStringLiteral("\r\n");
    t.prompts.answerFileDialog(t.writeFile(QStringLiteral("search.txt"), gbk(text)));
    t.clickToolbar(QStringLiteral("导入8位编码"));
    ASSERT_EQ(t.window->songTable().songCount(), songs.size());
}

void exportTo(TestWindow &t, std::optional<QString> path)
{
    t.prompts.answerFileDialog(std::move(path));
    t.clickToolbar(kExportCodes);
}

std::string contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<missing>");
}

QString expectedLog(const QList<Song> &songs)
{
    QString log;
    for (const Song &song : songs)
        log += QStringLiteral("歌名为（") + song.name + QStringLiteral("）的编码（") + song.code
            + QStringLiteral("）已经成功导出\r\n");
    return log;
}

QString expectedCodes(const QList<Song> &songs)
{
    QString codes;
    for (const Song &song : songs)
        codes += song.code + QStringLiteral("\r\n");
    return codes;
}

QList<Song> numberedSongs(int count)
{
    QList<Song> songs;
    for (int i = 0; i < count; ++i)
        songs.append({QStringLiteral("歌曲%1").arg(i), QStringLiteral("%1").arg(i * 37, 8, 10, QLatin1Char('0'))});
    return songs;
}

struct Panel {
    explicit Panel(const TestWindow &t)
        : frame(t.find<QGroupBox>(QStringLiteral("分组框1"))), progress(t.find<QLabel>(QStringLiteral("标签1"))),
          codes(t.find<ReadOnlyTextBox>(QStringLiteral("编辑框1"))),
          log(t.find<ReadOnlyTextBox>(QStringLiteral("编辑框2"))), close(t.find<QPushButton>(QStringLiteral("按钮3")))
    {
    }
    bool shown() const { return frame->isVisible() && log->isVisible(); }
    bool hidden() const { return frame->isHidden() && log->isHidden(); }

    QGroupBox *frame;
    QLabel *progress;
    ReadOnlyTextBox *codes;
    ReadOnlyTextBox *log;
    QPushButton *close;
};

} // namespace

// Through the hidden button 按钮2, which runs the same export as the toolbar entry.
TEST(CodeListExport, OneSongGivesTenBytesAndAFinishedPanel)
{
    TestWindow t;
    importSongs(t, {{u"月亮代表我的心"_qs, u"12345678"_qs}});
    t.prompts.answerFileDialog(t.path(u"codes"_qs)); // a name without extension gets ".txt"
    t.find<QPushButton>(u"按钮2"_qs)->click();

    EXPECT_EQ(contentOf(t.path(u"codes.txt"_qs)), "12345678\r\n");
    EXPECT_FALSE(QFile::exists(t.path(u"codes"_qs)));
    Panel panel(t);
    EXPECT_TRUE(panel.shown());
    EXPECT_EQ(panel.progress->text(), u"操作进程： 共有1全部操作完毕"_qs);
    EXPECT_EQ(panel.codes->toPlainText(), u"12345678\r\n"_qs);
    EXPECT_EQ(panel.log->toPlainText(), u"歌名为（月亮代表我的心）的编码（12345678）已经成功导出\r\n"_qs);
    EXPECT_TRUE(t.prompts.messages.isEmpty());

    ASSERT_EQ(t.prompts.dialogs.size(), 2); // the import's, then the export's own
    const platform::FileDialogSettings &dialog = t.prompts.dialogs.last();
    EXPECT_EQ(dialog.mode, platform::FileDialogSettings::Mode::Save);
    EXPECT_EQ(dialog.title, u"编码导出"_qs);
    EXPECT_EQ(dialog.filter, u"*.txt|*.txt"_qs);
}

TEST(CodeListExport, CodesAreWrittenExactlyAsStoredInGbk)
{
    TestWindow t;
    const QList<Song> songs = {
        {u"零开头"_qs, u"00000001"_qs}, {u"太短"_qs, u"123"_qs},       {u"太长"_qs, u"1234567890"_qs},
        {u"没有编码"_qs, QString()},    {u"字母"_qs, u"AB 12-34"_qs}, {u"中文编码"_qs, u"编码八位"_qs},
    };
    importSongs(t, songs);
    const QString path = t.path(QStringLiteral("codes.txt"));
    exportTo(t, path);

    const QByteArray expected = QByteArray("00000001\r\n123\r\n1234567890\r\n\r\nAB 12-34\r\n") + gbk(u"编码八位"_qs) + "\r\n";
    EXPECT_EQ(contentOf(path), expected.toStdString());
    Panel panel(t);
    EXPECT_EQ(panel.codes->toPlainText(), expectedCodes(songs));
    EXPECT_EQ(panel.log->toPlainText(), expectedLog(songs));
    EXPECT_EQ(panel.progress->text(), u"操作进程： 共有6全部操作完毕"_qs);
}

TEST(CodeListExport, AnEmptyTableWritesNothingAndSaysWhy)
{
    TestWindow t;
    const QString existing = t.writeFile(QStringLiteral("old.txt"), kOldContent.toLatin1());
    const QString fresh = t.path(QStringLiteral("new.txt"));
    Panel panel(t);
    for (const QString &path : {existing, fresh}) {
        exportTo(t, path);
        EXPECT_TRUE(panel.shown());
        EXPECT_EQ(panel.log->toPlainText(), u"导出失败，请检查搜歌文件是否为8位编码"_qs);
        EXPECT_TRUE(panel.codes->toPlainText().isEmpty());
        EXPECT_EQ(panel.progress->text(), u"操作进程："_qs) << "the caption keeps what it had";
    }
    EXPECT_EQ(contentOf(existing), kOldContent.toStdString());
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_TRUE(t.prompts.messages.isEmpty());
}

TEST(CodeListExport, TwoExportsInARowGiveTheSameTenBytesASongAndReplaceALongerFileWhole)
{
    TestWindow t;
    const QList<Song> songs = numberedSongs(3000);
    importSongs(t, songs);
    const QString first = t.path(QStringLiteral("first.txt"));
    const QString second = t.writeFile(QStringLiteral("second.txt"), QByteArray(40000, 'x'));
    exportTo(t, first);
    exportTo(t, second);

    EXPECT_EQ(contentOf(first), expectedCodes(songs).toStdString());
    EXPECT_EQ(contentOf(second), contentOf(first));
    Panel panel(t);
    EXPECT_EQ(panel.codes->toPlainText(), expectedCodes(songs));
    EXPECT_EQ(panel.log->toPlainText(), expectedLog(songs)) << "only the second export's lines";
    EXPECT_EQ(panel.progress->text(), u"操作进程： 共有3000全部操作完毕"_qs);
}

TEST(CodeListExport, CancellingOrClosingHidesThePanelAndKeepsItsContents)
{
    TestWindow t;
    Panel panel(t);
    exportTo(t, std::nullopt);
    EXPECT_TRUE(panel.hidden()) << "a cancelled first export shows nothing";

    importSongs(t, numberedSongs(3));
    exportTo(t, t.path(QStringLiteral("codes.txt")));
    ASSERT_TRUE(panel.shown());
    const QString codes = panel.codes->toPlainText();
    const QString log = panel.log->toPlainText();

    exportTo(t, std::nullopt);
    EXPECT_TRUE(panel.hidden());
    EXPECT_EQ(panel.codes->toPlainText(), codes);
    EXPECT_EQ(panel.log->toPlainText(), log);
    EXPECT_EQ(panel.progress->text(), u"操作进程： 共有3全部操作完毕"_qs);

    exportTo(t, t.path(QStringLiteral("again.txt")));
    ASSERT_TRUE(panel.shown());
    QTest::mouseClick(panel.close, Qt::LeftButton);
    EXPECT_TRUE(panel.hidden());
    EXPECT_EQ(panel.log->toPlainText(), log);
}

namespace {

// After a failed write: a warning naming the file and the reason, a panel that says the export
// failed (its codes still there to copy), and whatever was at the path before left as it was.
void expectFailureReported(const TestWindow &t, const QString &path, const QString &reason, int count)
{
    ASSERT_EQ(t.prompts.messages.size(), 1);
    const testing_support::Message &message = t.prompts.messages.first();
    EXPECT_TRUE(message.text.startsWith(u"导出失败：无法写入文件“"_qs + QDir::toNativeSeparators(path) + u"”。"_qs))
        << message.text.toStdString();
    EXPECT_TRUE(message.text.contains(u"原因："_qs + reason)) << message.text.toStdString();
    EXPECT_EQ(message.style & platform::mb::IconMask, platform::mb::IconWarning);
    Panel panel(t);
    EXPECT_TRUE(panel.shown());
    EXPECT_EQ(panel.progress->text(), QStringLiteral("操作进程： 共有%1个/导出失败").arg(count));
    EXPECT_EQ(panel.log->toPlainText(), message.text);
    EXPECT_EQ(panel.codes->lines().lineCount(), count + 1);
}

} // namespace

#ifdef Q_OS_WIN
// On Windows a file held open by another program is the write failure users meet.

TEST(CodeListExport, AFileHeldOpenByAnotherProgramIsReportedAndKept)
{
    TestWindow t;
    importSongs(t, numberedSongs(3));
    const QString path = t.writeFile(QStringLiteral("codes.txt"), kOldContent.toLatin1());
    // As a spreadsheet or an editor holds it: others may read, nobody may replace it.
    const HANDLE holder = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), GENERIC_READ,
                                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    exportTo(t, path);
    CloseHandle(holder);
    expectFailureReported(t, path, u"无法用新文件替换原有文件，文件可能正被其他程序使用"_qs, 3);
    EXPECT_EQ(contentOf(path), kOldContent.toStdString());
}
#else
TEST(CodeListExport, AFullDiskIsReported)
{
    TestWindow t;
    importSongs(t, numberedSongs(4));
    // The dialog completes a name without extension with ".txt", so the full disk gets one.
    const QString path = t.path(QStringLiteral("full.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path));
    exportTo(t, path);
    expectFailureReported(t, path, u"写入出错，磁盘已满"_qs, 4);
    EXPECT_TRUE(t.prompts.messages.first().text.endsWith(u"磁盘已满"_qs)) << "the reason is named once";
    EXPECT_TRUE(QFileInfo(path).isSymLink()) << "the device is written into, never replaced";
}

TEST(CodeListExport, ADiskThatFillsUpMidwayIsReportedAndKeepsTheOldFile)
{
    TestWindow t;
    importSongs(t, numberedSongs(2000));
    const QString path = t.writeFile(QStringLiteral("codes.txt"), kOldContent.toLatin1());
    {
        const FileSizeLimit full(4096);
        exportTo(t, path);
    }
    expectFailureReported(t, path, u"写入出错"_qs, 2000);
    EXPECT_EQ(contentOf(path), kOldContent.toStdString());
    EXPECT_EQ(QDir(t.folder.path()).entryList({QStringLiteral("codes*")}, QDir::Files | QDir::Hidden),
              QStringList{u"codes.txt"_qs})
        << "no half-written temporary file stays behind";
}

TEST(CodeListExport, AFolderThatCannotBeWrittenIsReportedAndKeepsTheOldFile)
{
    TestWindow t;
    importSongs(t, numberedSongs(5));
    const QString folder = t.path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = t.writeFile(QStringLiteral("locked/codes.txt"), kOldContent.toLatin1());
    {
        const ReadOnlyFolder locked(path);
        if (!locked.holds())
            GTEST_SKIP() << "this process may write into read-only folders";
        exportTo(t, path);
    }
    expectFailureReported(t, path, u"没有在这个文件夹中写文件的权限"_qs, 5);
    EXPECT_EQ(contentOf(path), kOldContent.toStdString());
}
#endif

// Songs that do not fit in the memory left are refused with a message; the table keeps them all.
TEST(CodeListExport, RunningOutOfMemoryIsReportedAndKeepsTheSongs)
{
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    TestWindow t;
    constexpr int kCount = 300000;
    fillTable(t, kCount);
    QCoreApplication::processEvents();  // the song list lays its rows out before memory runs short
    const QString path = t.path(QStringLiteral("codes.txt"));
    {
        const testing_support::MemoryLimit limit(8 << 20);
        exportTo(t, path);
    }
    ASSERT_EQ(t.prompts.messages.size(), 1);
    EXPECT_TRUE(t.prompts.messages[0].text.contains(u"原因：内存不足"_qs)) << t.prompts.messages[0].text.toStdString();
    Panel panel(t);
    EXPECT_EQ(panel.progress->text(), QStringLiteral("操作进程： 共有%1个/导出失败").arg(kCount));
    EXPECT_EQ(panel.log->toPlainText(), t.prompts.messages[0].text);
    EXPECT_EQ(t.window->songTable().songCount(), kCount);
    EXPECT_FALSE(QFile::exists(path));
#else
    SKIP_WITHOUT_MEMORY_LIMIT();
#endif
}

TEST(CodeListExport, ALongExportKeepsThePanelMovingAndHoldsOffOtherCommands)
{
    TestWindow t;
    constexpr int kCount = 100000;
    fillTable(t, kCount);

    QList<bool> busy;
    QObject::connect(&t.window->busyGate(), &songs::BusyGate::busyChanged, [&busy](bool b) { busy << b; });
    Panel panel(t);
    QAction *import = nullptr;
    for (QAction *action : t.find<QToolBar>(QStringLiteral("工具条_顶部"))->actions())
        if (action->text() == QStringLiteral("导入8位编码"))
            import = action;
    ASSERT_NE(import, nullptr);

    // Runs at the export's first turn of the event loop, in the middle of the rows.
    bool seenMidway = false;
    QTimer::singleShot(0, t.window.get(), [&] {
        const qsizetype done = panel.log->lines().lineCount() - 1;
        if (done <= 0 || done >= kCount)
            return;
        seenMidway = true;
        EXPECT_EQ(panel.progress->text(), exporting::CodeListExport::progressCaption(kCount, int(done)));
        EXPECT_FALSE(import->isEnabled()) << "no import in the middle of an export";
        exportTo(t, t.path(QStringLiteral("nested.txt")));
        panel.codes->clear(); // the panel only shows the codes: the file is written from the song table
    });
    exportTo(t, t.path(QStringLiteral("codes.txt")));

    EXPECT_TRUE(seenMidway) << "the export handled no window events while it ran";
    EXPECT_EQ(busy, (QList<bool>{true, false}));
    EXPECT_TRUE(import->isEnabled());
    EXPECT_FALSE(QFile::exists(t.path(QStringLiteral("nested.txt")))) << "no export inside an export";
    QString codes;
    for (int i = 0; i < kCount; ++i)
        codes += QString::number(10000000 + i) + QStringLiteral("\r\n");
    EXPECT_TRUE(contentOf(t.path(QStringLiteral("codes.txt"))) == codes.toStdString()) << "every code, in order";
    EXPECT_EQ(panel.progress->text(), exporting::CodeListExport::finishedCaption(kCount));
}
