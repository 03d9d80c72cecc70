// Adding and deleting keywords through the add panel and "删除选中", with the file read back
// after every step.
#include "platform/Prompts.h"
#include "tests/keywords/KeywordWindow.h"
#include "tests/support/PinyinCollation.h"

#include <QApplication>
#include <QGroupBox>
#include <QFile>
#include <gtest/gtest.h>

using testing_support::KeywordWindow;
using testing_support::LibraryRow;
using testing_support::Message;
using testing_support::readLibrary;
namespace mb = platform::mb;

namespace {

const QString kConfirmDelete = u"您正在试图删除已添加的记录，请确认是否删除"_qs;

bool panelShown(KeywordWindow &w)
{
    return w.t.find<QGroupBox>(u"分组框3"_qs)->isVisible();
}

TEST(KeywordPanel, ShowsHidesAndFillsQuickRemarks)
{
    KeywordWindow w;
    EXPECT_FALSE(panelShown(w));
    w.press(u"透明标签3"_qs);
    ASSERT_TRUE(panelShown(w));
    w.name->setText(u"爱情"_qs);
    const std::pair<const char16_t *, const char16_t *> quick[] = {
        {u"透明标签4", u"违禁"}, {u"透明标签5", u"版权纠纷"}, {u"透明标签6", u"商业"}};
    for (const auto &[label, remark] : quick) {
        w.remark->setText(u"旧的备注"_qs);
        w.press(QString::fromUtf16(label));
        EXPECT_EQ(w.remark->text(), QString::fromUtf16(remark));
    }
    w.click(u"按钮7"_qs);
    EXPECT_FALSE(panelShown(w));
    w.press(u"透明标签3"_qs);
    EXPECT_EQ(w.name->text(), u"爱情"_qs);
    EXPECT_EQ(w.remark->text(), u"商业"_qs);
    EXPECT_TRUE(w.t.prompts.messages.isEmpty());
    EXPECT_TRUE(readLibrary(w.library()).isEmpty());
}

TEST(KeywordAdd, AddsWithNoRemarkAsNoneAndStaysOpen)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    w.addKeyword(u"爱情"_qs);
    EXPECT_EQ(w.remark->text(), u"无"_qs);
    EXPECT_EQ(w.message(0), (Message{u"添加歌曲爱情成功！"_qs, mb::Ok | mb::IconInformation, u"添加成功"_qs}));
    EXPECT_EQ(readLibrary(w.library()),
              (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs}, {2, u"爱情"_qs, u"无"_qs}}));
    EXPECT_EQ(w.names(), (QStringList{u"爱情"_qs, u"青花瓷"_qs}));
    EXPECT_EQ(w.ids(), (QList<qint64>{2, 1}));
    EXPECT_EQ(w.selectedKeyword(), -1);

    // The panel keeps its texts, so a second click is a duplicate.
    EXPECT_TRUE(panelShown(w));
    EXPECT_EQ(w.name->text(), u"爱情"_qs);
    w.click(u"按钮5"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts().last(), u"歌曲名爱情已经存在，请重新输入。"_qs);
    EXPECT_EQ(readLibrary(w.library()).size(), 2);
}

TEST(KeywordAdd, DuplicateIgnoresTheCaseOfAsciiLettersOnly)
{
    KeywordWindow w({{1, u"abc"_qs, u"x"_qs}, {2, u"ＡＢＣ"_qs, u"全角"_qs}});
    QApplication::setActiveWindow(w.t.window.get());
    w.press(u"透明标签3"_qs);
    w.remark->setFocus();
    w.addKeyword(u"ABC"_qs, u"商业"_qs);
    EXPECT_EQ(w.message(0), (Message{u"歌曲名ABC已经存在，请重新输入。"_qs, mb::Ok, u"输入错误"_qs}));
    EXPECT_TRUE(w.name->hasFocus());
    EXPECT_EQ(readLibrary(w.library()).size(), 2);

    // Full-width letters are other characters: ａｂｃ is new.
    w.addKeyword(u"ａｂｃ"_qs, u"商业"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts().last(), u"添加歌曲ａｂｃ成功！"_qs);
    EXPECT_EQ(readLibrary(w.library()).size(), 3);
}

