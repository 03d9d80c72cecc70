// The store file: its format told by its header, and new stores written in one step.
#include "keywords/KeywordStoreFile.h"
#include "platform/sql/StoreConnection.h"
#include "tests/support/LibraryFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using keywords::StoreFileKind;
using testing_support::LibraryRow;

namespace {

TEST(KeywordStoreFile, TellsTheFormatByTheHeader)
{
    QTemporaryDir folder;
    const struct {
        const char *name;
        QByteArray bytes;
        StoreFileKind kind;
    } cases[] = {
        {"empty", QByteArray(), StoreFileKind::Empty},
        {"sqlite", QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\0'), StoreFileKind::Sqlite},
        {"jet", QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(100, 'x'), StoreFileKind::Access},
        {"ace", QByteArray("\0\1\0\0Standard ACE DB\0", 20) + QByteArray(100, 'x'), StoreFileKind::Access},
        {"jet name at byte 0", QByteArray("Standard Jet DB\0\0\0\0\0", 20), StoreFileKind::Unknown},
        {"text", QByteArray("编号,歌曲名,备注\r\n1,a,b\r\n"), StoreFileKind::Unknown},
        {"short sqlite name", QByteArray("SQLite"), StoreFileKind::Unknown},
    };
    for (const auto &c : cases) {
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        testing_support::writeFileBytes(path, c.bytes);
        EXPECT_EQ(keywords::inspectStoreFile(path), c.kind) << c.name;
    }
    EXPECT_EQ(keywords::inspectStoreFile(folder.filePath(u"nothing"_qs)), StoreFileKind::Missing);
    EXPECT_EQ(keywords::inspectStoreFile(folder.path()), StoreFileKind::Unreadable);
    EXPECT_EQ(keywords::inspectStoreFile(testing_support::accessFixture(u"access-six-keywords.mdb"_qs)),
              StoreFileKind::Access);
}

TEST(KeywordStoreFile, NewStoreHasTheTableTheProgramExpects)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"music.mdb"_qs);
    ASSERT_TRUE(keywords::createKeywordStore(path, {{5, u"ABC"_qs, u"x"_qs}}));
    EXPECT_EQ(keywords::inspectStoreFile(path), StoreFileKind::Sqlite);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"music.mdb"_qs}) << "no temporary file left";

    platform::StoreConnection store;
    ASSERT_TRUE(store.open(path));
    {
        // The table's CREATE text is kept in the file; it is the same as in every file made before.
        platform::StoreRows rows = store.query(u"select sql from sqlite_master where name='music'"_qs);
        ASSERT_TRUE(rows.next());
        EXPECT_EQ(rows.value(0).toString(), u"CREATE TABLE music (编号 INTEGER PRIMARY KEY AUTOINCREMENT, "
                                            u"歌曲名 TEXT COLLATE NOCASE, 备注 TEXT)"_qs);
    }
    {
        // 歌曲名 compares without regard to the case of A to Z.
        platform::StoreRows rows = store.query(u"select * from music where 歌曲名='abc'"_qs);
        EXPECT_TRUE(rows.next());
    }
    // New rows are numbered after the highest number written.
    ASSERT_TRUE(store.execute(u"Insert into music (歌曲名,备注) values ('新','无' )"_qs));
    store.close();
    EXPECT_EQ(testing_support::readLibrary(path),
              (QList<LibraryRow>{{5, u"ABC"_qs, u"x"_qs}, {6, u"新"_qs, u"无"_qs}}));
}

TEST(KeywordStoreFile, NeverReplacesAFileThatHoldsSomething)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"music.mdb"_qs);
    testing_support::writeFileBytes(path, "not a store");
    EXPECT_FALSE(keywords::createKeywordStore(path, {}));
    EXPECT_EQ(testing_support::fileBytes(path), QByteArray("not a store"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);

    const QString empty = folder.filePath(u"empty.mdb"_qs);
    testing_support::writeFileBytes(empty, QByteArray());
    EXPECT_TRUE(keywords::createKeywordStore(empty, {}));
    EXPECT_EQ(keywords::inspectStoreFile(empty), StoreFileKind::Sqlite);
}

} // namespace
