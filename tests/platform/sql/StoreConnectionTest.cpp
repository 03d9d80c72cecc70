// The store connection: failures come back as results, a read-only connection changes nothing,
// and each connection has a transaction of its own.
#include "platform/sql/StoreConnection.h"
#include "tests/support/LibraryFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::StoreConnection;

namespace {

struct StoreConnectionTest : ::testing::Test {
    QTemporaryDir folder;
    QString path = folder.filePath(u"music.mdb"_qs);
    void SetUp() override { testing_support::writeLibrary(path, {{1, u"爱情"_qs, u"违禁"_qs}, {2, u"abc"_qs, {}}}); }
};

TEST_F(StoreConnectionTest, FailuresAreReportedNotThrown)
{
    StoreConnection store;
    platform::StoreRows beforeOpen = store.query(u"select * from music"_qs);
    EXPECT_TRUE(beforeOpen.failed());
    EXPECT_FALSE(beforeOpen.next());
    EXPECT_FALSE(store.execute(u"delete from music"_qs));

    ASSERT_TRUE(store.open(path));
    platform::StoreRows broken = store.query(u"select * from nowhere"_qs);
    EXPECT_TRUE(broken.failed());
    EXPECT_FALSE(broken.next());
    EXPECT_EQ(broken.column(u"编号"_qs), -1);
    EXPECT_FALSE(broken.value(0).isValid());
    EXPECT_FALSE(store.execute(u"Insert into music (歌曲名,备注) values ('a','b'c' )"_qs));
    EXPECT_FALSE(store.lastError().isEmpty());

    StoreConnection readOnly;
    ASSERT_TRUE(readOnly.open(path, StoreConnection::Access::ReadOnly));
    EXPECT_FALSE(readOnly.execute(u"delete from music"_qs));
    EXPECT_EQ(testing_support::readLibrary(path).size(), 2);
}

TEST_F(StoreConnectionTest, EachConnectionHasItsOwnTransaction)
{
    StoreConnection first;
    StoreConnection second;
    ASSERT_TRUE(first.open(path));
    ASSERT_TRUE(second.open(path));

    ASSERT_TRUE(first.beginTransaction());
    ASSERT_TRUE(first.execute(u"delete from music where 编号=2"_qs));
    EXPECT_TRUE(second.query(u"select * from music where 编号=2"_qs).next()) << "not committed yet";
    ASSERT_TRUE(first.rollback());
    EXPECT_EQ(testing_support::readLibrary(path).size(), 2);

    ASSERT_TRUE(first.beginTransaction());
    ASSERT_TRUE(first.execute(u"delete from music where 编号=2"_qs));
    ASSERT_TRUE(first.commit());
    EXPECT_FALSE(second.query(u"select * from music where 编号=2"_qs).next());
}

} // namespace
