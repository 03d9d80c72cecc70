// An old Access music.mdb: read, converted, the original kept byte for byte; a damaged
// one left alone.
#include "keywords/access/AccessConversion.h"
#include "keywords/access/AccessReader.h"
#include "platform/sql/StoreConnection.h"
#include "tests/support/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using keywords::AccessConversion;
using testing_support::LibraryRow;

namespace {

struct AccessConversionTest : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath(u"music.mdb"_qs);
    QString copyFixture(const QString &name)
    {
        QFile::copy(testing_support::accessFixture(name), path);
        return path;
    }
    QString backup() const { return folder.filePath(u"music (Access 原文件).mdb"_qs); }
};

const QList<LibraryRow> kSixKeywords = {
    {1, u"ABC"_qs, u"mixed case ascii"_qs}, {2, u"東方之珠"_qs, u"繁體 歌名"_qs},
    {3, u"爱情"_qs, u"简体 歌名"_qs},       {4, u"abd"_qs, u"lower ascii"_qs},
    {5, u"Abc Def"_qs, u"有空格"_qs},       {6, u"青花瓷"_qs, QVariant()},
};

TEST_F(AccessConversionTest, ConvertsEveryRowAndKeepsTheOriginal)
{
    const std::pair<QString, QList<LibraryRow>> fixtures[] = {{u"access-six-keywords.mdb"_qs, kSixKeywords},
                                                             {u"access-no-keywords.mdb"_qs, {}}};
    for (const auto &[fixture, rows] : fixtures) {
        QFile::remove(path);
        QFile::remove(backup());
        copyFixture(fixture);
        const QByteArray original = testing_support::fileBytes(path);

        const AccessConversion outcome = keywords::convertAccessStore(path);
        ASSERT_EQ(outcome.status, AccessConversion::Status::Converted) << fixture.toStdString();
        EXPECT_EQ(outcome.rowCount, rows.size());
        EXPECT_EQ(outcome.backupPath, backup());
        EXPECT_EQ(testing_support::fileBytes(backup()), original);
        EXPECT_EQ(testing_support::readLibrary(path), rows);
        platform::StoreConnection store;
        ASSERT_TRUE(store.open(path));
        EXPECT_FALSE(store.query(u"select * from music"_qs).failed()) << "the table is there even when empty";
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
    }
}

TEST_F(AccessConversionTest, BackupNameIsNumberedWhenTaken)
{
    QFile(backup()).open(QIODevice::WriteOnly);
    EXPECT_EQ(keywords::accessBackupPath(path), folder.filePath(u"music (Access 原文件 2).mdb"_qs));
}

TEST_F(AccessConversionTest, DamagedAccessFileIsLeftAlone)
{
    const QByteArray whole = testing_support::fileBytes(testing_support::accessFixture(u"access-six-keywords.mdb"_qs));
    const QByteArray damaged[] = {
        whole.left(4096),                                      // cut after the first page
        whole.left(512),                                       // cut inside the header page
        whole.left(4096) + QByteArray(whole.size() - 4096, '\xff'), // pages overwritten
    };
    for (const QByteArray &bytes : damaged) {
        testing_support::writeFileBytes(path, bytes);

        const AccessConversion outcome = keywords::convertAccessStore(path);
        EXPECT_NE(outcome.status, AccessConversion::Status::Converted);
        EXPECT_EQ(testing_support::fileBytes(path), bytes);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{u"music.mdb"_qs});
    }
}

} // namespace

namespace {

// A data page overwritten: every row still readable is converted, the rest counted, the original kept.
TEST_F(AccessConversionTest, DamagedPageConvertsTheRestAndCountsTheLost)
{
    const QString fixture = QStringLiteral(KORVIA_SHARED_ACCESS_FIXTURES "/variety/s1-jet4-v2003-many-pages.mdb");
    if (!QFile::exists(fixture))
        GTEST_SKIP() << "no shared Access fixtures beside the source tree";
    QByteArray bytes = testing_support::fileBytes(fixture);
    const qsizetype middle = bytes.size() / 4096 / 2 * 4096;
    for (qsizetype at = middle; at < middle + 4096; ++at)
        bytes[at] = char(at * 131 % 251);
    testing_support::writeFileBytes(path, bytes);

    const AccessConversion outcome = keywords::convertAccessStore(path);
    ASSERT_EQ(outcome.status, AccessConversion::Status::Converted);
    EXPECT_TRUE(outcome.damaged);
    EXPECT_EQ(outcome.rowCount + outcome.unreadableRows, 6000);
    EXPECT_EQ(testing_support::readLibrary(path).size(), outcome.rowCount);
    EXPECT_EQ(testing_support::fileBytes(backup()), bytes);
}

} // namespace
