// Adding and deleting keywords through the add panel and "删除选中", with the file read back
// after every step.
#include "platform/ClickableLabel.h"
#include "platform/Prompts.h"
#include "tests/keywords/KeywordWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>

using testing_support::KeywordWindow;
using testing_support::LibraryRow;
using testing_support::readLibrary;
namespace mb = platform::mb;

namespace {

QGroupBox *addPanel(KeywordWindow &w)
{
    return w.t.find<QGroupBox>(u"分组框3"_qs);
}

void add(KeywordWindow &w, const QString &name, const QString &remark = QString())
{
    w.press(u"透明标签3"_qs);
    w.name->setText(name);
    w.remark->setText(remark);
    w.click(u"按钮5"_qs);
}

TEST(KeywordPanel, ShowsHidesAndFillsQuickRemarks)
{
    KeywordWindow w;
    EXPECT_FALSE(addPanel(w)->isVisible());
    w.press(u"透明标签3"_qs);
    ASSERT_TRUE(addPanel(w)->isVisible());
    w.name->setText(u"爱情"_qs);
    const std::pair<const char16_t *, const char16_t *> quick[] = {
        {u"透明标签4", u"违禁"}, {u"透明标签5", u"版权纠纷"}, {u"透明标签6", u"商业"}};
    for (const auto &[label, remark] : quick) {
        w.remark->setText(u"旧的备注"_qs);
        w.press(QString::fromUtf16(label));
        EXPECT_EQ(w.remark->text(), QString::fromUtf16(remark));
    }
    w.click(u"按钮7"_qs);
    EXPECT_FALSE(addPanel(w)->isVisible());
    w.press(u"透明标签3"_qs);
    EXPECT_EQ(w.name->text(), u"爱情"_qs);
    EXPECT_EQ(w.remark->text(), u"商业"_qs);
    EXPECT_TRUE(w.t.prompts.messages.isEmpty());
    EXPECT_TRUE(readLibrary(w.library()).isEmpty());
}

TEST(KeywordAdd, EmptyKeywordIsRefusedBeforeTheStore)
{
    KeywordWindow w;
    add(w, QString(), u"违禁"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_EQ(w.t.prompts.messages[0].text, u"请输入正确的歌曲名"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].style, mb::Ok);
    EXPECT_TRUE(w.t.prompts.messages[0].title.isNull());
    EXPECT_TRUE(readLibrary(w.library()).isEmpty());
}

TEST(KeywordAdd, AddsWithNoRemarkAsNoneAndStaysOpen)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    add(w, u"爱情"_qs);
    EXPECT_EQ(w.remark->text(), u"无"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_EQ(w.t.prompts.messages[0].text, u"添加歌曲爱情成功！"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].title, u"添加成功"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].style, mb::Ok | mb::IconInformation);
    EXPECT_EQ(readLibrary(w.library()),
              (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs}, {2, u"爱情"_qs, u"无"_qs}}));
    EXPECT_EQ(w.names(), (QStringList{u"爱情"_qs, u"青花瓷"_qs}));
    EXPECT_EQ(w.ids(), (QList<qint64>{2, 1}));
    EXPECT_EQ(w.selectedKeyword(), -1);

    // The panel keeps its texts, so a second click is a duplicate.
    EXPECT_TRUE(addPanel(w)->isVisible());
    EXPECT_EQ(w.name->text(), u"爱情"_qs);
    w.click(u"按钮5"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 2);
    EXPECT_EQ(w.t.prompts.messages[1].text, u"歌曲名爱情已经存在，请重新输入。"_qs);
    EXPECT_EQ(readLibrary(w.library()).size(), 2);
}

TEST(KeywordAdd, DuplicateIgnoresTheCaseOfAsciiLettersOnly)
{
    KeywordWindow w({{1, u"abc"_qs, u"x"_qs}, {2, u"ＡＢＣ"_qs, u"全角"_qs}});
    QApplication::setActiveWindow(w.t.window.get());
    w.press(u"透明标签3"_qs);
    w.remark->setFocus();
    add(w, u"ABC"_qs, u"商业"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_EQ(w.t.prompts.messages[0].text, u"歌曲名ABC已经存在，请重新输入。"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].title, u"输入错误"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].style, mb::Ok);
    EXPECT_TRUE(w.name->hasFocus());
    EXPECT_EQ(readLibrary(w.library()).size(), 2);

    // Full-width letters are other characters: ａｂｃ is new.
    add(w, u"ａｂｃ"_qs, u"商业"_qs);
    EXPECT_EQ(w.t.prompts.messages.last().text, u"添加歌曲ａｂｃ成功！"_qs);
    EXPECT_EQ(readLibrary(w.library()).size(), 3);
}

TEST(KeywordAdd, BlanksAndQuotesAreKeywordsLikeAnyOther)
{
    KeywordWindow w;
    add(w, u"  "_qs, u"空白"_qs);
    add(w, u"it's"_qs, u"rock 'n' roll"_qs);
    add(w, u"IT'S"_qs);
    add(w, u"x' or '1'='1"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(),
              (QStringList{u"添加歌曲  成功！"_qs, u"添加歌曲it's成功！"_qs, u"歌曲名IT'S已经存在，请重新输入。"_qs,
                           u"添加歌曲x' or '1'='1成功！"_qs}));
    EXPECT_EQ(readLibrary(w.library()),
              (QList<LibraryRow>{{1, u"  "_qs, u"空白"_qs}, {2, u"it's"_qs, u"rock 'n' roll"_qs},
                                 {3, u"x' or '1'='1"_qs, u"无"_qs}}));
}

