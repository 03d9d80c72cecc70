// An old Access music.mdb: read, converted, the original kept byte for byte; a damaged
// one left alone.
#include "keywords/AccessConversion.h"
#include "platform/sql/StoreConnection.h"
#include "tests/keywords/access/AccessPages.h"
#include "tests/support/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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
    QStringList files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::System); }
    // Converts the library at path and checks that nothing was touched.
    void expectLeftAlone(AccessConversion::Status status, const std::function<bool(qint64, qint64)> &progress = {})
    {
        const QByteArray before = testing_support::fileBytes(path);
        EXPECT_EQ(keywords::convertAccessStore(path, progress).status, status);
        EXPECT_EQ(testing_support::fileBytes(path), before);
        EXPECT_EQ(files(), QStringList{u"music.mdb"_qs});
    }
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
    const QString fixture = testing_support::accessFixture(u"s1-jet4-v2003-many-pages.mdb"_qs);
    ASSERT_TRUE(QFile::exists(fixture)) << fixture.toStdString();
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

namespace {

using Status = AccessConversion::Status;

// One Memo chain of 16 MB that every row points at: refused as damaged, quickly and in little
// memory, rather than read 183 times over.
TEST_F(AccessConversionTest, TextsPastWhatALibraryHoldsAreRefused)
{
    testing_support::writeFileBytes(path,
                                    testing_access::keywordLibrary(testing_access::numberedKeywords(183),
                                                                   {.sharedMemo = QByteArray(16 << 20, 'a')}));
    expectLeftAlone(Status::CannotRead);
}

// No row could be read (the file cut before its data pages): nothing is converted, and the
// original stays music.mdb to be tried again.
TEST_F(AccessConversionTest, NoReadableRowConvertsNothing)
{
    const QByteArray whole = testing_access::keywordLibrary(testing_access::numberedKeywords(100));
    testing_support::writeFileBytes(path, whole.left(5 * testing_access::kPage));
    expectLeftAlone(Status::CannotRead);
}

// A page of zeros in the usage map, as a sparse file has, loses no row when every row was read.
TEST_F(AccessConversionTest, AHoleInASparseFileLosesNothing)
{
    testing_support::writeFileBytes(
        path, testing_access::keywordLibrary(testing_access::numberedKeywords(50), {.holeInMap = true}));
    const AccessConversion outcome = keywords::convertAccessStore(path);
    ASSERT_EQ(outcome.status, Status::Converted);
    EXPECT_EQ(outcome.rowCount, 50);
    EXPECT_FALSE(outcome.damaged);
}

// Stopped (the program ends) in the middle of reading, or of writing: the original stays as it was.
TEST_F(AccessConversionTest, StoppedConversionLeavesTheOriginal)
{
    testing_support::writeFileBytes(path, testing_access::keywordLibrary(testing_access::numberedKeywords(3000)));
    for (const qint64 stopAt : {qint64(10), qint64(4000)})
        expectLeftAlone(Status::Stopped, [&](qint64 done, qint64) { return done < stopAt; });
}

// Another file put in the original's place while it was read is neither moved aside nor reported
// as the original kept.
TEST_F(AccessConversionTest, AFileReplacedWhileReadIsNotMovedAside)
{
    testing_support::writeFileBytes(path, testing_access::keywordLibrary(testing_access::numberedKeywords(500)));
    const QByteArray other = testing_access::keywordLibrary(testing_access::numberedKeywords(7));
    bool replaced = false;
    const AccessConversion outcome = keywords::convertAccessStore(path, [&](qint64, qint64) {
        if (!std::exchange(replaced, true)) {
            testing_support::writeFileBytes(path + u".other"_qs, other);
            QFile::remove(path);
            QFile::rename(path + u".other"_qs, path);
        }
        return true;
    });
    EXPECT_EQ(outcome.status, Status::Changed);
    EXPECT_EQ(testing_support::fileBytes(path), other);
    EXPECT_EQ(files(), QStringList{u"music.mdb"_qs});
}

#ifdef Q_OS_UNIX
// A pipe named music.mdb is refused without being opened, which would block for ever.
TEST_F(AccessConversionTest, APipeIsRefusedUnopened)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(keywords::convertAccessStore(path).status, Status::CannotRead);
    EXPECT_EQ(keywords::readAccessLibrary(path).status, keywords::AccessKeywords::Status::CannotOpen);
}

// A file that cannot be renamed (immutable): the conversion names it, and nothing is left behind.
TEST_F(AccessConversionTest, AnImmutableOriginalIsNamed)
{
    copyFixture(u"access-six-keywords.mdb"_qs);
    if (QProcess::execute(u"chattr"_qs, {u"+i"_qs, path}) != 0)
        GTEST_SKIP() << "chattr +i needs root and a file system that has it";
    const AccessConversion outcome = keywords::convertAccessStore(path);
    QProcess::execute(u"chattr"_qs, {u"-i"_qs, path});
    EXPECT_EQ(outcome.status, Status::CannotMove);
    EXPECT_EQ(files(), QStringList{u"music.mdb"_qs});
}
#endif

} // namespace