// Only an empty name is refused; blanks and quotes are stored as typed and never reach SQL as text.
TEST(KeywordAdd, EmptyIsRefusedBlanksAndQuotesAreKeywords)
{
    KeywordWindow w;
    w.addKeyword(QString(), u"违禁"_qs);
    EXPECT_EQ(w.message(0), (Message{u"请输入正确的歌曲名"_qs, mb::Ok}));
    w.addKeyword(u"  "_qs, u"空白"_qs);
    w.addKeyword(u"it's"_qs, u"rock 'n' roll"_qs);
    w.addKeyword(u"IT'S"_qs);
    w.addKeyword(u"x' or '1'='1"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts().mid(1),
              (QStringList{u"添加歌曲  成功！"_qs, u"添加歌曲it's成功！"_qs, u"歌曲名IT'S已经存在，请重新输入。"_qs,
                           u"添加歌曲x' or '1'='1成功！"_qs}));
    EXPECT_EQ(readLibrary(w.library()),
              (QList<LibraryRow>{{1, u"  "_qs, u"空白"_qs}, {2, u"it's"_qs, u"rock 'n' roll"_qs},
                                 {3, u"x' or '1'='1"_qs, u"无"_qs}}));
}

// A change is committed (or rolled back) before its message: while the message is up, another
// program (the sqlite3 tool, another copy of the program) already sees it and may write. A commit
// that fails, here because another program is reading, is reported instead of the success.
TEST(KeywordEditing, ChangeIsEndedBeforeItsMessage)
{
    using testing_support::runSql;
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    w.t.prompts.whileMessageShown([&] { runSql(w.library(), {u"INSERT INTO music (歌曲名) VALUES ('别人的')"_qs}); });
    w.addKeyword(u"爱情"_qs);
    EXPECT_EQ(w.message(0).text, u"添加歌曲爱情成功！"_qs);
    EXPECT_EQ(readLibrary(w.library()).size(), 3);

    w.selectKeyword(int(w.names().indexOf(u"爱情"_qs)));
    w.t.prompts.answerMessageBox(mb::IdYes);
    w.t.prompts.whileMessageShown({});
    int rowsSeenMeanwhile = -1;
    w.t.prompts.whileMessageShown([&] { rowsSeenMeanwhile = int(readLibrary(w.library()).size()); });
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.message(2).text, u"恭喜你，删除歌曲爱情成功！"_qs);
    EXPECT_EQ(rowsSeenMeanwhile, 2);

    runSql(w.library(), {u"BEGIN"_qs, u"SELECT * FROM music"_qs}, [&] { w.addKeyword(u"新歌"_qs); });
    EXPECT_EQ(w.message(3), (Message{u"关键词库 music.mdb 未能保存这次更改（可能正被其他程序使用），关键词库保持原样，"
                                     u"歌曲新歌没有添加。"_qs,
                                     mb::Ok | mb::IconWarning, u"添加失败"_qs}));
    EXPECT_EQ(w.t.prompts.messages.size(), 4);
    EXPECT_EQ(readLibrary(w.library()).size(), 2);
    EXPECT_FALSE(w.names().contains(u"新歌"_qs));
}