// The change is committed only when the user has answered the message: until then another
// connection (the sqlite3 tool, another copy of the program) still sees the old library.
TEST(KeywordAdd, ChangeIsCommittedAfterTheMessage)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    int rowsSeenMeanwhile = -1;
    w.t.prompts.whileMessageShown([&] { rowsSeenMeanwhile = int(readLibrary(w.library()).size()); });
    add(w, u"爱情"_qs);
    EXPECT_EQ(rowsSeenMeanwhile, 1);
    EXPECT_EQ(readLibrary(w.library()).size(), 2);

    w.selectKeyword(0);
    w.t.prompts.answerMessageBox(mb::IdYes);
    w.t.prompts.whileMessageShown({});
    w.t.prompts.whileMessageShown([&] { rowsSeenMeanwhile = int(readLibrary(w.library()).size()); });
    w.click(u"按钮8"_qs);
    EXPECT_EQ(rowsSeenMeanwhile, 2);
    EXPECT_EQ(readLibrary(w.library()).size(), 1);
}

TEST(KeywordDelete, YesDeletesTheSelectedKeyword)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}, {5, u"it's"_qs, u"x"_qs}, {9, u"爱情"_qs, u"无"_qs}});
    ASSERT_EQ(w.names(), (QStringList{u"it's"_qs, u"爱情"_qs, u"青花瓷"_qs}));
    for (const QString &name : {u"爱情"_qs, u"it's"_qs}) {
        w.selectKeyword(int(w.names().indexOf(name)));
        w.t.prompts.answerMessageBox(mb::IdYes);
        w.click(u"按钮8"_qs);
    }
    ASSERT_EQ(w.t.prompts.messages.size(), 4);
    EXPECT_EQ(w.t.prompts.messages[0].text, u"您正在试图删除已添加的记录，请确认是否删除"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].style, mb::YesNo);
    EXPECT_TRUE(w.t.prompts.messages[0].title.isNull());
    EXPECT_EQ(w.t.prompts.messages[1].text, u"恭喜你，删除歌曲爱情成功！"_qs);
    EXPECT_EQ(w.t.prompts.messages[1].title, u"删除成功"_qs);
    EXPECT_EQ(w.t.prompts.messages[1].style, mb::Ok);
    EXPECT_EQ(w.t.prompts.messages[3].text, u"恭喜你，删除歌曲it's成功！"_qs);
    EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});
    EXPECT_EQ(w.selectedKeyword(), -1);
    EXPECT_EQ(readLibrary(w.library()), (QList<LibraryRow>{{1, u"青花瓷"_qs, u"违禁"_qs}}));
}

TEST(KeywordDelete, NoOrNothingSelectedChangesNothing)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}, {2, u"爱情"_qs, u"无"_qs}});
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(), QStringList{u"请先在关键词列表中选中要删除的关键词。"_qs});

    w.selectKeyword(1);
    w.t.prompts.answerMessageBox(mb::IdNo);
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.t.prompts.messages.size(), 2);
    EXPECT_EQ(w.t.prompts.messages[1].style, mb::YesNo);
    EXPECT_EQ(w.selectedKeyword(), 1);
    EXPECT_EQ(readLibrary(w.library()).size(), 2);
    EXPECT_EQ(w.names().size(), 2);
}

// Another program makes the table refuse every change: each statement fails, is reported with its
// message and rolled back.
TEST(KeywordEditing, FailingStatementsAreReportedAndRolledBack)
{
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs}});
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, u"trigger"_qs);
        db.setDatabaseName(w.library());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(u"CREATE TRIGGER a BEFORE INSERT ON music BEGIN SELECT RAISE(ABORT, 'no'); END"_qs);
        QSqlQuery(db).exec(u"CREATE TRIGGER d BEFORE DELETE ON music BEGIN SELECT RAISE(ABORT, 'no'); END"_qs);
        db.close();
    }
    QSqlDatabase::removeDatabase(u"trigger"_qs);
    const QByteArray before = testing_support::fileBytes(w.library());

    add(w, u"爱情"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_EQ(w.t.prompts.messages[0].text, u"添加歌曲爱情失败！，因为歌曲爱情已经存在！"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].title, u"添加失败"_qs);
    EXPECT_EQ(w.t.prompts.messages[0].style, mb::Ok | mb::IconInformation);
    EXPECT_EQ(w.names(), QStringList{u"青花瓷"_qs});

    w.selectKeyword(0);
    w.t.prompts.answerMessageBox(mb::IdYes);
    w.click(u"按钮8"_qs);
    ASSERT_EQ(w.t.prompts.messages.size(), 3);
    EXPECT_EQ(w.t.prompts.messages[2].text, u"删除歌曲青花瓷失败！"_qs);
    EXPECT_EQ(w.t.prompts.messages[2].title, u"删除失败"_qs);
    EXPECT_EQ(w.t.prompts.messages[2].style, mb::Ok | mb::IconInformation);
    EXPECT_EQ(w.selectedKeyword(), 0) << "the list is not reloaded after a failed delete";
    EXPECT_EQ(testing_support::fileBytes(w.library()), before);
}

} // namespace
