// Importing keyword files and exporting the library, through the keyword list's context menu of the
// real main window, with music.mdb read back after every step.
#include "platform/Prompts.h"
#include "songs/ui/SongListView.h"
#include "tests/keywords/KeywordWindow.h"
#include "tests/support/MemoryLimit.h"
#include "tests/support/PinyinCollation.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::fileBytes;
using testing_support::KeywordWindow;
using testing_support::LibraryRow;
using testing_support::Message;
using testing_support::readLibrary;
namespace mb = platform::mb;

namespace {

const QList<LibraryRow> kStored{{1, u"青花瓷"_qs, u"违禁"_qs}};
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QAction *listAction(const KeywordWindow &w, const QString &name)
{
    return w.list->findChild<QAction *>(name);
}

// Chooses path in the file dialog of the import (or export) entry.
void importFile(KeywordWindow &w, const QString &path)
{
    w.t.prompts.answerFileDialog(path);
    listAction(w, u"菜单项_导入关键词"_qs)->trigger();
}

void exportFile(KeywordWindow &w, const QString &path)
{
    w.t.prompts.answerFileDialog(path);
    listAction(w, u"菜单项_导出关键词"_qs)->trigger();
}

// The library a window's list shows, numbered in list order.
QList<LibraryRow> listed(const KeywordWindow &w)
{
    QList<LibraryRow> rows;
    for (int i = 0; i < w.names().size(); ++i)
        rows.append({i + 1, w.names()[i], w.remarks()[i]});
    return rows;
}

// A GBK file through the menu entry: the counts in the message, the library and the list. The
// encodings, line ends and cutting rules are read in KeywordListFileTest.
TEST(KeywordFileImport, ReadsAGbkFileIntoTheLibrary)
{
    const QString text =
        u"青花瓷\t重复\r\n  一些  ||  版权纠纷 \r\nabc\r\nABC\t同一个\r\n\r\n东风破\t\r\nMix 我的||歌\t商业\r\n||只有备注"_qs;
    const std::pair<const char *, QByteArray> shapes[] = {{"GBK, CR LF", testing_support::gbk(text)}};
    for (const auto &[shape, bytes] : shapes) {
        SCOPED_TRACE(shape);
        KeywordWindow w(kStored);
        ASSERT_EQ(w.list->contextMenuPolicy(), Qt::CustomContextMenu);
        ASSERT_EQ(listAction(w, u"菜单项_导入关键词"_qs)->text(), u"从文件导入关键词..."_qs);
        importFile(w, w.t.writeFile(u"keywords.txt"_qs, bytes));
        EXPECT_EQ(w.t.prompts.messages.size(), 1);
        EXPECT_EQ(w.message(0),
                  (Message{u"从文件导入关键词：新增4个，跳过2个（已存在或重复）；另有1行没有关键词，已忽略。"_qs,
                           mb::Ok | mb::IconInformation, u"导入成功"_qs}));
        EXPECT_EQ(readLibrary(w.library()),
                  (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs},
                                     {2, u"一些"_qs, u"版权纠纷"_qs},
                                     {3, u"abc"_qs, u"无"_qs},
                                     {4, u"东风破"_qs, u"无"_qs},
                                     {5, u"Mix 我的||歌"_qs, u"商业"_qs}}));
        EXPECT_EQ(w.names().size(), 5);
        EXPECT_EQ(w.selectedKeyword(), -1);
    }
}

// Export then import into an empty library gives the same list. Plain GBK is written as GBK with
// tabs and CR LF; a Korean name (no GBK form) or text whose GBK bytes happen to be valid UTF-8
// make the file UTF-8 with a BOM.
TEST(KeywordFileExport, ReadsBackIntoTheSameLibrary)
{
    REQUIRE_PINYIN_ORDER();
    const QList<LibraryRow> plain{
        {1, u"青花瓷"_qs, u"违禁"_qs}, {2, u"it's || A"_qs, u"备注\t有制表符"_qs}, {3, u"abc"_qs, u"无"_qs}};
    const std::tuple<const char *, QList<LibraryRow>, QByteArray> libraries[] = {
        {"GBK", plain, testing_support::gbk(u"青花瓷\t违禁\r\nabc\t无\r\nit's || A\t备注\t有制表符\r\n"_qs)},
        {"Korean", {{1, u"사랑"_qs, u"违禁"_qs}, {2, u"爱情"_qs, u"无"_qs}}, {}},
        {"GBK bytes valid as UTF-8", {{1, u"一些"_qs, u"为"_qs}}, {}},
    };
    for (const auto &[name, rows, gbkBytes] : libraries) {
        SCOPED_TRACE(name);
        KeywordWindow from(rows);
        exportFile(from, from.t.path(u"导出"_qs));
        const QString written = from.t.path(u"导出.txt"_qs);
        EXPECT_EQ(from.message(0).title, u"导出成功"_qs);
        EXPECT_TRUE(from.message(0).text.startsWith(u"导出关键词到文件：已把%1个关键词保存到“%2”。"_qs.arg(rows.size())
                                                        .arg(QDir::toNativeSeparators(written))));
        const QByteArray bytes = fileBytes(written);
        if (!gbkBytes.isEmpty())
            EXPECT_EQ(bytes, gbkBytes);
        else
            EXPECT_TRUE(bytes.startsWith(kUtf8Bom) && from.message(0).text.contains(u"UTF-8"_qs));

        KeywordWindow to;
        importFile(to, written);
        EXPECT_EQ(readLibrary(to.library()), listed(from));
        EXPECT_EQ(listed(to), listed(from));
    }
}