// Nothing selected, then No, then Yes twice (a name with a quote among them).
TEST(KeywordDelete, AsksFirstAndDeletesOnlyOnYes)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}, {5, u"it's"_qs, u"x"_qs}, {9, u"爱情"_qs, u"无"_qs}});
    ASSERT_EQ(w.names(), (QStringList{u"爱情"_qs, u"青花瓷"_qs, u"it's"_qs}));
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(), QStringList{u"请先在关键词列表中选中要删除的关键词。"_qs});

    w.selectKeyword(1);
    w.t.prompts.answerMessageBox(mb::IdNo);
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.message(1), (Message{kConfirmDelete, mb::YesNo}));
    EXPECT_EQ(w.t.prompts.messages.size(), 2);
    EXPECT_EQ(w.selectedKeyword(), 1);
    EXPECT_EQ(readLibrary(w.library()).size(), 3);
    EXPECT_EQ(w.names().size(), 3);

    for (const QString &name : {u"爱情"_qs, u"it's"_qs}) {
        w.selectKeyword(int(w.names().indexOf(name)));
        w.t.prompts.answerMessageBox(mb::IdYes);
        w.click(u"按钮8"_qs);
    }
    EXPECT_EQ(w.message(2), (Message{kConfirmDelete, mb::YesNo}));
    EXPECT_EQ(w.message(3), (Message{u"恭喜你，删除歌曲爱情成功！"_qs, mb::Ok, u"删除成功"_qs}));
    EXPECT_EQ(w.message(5).text, u"恭喜你，删除歌曲it's成功！"_qs);
    EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});
    EXPECT_EQ(w.selectedKeyword(), -1);
    EXPECT_EQ(readLibrary(w.library()), (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs}}));
}

// Another program makes the table refuse every change: each statement fails, is reported with its
// message and rolled back.
TEST(KeywordEditing, FailingStatementsAreReportedAndRolledBack)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    testing_support::runSql(w.library(),
                            {u"CREATE TRIGGER a BEFORE INSERT ON music BEGIN SELECT RAISE(ABORT, 'no'); END"_qs,
                             u"CREATE TRIGGER d BEFORE DELETE ON music BEGIN SELECT RAISE(ABORT, 'no'); END"_qs});
    const QByteArray before = testing_support::fileBytes(w.library());

    w.addKeyword(u"爱情"_qs);
    EXPECT_EQ(w.message(0), (Message{u"添加歌曲爱情失败！，因为歌曲爱情已经存在！"_qs, mb::Ok | mb::IconInformation,
                                     u"添加失败"_qs}));
    EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});

    w.selectKeyword(0);
    w.t.prompts.answerMessageBox(mb::IdYes);
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.message(2), (Message{u"删除歌曲青花瓷失败！"_qs, mb::Ok | mb::IconInformation, u"删除失败"_qs}));
    EXPECT_EQ(w.t.prompts.messages.size(), 3);
    EXPECT_EQ(w.selectedKeyword(), 0) << "the list is not reloaded after a failed delete";
    EXPECT_EQ(testing_support::fileBytes(w.library()), before);
}

// While another program is writing to the library, a change cannot start: the user is told so, and
// nothing is stored.
TEST(KeywordEditing, ALibraryBusyWithAnotherWriterIsReportedAndLeftAlone)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    testing_support::runSql(w.library(), {u"BEGIN IMMEDIATE"_qs, u"INSERT INTO music (歌曲名) VALUES ('别人的')"_qs},
                            [&] { w.addKeyword(u"爱情"_qs); });
    EXPECT_EQ(w.message(0), (Message{u"关键词库 music.mdb 现在不能修改（可能正被其他程序使用），歌曲爱情没有添加。"_qs,
                                     mb::Ok | mb::IconWarning, u"添加失败"_qs}));
    EXPECT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_EQ(readLibrary(w.library()), (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs}}));
}

// The library overwritten in place with garbage while the program runs is damaged, not busy: the
// change says so, and the next one is refused before it starts.
TEST(KeywordEditing, ALibraryOverwrittenWithGarbageIsReportedAsDamaged)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    {
        QFile file(w.library());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(QByteArray(8192, '\x5a'));
    }
    w.addKeyword(u"爱情"_qs);
    w.addKeyword(u"爱情"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(),
              (QStringList{u"关键词库 music.mdb 无法读取（文件已损坏，或不是关键词库），不能修改，歌曲爱情没有添加。"_qs,
                           u"关键词库 music.mdb 无法使用，不能新增或删除关键词。"_qs}));
}

} // namespace
