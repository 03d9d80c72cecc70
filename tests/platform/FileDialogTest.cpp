// The file dialog object: settings kept between showings, default extension, cancel.
#include "platform/FileDialog.h"
#include "platform/QtPrompts.h"
#include "tests/support/ScriptedPrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::FileDialog;
using testing_support::ScriptedPrompts;

TEST(FileDialog, KeepsSettingsAndRemembersTheChosenPath)
{
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.setMode(FileDialog::Mode::Open);
    dialog.setFilter(QStringLiteral("*.txt|*.txt"));
    dialog.setInitialFolder(QStringLiteral("/program"));
    prompts.answerFileDialog(QStringLiteral("/songs/a.txt"));
    ASSERT_TRUE(dialog.show(nullptr));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/songs/a.txt"));

    // The next showing starts from what the last one left.
    prompts.answerFileDialog(std::nullopt);
    EXPECT_FALSE(dialog.show(nullptr));
    ASSERT_EQ(prompts.dialogs.size(), 2);
    EXPECT_EQ(prompts.dialogs[1].fileName, QStringLiteral("/songs/a.txt"));
    EXPECT_EQ(prompts.dialogs[1].initialFolder, QStringLiteral("/program"));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/songs/a.txt")) << "a cancel keeps the name";
}

TEST(FileDialog, SavedNameWithoutExtensionGetsTheDefaultOne)
{
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.setMode(FileDialog::Mode::Save);
    dialog.setDefaultExtension(QStringLiteral("txt"));
    prompts.answerFileDialog(QStringLiteral("/out/codes"));
    prompts.answerFileDialog(QStringLiteral("/out/codes.list"));
    prompts.answerFileDialog(QStringLiteral("/out.d/codes"));
    ASSERT_TRUE(dialog.show(nullptr));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/out/codes.txt"));
    ASSERT_TRUE(dialog.show(nullptr));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/out/codes.list"));
    ASSERT_TRUE(dialog.show(nullptr));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/out.d/codes.txt")) << "a dot in the folder is no extension";

    dialog.setMode(FileDialog::Mode::Open);
    prompts.answerFileDialog(QStringLiteral("/in/codes"));
    ASSERT_TRUE(dialog.show(nullptr));
    EXPECT_EQ(dialog.fileName(), QStringLiteral("/in/codes")) << "an opened name is taken as it is";
}

// The dialog asks before a name it was given replaces a file; a name completed afterwards (extension
// added, a trailing dot filled in) may be another, existing file and is asked about again.
TEST(FileDialog, ACompletedNameOfAnExistingFileIsAskedAboutAgain)
{
    QTemporaryDir folder;
    QFile existing(folder.filePath(QStringLiteral("codes.txt")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    struct Case {
        const char *typed;
        int answer;          // to the question, when asked
        bool asked;
        const char *result;  // empty: the dialog was shown again and then cancelled
    };
    const Case cases[] = {
        {"codes.", platform::mb::IdNo, true, ""},
        {"codes", platform::mb::IdYes, true, "codes.txt"},
        {"codes.txt", platform::mb::IdNo, false, "codes.txt"},  // the dialog's own question covered it
        {"new", platform::mb::IdNo, false, "new.txt"},
        // Windows drops the spaces and dots that end a name: the file written is codes.txt.
        {"codes.txt ", platform::mb::IdYes, true, "codes.txt"},
        {"codes.txt. .", platform::mb::IdNo, true, ""},
        {"new .", platform::mb::IdNo, false, "new.txt"},
    };
    for (const Case &c : cases) {
        ScriptedPrompts prompts;
        FileDialog dialog(prompts);
        dialog.setMode(FileDialog::Mode::Save);
        dialog.setTitle(QStringLiteral("编码导出"));
        dialog.setDefaultExtension(QStringLiteral("txt"));
        prompts.answerFileDialog(folder.filePath(QString::fromUtf8(c.typed)));
        prompts.answerMessageBox(c.answer);
        const bool confirmed = dialog.show(nullptr);
        ASSERT_EQ(prompts.messages.size(), c.asked ? 1 : 0) << c.typed;
        if (c.asked) {
            EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("codes.txt"))) << c.typed;
            EXPECT_EQ(prompts.messages[0].style, platform::mb::YesNo | platform::mb::IconWarning);
            EXPECT_EQ(prompts.messages[0].title, QStringLiteral("编码导出"));
        }
        EXPECT_EQ(confirmed, *c.result != 0) << c.typed;
        if (confirmed)
            EXPECT_EQ(dialog.fileName(), folder.filePath(QString::fromUtf8(c.result))) << c.typed;
        else
            EXPECT_EQ(prompts.dialogs.size(), 2) << c.typed << ": \"No\" goes back to the dialog";
    }
}

// The extension added follows the file type chosen in the dialog.
TEST(FileDialog, TheChosenFileTypeGivesTheExtension)
{
    ScriptedPrompts prompts;
    FileDialog dialog(prompts);
    dialog.setMode(FileDialog::Mode::Save);
    dialog.setFilter(QStringLiteral("旧|*.xls|新|*.xlsx|全部|*.*"));
    dialog.setDefaultExtension(QStringLiteral("xls"));
    const std::pair<int, const char *> cases[] = {{0, "/out/a.xls"}, {1, "/out/a.xlsx"}, {2, "/out/a.xls"}};
    for (const auto &[filter, result] : cases) {
        prompts.answerFileDialog(QStringLiteral("/out/a"), filter);
        ASSERT_TRUE(dialog.show(nullptr));
        EXPECT_EQ(dialog.fileName(), QString::fromUtf8(result)) << filter;
        EXPECT_EQ(dialog.filterIndex(), filter);
    }
}

TEST(FileDialog, FilterPairsBecomeQtNameFilters)
{
    EXPECT_EQ(platform::QtPrompts::nameFilters(QStringLiteral("*.txt|*.txt")),
              QStringList{QStringLiteral("*.txt (*.txt)")});
    EXPECT_EQ(platform::QtPrompts::nameFilters(QStringLiteral("文本|*.txt|表格|*.xls;*.xlsx")),
              (QStringList{QStringLiteral("文本 (*.txt)"), QStringLiteral("表格 (*.xls *.xlsx)")}));
    EXPECT_TRUE(platform::QtPrompts::nameFilters(QString()).isEmpty());
}
