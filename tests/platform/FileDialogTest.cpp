// The file dialog object: settings kept between showings, default extension, cancel.
#include "platform/FileDialog.h"
#include "platform/QtPrompts.h"
#include "tests/support/ScriptedPrompts.h"

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

TEST(FileDialog, FilterPairsBecomeQtNameFilters)
{
    EXPECT_EQ(platform::QtPrompts::nameFilters(QStringLiteral("*.txt|*.txt")),
              QStringList{QStringLiteral("*.txt (*.txt)")});
    EXPECT_EQ(platform::QtPrompts::nameFilters(QStringLiteral("文本|*.txt|表格|*.xls;*.xlsx")),
              (QStringList{QStringLiteral("文本 (*.txt)"), QStringLiteral("表格 (*.xls *.xlsx)")}));
    EXPECT_TRUE(platform::QtPrompts::nameFilters(QString()).isEmpty());
}
