// Where music.mdb is kept: beside a program whose folder may be written, else in the data folder,
// seeded once from the program folder's copy, which is never changed.
#include "keywords/KeywordStoreFile.h"
#include "keywords/KeywordStoreFolder.h"
#include "tests/support/LibraryFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testing_support::fileBytes;
using testing_support::writeFileBytes;

namespace {

TEST(KeywordStoreFolder, AWritableProgramFolderKeepsTheLibraryBesideTheProgram)
{
    QTemporaryDir program;
    QTemporaryDir home;
    const QString data = home.filePath(u"data"_qs);
    writeFileBytes(program.filePath(u"music.mdb"_qs), "seed");

    const bool beside = keywords::mayKeepStoreBesideProgram(program.path(), home.filePath(u"usr/bin"_qs));
    EXPECT_TRUE(beside);
    EXPECT_EQ(keywords::keywordStoreFolder(program.path(), data, beside), program.path());
    EXPECT_FALSE(QFileInfo::exists(data));
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"music.mdb"_qs})
        << "the write probe leaves nothing behind";

    // The folder a package installed the program to is the package manager's, even to root.
    EXPECT_FALSE(keywords::mayKeepStoreBesideProgram(program.path(), program.path() + u"/."_qs));
    EXPECT_FALSE(keywords::canCreateFileIn(program.filePath(u"music.mdb"_qs)));
    EXPECT_FALSE(keywords::canCreateFileIn(program.filePath(u"missing"_qs)));

    // An old Access library marked read-only is converted from a copy in the data folder, as in a
    // read-only folder; a read-only library of the program's own format stays beside it, read-only.
    QFile::remove(program.filePath(u"music.mdb"_qs));
    QFile::copy(testing_support::accessFixture(u"access-six-keywords.mdb"_qs), program.filePath(u"music.mdb"_qs));
    QFile::setPermissions(program.filePath(u"music.mdb"_qs), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(keywords::mayKeepStoreBesideProgram(program.path(), home.filePath(u"usr/bin"_qs)));
    QFile::remove(program.filePath(u"music.mdb"_qs));
    writeFileBytes(program.filePath(u"music.mdb"_qs), "SQLite format 3\0 seed"_qba);
    QFile::setPermissions(program.filePath(u"music.mdb"_qs), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_TRUE(keywords::mayKeepStoreBesideProgram(program.path(), home.filePath(u"usr/bin"_qs)));
}

TEST(KeywordStoreFolder, OtherwiseTheDataFolderIsSeededOnceAndTheOriginalStaysAsItWas)
{
    QTemporaryDir program;
    QTemporaryDir home;
    const QString data = home.filePath(u"share/korvia"_qs);
    const QString seed = program.filePath(u"music.mdb"_qs);
    const QString library = QDir(data).filePath(u"music.mdb"_qs);
    writeFileBytes(seed, "SQLite format 3\0 seed"_qba);
    QFile::setPermissions(seed, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    EXPECT_EQ(keywords::keywordStoreFolder(program.path(), data, false), data);
    EXPECT_EQ(fileBytes(library), "SQLite format 3\0 seed"_qba);
    EXPECT_FALSE(keywords::isMarkedReadOnly(library)) << "the user's copy takes changes";
    EXPECT_EQ(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{u"music.mdb"_qs});

    EXPECT_EQ(fileBytes(seed), "SQLite format 3\0 seed"_qba);
    EXPECT_TRUE(keywords::isMarkedReadOnly(seed));

    // Later starts keep the user's library as it is.
    writeFileBytes(library, "changed by the user");
    EXPECT_EQ(keywords::keywordStoreFolder(program.path(), data, false), data);
    EXPECT_EQ(fileBytes(library), "changed by the user");

    // Without a seed the data folder is only made; the keyword library creates its store there.
    QTemporaryDir bare;
    const QString otherData = home.filePath(u"other"_qs);
    EXPECT_EQ(keywords::keywordStoreFolder(bare.path(), otherData, false), otherData);
    EXPECT_TRUE(QFileInfo(otherData).isDir());
    EXPECT_TRUE(QDir(otherData).isEmpty());
}

} // namespace