TEST(KeywordFileExport, FailureNamesTheFileAndTheReason)
{
    KeywordWindow w(kStored);
    const QString path = w.t.path(u"没有的文件夹/关键词.txt"_qs);
    exportFile(w, path);
    EXPECT_EQ(w.message(0).title, u"导出失败"_qs);
    EXPECT_TRUE(w.message(0).text.startsWith(
        u"导出失败：无法写入文件“%1”。\r\n原因：文件夹不存在"_qs.arg(QDir::toNativeSeparators(path))))
        << w.message(0).text.toStdString();

    // An empty library has nothing to export and asks for no file.
    KeywordWindow empty;
    listAction(empty, u"菜单项_导出关键词"_qs)->trigger();
    EXPECT_EQ(empty.t.prompts.messageTexts(), QStringList{u"关键词库是空的，没有可以导出的关键词。"_qs});
    EXPECT_TRUE(empty.t.prompts.dialogs.isEmpty());
}

// Each file is refused with its reason, and the library is left exactly as it was. The shapes of
// text that are refused are read in KeywordListFileTest.
TEST(KeywordFileImport, RefusesFilesThatAreNoKeywordList)
{
    const std::tuple<const char *, std::function<QString(KeywordWindow &)>, QString> cases[] = {
        {"missing", [](KeywordWindow &w) { return w.t.path(u"没有.txt"_qs); }, u"文件不存在。"_qs},
        {"folder", [](KeywordWindow &w) { return w.t.folder.path(); }, u"这是一个文件夹，不是文件。"_qs},
        {"binary",
         [](KeywordWindow &w) { return w.t.writeFile(u"a.bin"_qs, QByteArray("abc\0\x01\x02\x03xyz\0\xFF", 12)); },
         u"文件中含有二进制数据（空字节），不是文本文件。"_qs},
        {"too big", [](KeywordWindow &w) { return w.t.writeFile(u"a.txt"_qs, QByteArray(17 * 1024 * 1024, 'a')); },
         u"文件太大（17.0 MB），关键词文件最大为 16.0 MB。"_qs},
    };
    for (const auto &[name, makeFile, reason] : cases) {
        SCOPED_TRACE(name);
        KeywordWindow w(kStored);
        const QByteArray before = fileBytes(w.library());
        const QString path = makeFile(w);
        importFile(w, path);
        ASSERT_EQ(w.t.prompts.messages.size(), 1);
        const QString prefix = u"从文件导入关键词失败：“%1”\r\n原因："_qs.arg(QDir::toNativeSeparators(path));
        EXPECT_TRUE(w.message(0).text.startsWith(prefix + reason)) << w.message(0).text.toStdString();
        EXPECT_TRUE(w.message(0).text.endsWith(u"\r\n关键词库没有改动。"_qs));
        EXPECT_EQ(w.message(0).title, u"导入失败"_qs);
        EXPECT_EQ(fileBytes(w.library()), before);
        EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});
    }
}

