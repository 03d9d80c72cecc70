// The keyword list at start: load order and item data, and every shape music.mdb may come in
// (missing, read-only, damaged, an old Access library).
#include "keywords/KeywordStore.h"
#include "keywords/KeywordStoreFile.h"
#include "tests/keywords/KeywordWindow.h"
#include "tests/support/PinyinCollation.h"

#include <QDir>
#include <QMap>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using testing_support::KeywordWindow;
using testing_support::LibraryRow;
using testing_support::readLibrary;

namespace {

const QString kDamaged = u"关键词库 music.mdb 无法读取（文件已损坏，或不是关键词库）。关键词列表为空，文件未作改动。"_qs;
const QString kReadOnly = u"关键词库 music.mdb 是只读文件：可以查看和搜索关键词，但不能新增或删除。"_qs;
const QString kUnavailable = u"关键词库 music.mdb 无法使用，不能新增或删除关键词。"_qs;

void copyAccessFixture(KeywordWindow &w, const QString &name)
{
    ASSERT_TRUE(QFile::copy(testing_support::accessFixture(name), w.library()));
    QFile::setPermissions(w.library(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(KeywordList, ShowsTheLibrarySortedByNameWithItsNumbers)
{
    REQUIRE_PINYIN_ORDER();
    KeywordWindow w({{1, u"青花瓷"_qs, u"违禁"_qs},
                     {2, u"abd"_qs, u"商业"_qs},
                     {3, u"ABC"_qs, QVariant()},
                     {7, QVariant(), u"空名"_qs},
                     {9, u"abd"_qs, u"第二个"_qs},
                     {10, u"Abc"_qs, u"x"_qs}});
    // In pinyin order: Chinese names first, A to Z without regard to case, equal names in table order.
    EXPECT_EQ(w.names(), (QStringList{u""_qs, u"青花瓷"_qs, u"ABC"_qs, u"Abc"_qs, u"abd"_qs, u"abd"_qs}));
    EXPECT_EQ(w.remarks(), (QStringList{u"空名"_qs, u"违禁"_qs, u""_qs, u"x"_qs, u"商业"_qs, u"第二个"_qs}));
    EXPECT_EQ(w.ids(), (QList<qint64>{7, 1, 3, 10, 2, 9}));
    EXPECT_EQ(w.selectedKeyword(), -1);
    EXPECT_TRUE(w.t.prompts.messages.isEmpty());
    EXPECT_EQ(w.list->model()->headerData(0, Qt::Horizontal).toString(), u"歌曲名"_qs);
    EXPECT_EQ(w.list->model()->headerData(1, Qt::Horizontal).toString(), u"备注"_qs);
}

TEST(KeywordList, MissingOrEmptyFileBecomesANewLibraryWithoutAWord)
{
    for (const bool emptyFile : {false, true}) {
        KeywordWindow w([&](KeywordWindow &w) {
            if (emptyFile)
                testing_support::writeFileBytes(w.library(), {});
        });
        EXPECT_TRUE(w.names().isEmpty());
        EXPECT_TRUE(w.t.prompts.messages.isEmpty());
        EXPECT_EQ(keywords::inspectStoreFile(w.library()), keywords::StoreFileKind::Sqlite);

        // The new library takes the first add.
        w.addKeyword(u"爱情"_qs);
        EXPECT_EQ(readLibrary(w.library()), (QList<LibraryRow>{{1, u"爱情"_qs, u"无"_qs}}));
        EXPECT_EQ(w.names(), QStringList{u"爱情"_qs});
    }
}

TEST(KeywordList, ReadOnlyLibraryIsShownAndKeptAsItIs)
{
    KeywordWindow w([](KeywordWindow &w) {
        testing_support::writeLibrary(w.library(), {{1, u"爱情"_qs, u"违禁"_qs}});
        QFile::setPermissions(w.library(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    });
    const QByteArray before = testing_support::fileBytes(w.library());
    EXPECT_EQ(w.names(), QStringList{u"爱情"_qs});
    EXPECT_EQ(w.t.prompts.messageTexts(), QStringList{kReadOnly});

    w.addKeyword(u"新歌"_qs);
    w.selectKeyword(0);
    w.click(u"按钮8"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts(), (QStringList{kReadOnly, kReadOnly, kReadOnly}));
    EXPECT_EQ(testing_support::fileBytes(w.library()), before);
    EXPECT_EQ(w.names(), QStringList{u"爱情"_qs});
}

TEST(KeywordList, UnusableFileIsReportedOnceAndLeftAlone)
{
    using testing_support::runSql;
    using testing_support::writeFileBytes;
    // Not a database, a damaged one, and SQLite files of other programs.
    const std::function<void(const QString &)> shapes[] = {
        [](const QString &path) { writeFileBytes(path, "这不是数据库"); },
        [](const QString &path) { writeFileBytes(path, QByteArray("SQLite format 3\0", 16) + QByteArray(4080, 'Z')); },
        [](const QString &path) { runSql(path, {u"CREATE TABLE songs (code TEXT)"_qs}); },
        [](const QString &path) {
            runSql(path, {u"CREATE TABLE music (name TEXT, remark TEXT)"_qs, u"INSERT INTO music VALUES ('a', 'b')"_qs});
        },
    };
    for (const auto &shape : shapes) {
        KeywordWindow w([&](KeywordWindow &w) { shape(w.library()); });
        const QByteArray before = testing_support::fileBytes(w.library());
        EXPECT_TRUE(w.names().isEmpty());
        EXPECT_EQ(w.t.prompts.messageTexts(), QStringList{kDamaged});

        w.addKeyword(u"新歌"_qs);
        EXPECT_EQ(w.t.prompts.messageTexts(), (QStringList{kDamaged, kUnavailable}));
        EXPECT_EQ(testing_support::fileBytes(w.library()), before);
    }
}

// Another program holding the library locked at start makes it unreadable for the moment, not
// damaged: every keyword command reads it again, and works once the lock is gone.
TEST(KeywordList, ALibraryLockedAtStartIsReadAgainByTheNextCommand)
{
    REQUIRE_PINYIN_ORDER();
    using testing_support::runSql;
    const QString inUse = u"关键词库 music.mdb 现在不能读取（可能正被其他程序使用）。关键词列表暂时为空，"
                          u"下次使用关键词库时（搜索、新增、删除关键词，导入或导出关键词文件，列出命中歌曲）会重新读取。"_qs;
    KeywordWindow w([](KeywordWindow &w) { testing_support::writeLibrary(w.library(), {{1, u"爱情"_qs, u"违禁"_qs}}); },
                    false);
    runSql(w.library(), {u"BEGIN EXCLUSIVE"_qs}, [&] {
        w.start();
        w.click(u"按钮4"_qs);
    });
    EXPECT_EQ(w.t.prompts.messageTexts(), (QStringList{inUse, inUse}));
    EXPECT_TRUE(w.names().isEmpty());

    w.addKeyword(u"新歌"_qs);
    EXPECT_EQ(w.t.prompts.messageTexts().mid(2), QStringList{u"添加歌曲新歌成功！"_qs});
    EXPECT_EQ(w.names(), (QStringList{u"爱情"_qs, u"新歌"_qs}));
}

TEST(KeywordList, AccessLibraryIsConvertedOnce)
{
    const QString backupName = u"music (Access 原文件).mdb"_qs;
    QTemporaryDir keep;
    QString folder;
    {
        KeywordWindow w([](KeywordWindow &w) { copyAccessFixture(w, u"access-six-keywords.mdb"_qs); });
        // Every row with its number and remark; the order is the list's own (where the system has it).
        QMap<QString, std::pair<qint64, QString>> rows;
        for (qsizetype i = 0; i < w.names().size(); ++i)
            rows[w.names()[i]] = {w.ids()[i], w.remarks()[i]};
        EXPECT_EQ(rows.size(), 6);
        EXPECT_EQ(rows[u"ABC"_qs].first, 1);
        EXPECT_EQ(rows[u"東方之珠"_qs].first, 2);
        EXPECT_EQ(rows[u"爱情"_qs].first, 3);
        EXPECT_EQ(rows[u"abd"_qs].first, 4);
        EXPECT_EQ(rows[u"Abc Def"_qs].first, 5);
        EXPECT_EQ(rows[u"青花瓷"_qs], (std::pair<qint64, QString>{6, QString()}));
        if (testing_support::systemHasPinyinOrder()) {
            EXPECT_EQ(w.ids(), (QList<qint64>{3, 2, 6, 1, 5, 4}));
        }
        ASSERT_EQ(w.t.prompts.messages.size(), 1);
        const QString told = w.t.prompts.messages[0].text;
        EXPECT_TRUE(told.contains(u"Access"_qs)) << told.toStdString();
        EXPECT_TRUE(told.contains(u"6 条关键词"_qs)) << told.toStdString();
        EXPECT_TRUE(told.contains(QDir::toNativeSeparators(w.t.path(backupName)))) << told.toStdString();
        EXPECT_EQ(testing_support::fileBytes(w.t.path(backupName)),
                  testing_support::fileBytes(testing_support::accessFixture(u"access-six-keywords.mdb"_qs)));

        // The converted library takes changes; the next start finds it as it was left.
        w.addKeyword(u"新歌"_qs);
        EXPECT_EQ(readLibrary(w.library()).last(), (LibraryRow{7, u"新歌"_qs, u"无"_qs}));
        for (const QString &name : QDir(w.t.folder.path()).entryList(QDir::Files))
            QFile::copy(w.t.path(name), keep.filePath(name));
    }
    KeywordWindow again([&](KeywordWindow &w) {
        for (const QString &name : QDir(keep.path()).entryList(QDir::Files))
            QFile::copy(keep.filePath(name), w.t.path(name));
    });
    EXPECT_TRUE(again.t.prompts.messages.isEmpty());
    EXPECT_EQ(again.names().size(), 7);
    EXPECT_EQ(QDir(again.t.folder.path()).entryList(QDir::Files).size(), 2);
}

// An Access library the reader must refuse is left as it was, and the message says why.
TEST(KeywordList, EncryptedAccessLibraryIsLeftAlone)
{
    QByteArray encrypted = testing_support::fileBytes(testing_support::accessFixture(u"access-six-keywords.mdb"_qs));
    encrypted[0x3e] = char(encrypted[0x3e] ^ 0x5a); // the database key: set, so every page is encoded
    KeywordWindow w([&](KeywordWindow &w) { testing_support::writeFileBytes(w.library(), encrypted); });
    EXPECT_TRUE(w.names().isEmpty());
    ASSERT_EQ(w.t.prompts.messages.size(), 1);
    EXPECT_TRUE(w.t.prompts.messages[0].text.contains(u"加密"_qs));
    EXPECT_EQ(testing_support::fileBytes(w.library()), encrypted);
}

// Commands that touch the keyword list wait for a load under way, so no row is listed twice or
// missed, and a search sees the whole list.
TEST(KeywordList, CommandsDuringALoadWaitForItsEnd)
{
    QList<LibraryRow> rows;
    for (int i = 1; i <= 80000; ++i)
        rows.append({i, QStringLiteral("歌%1").arg(i, 5, 10, QLatin1Char('0')), u"无"_qs});
    bool clickedWhileLoading = false;
    KeywordWindow w([&](KeywordWindow &w) {
        testing_support::writeLibrary(w.library(), rows);
        w.addSongs({u"我的歌79999号"_qs});
        w.t.find<QWidget>(u"分组框3"_qs)->show();
        w.name->setText(u"新歌"_qs);
        QTimer::singleShot(0, w.t.window.get(), [&] {
            clickedWhileLoading = w.t.window->keywordStore().isLoading();
            w.click(u"按钮5"_qs);
            w.click(u"按钮4"_qs);
        });
    });
    ASSERT_TRUE(clickedWhileLoading) << "the load ended before the clicks; the test needs a longer library";
    const QStringList names = w.names();
    EXPECT_EQ(names.size(), 80001);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 80001);
    EXPECT_EQ(w.t.prompts.messageTexts(),
              (QStringList{u"添加歌曲新歌成功！"_qs, u"找到   歌79999"_qs, u"搜索结束"_qs}));
}

} // namespace