// A library that cannot take the keywords now stores none of them: busy with another writer, an
// insert refused half-way, or marked read-only (then no file is even asked for).
TEST(KeywordFileImport, StoresAllOrNothing)
{
    const QByteArray file = testing_support::gbk(u"爱情\r\n坏\r\n东风破\r\n"_qs);
    {
        KeywordWindow w(kStored);
        const QString path = w.t.writeFile(u"a.txt"_qs, file);
        testing_support::runSql(w.library(),
                                {u"BEGIN IMMEDIATE"_qs, u"INSERT INTO music (歌曲名) VALUES ('别人的')"_qs},
                                [&] { importFile(w, path); });
        EXPECT_EQ(w.t.prompts.messages.size(), 1);
        EXPECT_EQ(w.message(0),
                  (Message{u"关键词库 music.mdb 现在不能修改（可能正被其他程序使用），文件中的关键词没有导入。"_qs,
                           mb::Ok | mb::IconWarning, u"导入失败"_qs}));
        EXPECT_EQ(readLibrary(w.library()), kStored);
    }
    {
        KeywordWindow w(kStored);
        testing_support::runSql(
            w.library(),
            {u"CREATE TRIGGER a BEFORE INSERT ON music WHEN NEW.歌曲名 = '坏' BEGIN SELECT RAISE(ABORT, 'no'); END"_qs});
        importFile(w, w.t.writeFile(u"a.txt"_qs, file));
        EXPECT_EQ(
            w.t.prompts.messageTexts(),
            QStringList{u"从文件导入关键词失败：写入关键词库时出错，已导入的部分全部撤销，关键词库保持原样。"_qs});
        EXPECT_EQ(readLibrary(w.library()), kStored);
        EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});
    }
    {
        KeywordWindow w([](KeywordWindow &w) {
            testing_support::writeLibrary(w.library(), kStored);
            QFile::setPermissions(w.library(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        });
        w.t.prompts.messages.clear();
        listAction(w, u"菜单项_导入关键词"_qs)->trigger();
        EXPECT_EQ(w.t.prompts.messageTexts(),
                  QStringList{u"关键词库 music.mdb 是只读文件：可以查看和搜索关键词，但不能新增或删除。"_qs});
        EXPECT_TRUE(w.t.prompts.dialogs.isEmpty());
        EXPECT_EQ(readLibrary(w.library()), kStored);
    }
}

} // namespace

// Ctrl+V in the keyword list reads the clipboard as a keyword file; Ctrl+C in the song list copies
// the selected songs; Ctrl+F finds them.
TEST(KeywordPaste, PastesByTheFileRulesAndCopiesAndFindsSongs)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    w.t.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.t.window.get()));
    QClipboard *clipboard = QGuiApplication::clipboard();
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    clipboard->setImage(picture);
    w.list->setFocus();
    QTest::keyClick(w.list, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_TRUE(w.message(0).text.contains(u"图片"_qs));

    clipboard->setText(u"爱情\t商业\r\n青花瓷\n\n  abc  \r爱情\r\n"_qs);
    QTest::keyClick(w.list, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.message(1), (Message{u"粘贴关键词：新增2个，跳过2个（已存在或重复）。"_qs, mb::Ok | mb::IconInformation,
                                     u"粘贴成功"_qs}));
    EXPECT_EQ(w.names(), (QStringList{u"爱情"_qs, u"青花瓷"_qs, u"abc"_qs}));

    auto *html = new QMimeData; // a web page's selection: its text is taken
    html->setHtml(u"<p>东风破</p>"_qs);
    clipboard->setMimeData(html);
    QTest::keyClick(w.list, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.message(2).text, u"粘贴关键词：新增1个，跳过0个（已存在或重复）。"_qs);
    clipboard->setText(u"||只有备注"_qs);
    QTest::keyClick(w.list, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.message(3).text,
              u"粘贴关键词失败。\r\n原因：剪贴板中的文字中没有关键词：每行应以关键词开头，"
              "其后可以有制表符或“||”和备注。\r\n关键词库没有改动。"_qs);
#ifdef KORVIA_HAVE_MEMORY_LIMIT
    const QByteArray library = fileBytes(w.library());
    clipboard->setText(u"k1234567\n"_qs.repeated(1500000));
    {
        const testing_support::MemoryLimit limit(4 << 20);
        QTest::keyClick(w.list, Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(w.message(4).text, u"粘贴关键词失败：内存不足。剪贴板中的关键词没有导入，关键词库没有改动。"_qs);
    EXPECT_EQ(fileBytes(w.library()), library);
#endif

    w.addSongRows({{u"爱情\t买卖"_qs, u"慕容"_qs, {}, {}, {}, {}, {}, {}, u"00000001"_qs}, {u"Love"_qs}});
    auto &songList = w.t.window->songList();
    songList.selectRow(0);
    songList.setFocus();
    QTest::keyClick(&songList, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"\"爱情\t买卖\"\t慕容\t\t\t\t\t\t\t00000001\r\n"_qs);

    QTest::keyClick(&songList, Qt::Key_F, Qt::ControlModifier);
    auto *findText = w.t.find<QLineEdit>(u"编辑框_查找内容"_qs);
    ASSERT_TRUE(findText->isVisible());
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(w.t.find<QLabel>(u"标签_查找结果"_qs)->text(), u"请先输入要查找的文字（歌曲名、歌手或编码的一部分）。"_qs);
    QTest::keyClicks(findText, u"LOVE"_qs);
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(w.selectedSong(), 1);
}
