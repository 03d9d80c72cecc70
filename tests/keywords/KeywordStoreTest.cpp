// The keyword store without the window: each shape of music.mdb at start, the notice it gives and
// whether changes are allowed, adding many keywords at once, an old Access library converted off the
// window's thread and stopped by the end of the program, and the list cutting what it shows.
#include "keywords/KeywordStore.h"
#include "keywords/KeywordListModel.h"
#include "songs/QuitRequest.h"
#include "tests/keywords/access/AccessPages.h"
#include "tests/support/LibraryFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using keywords::ChangeRefusal;
using keywords::StoreNotice;
using testing_support::writeFileBytes;

namespace {

struct Store {
    QTemporaryDir folder;
    QString path = folder.filePath(u"music.mdb"_qs);
    keywords::KeywordListModel list;
    songs::QuitRequest quit;
    QList<StoreNotice::Kind> told;
    keywords::KeywordStore store{list, folder.path(), quit, [this](const StoreNotice &n) { told.append(n.kind); }, 100};
};

TEST(KeywordStore, EachShapeOfTheLibraryAtStart)
{
    using Kind = StoreNotice::Kind;
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup;
    struct Shape {
        const char *what;
        std::function<void(const QString &path)> make;
        Kind notice;
        ChangeRefusal refusal;
        int keywords;
    } shapes[] = {
        {"missing", [](const QString &) {}, Kind::None, ChangeRefusal::None, 0},
        {"two rows",
         [](const QString &p) {
             testing_support::writeLibrary(p, {{1, u"b"_qs, u"x"_qs}, {2, u"a"_qs, {}}});
         },
         Kind::None, ChangeRefusal::None, 2},
        {"read-only",
         [&](const QString &p) {
             testing_support::writeLibrary(p, {{1, u"a"_qs, u"x"_qs}});
             QFile::setPermissions(p, readOnly);
         },
         Kind::ReadOnly, ChangeRefusal::ReadOnly, 1},
        {"damaged", [](const QString &p) { writeFileBytes(p, "not a library"); }, Kind::Damaged,
         ChangeRefusal::Unavailable, 0},
        {"a folder", [](const QString &p) { QDir().mkdir(p); }, Kind::Damaged, ChangeRefusal::Unavailable, 0},
        {"Access",
         [](const QString &p) { QFile::copy(testing_support::accessFixture(u"access-six-keywords.mdb"_qs), p); },
         Kind::AccessConverted, ChangeRefusal::None, 6},
    };
    for (const Shape &shape : shapes) {
        Store s;
        shape.make(s.path);
        const StoreNotice notice = s.store.OpenKeywordDatabase();
        EXPECT_EQ(notice.kind, shape.notice) << shape.what;
        EXPECT_EQ(s.store.refusal(), shape.refusal) << shape.what;
        EXPECT_EQ(s.list.count(), shape.keywords) << shape.what;
        if (shape.notice == Kind::AccessConverted) {
            EXPECT_EQ(notice.rowCount, 6);
            EXPECT_EQ(notice.path, QDir::toNativeSeparators(s.folder.filePath(u"music (Access 原文件).mdb"_qs)));
        }
    }
}

TEST(KeywordStore, AddsManyInOneChangeSkippingNamesAlreadyThere)
{
    Store s;
    testing_support::writeLibrary(s.path, {{1, u"Abc"_qs, u"x"_qs}});
    s.store.OpenKeywordDatabase();
    const keywords::KeywordInsertion added =
        s.store.insertKeywords({{0, u"ABC"_qs, u"y"_qs}, {0, u"新歌"_qs, u"无"_qs}, {0, u"新歌"_qs, u"z"_qs}});
    EXPECT_EQ(added.outcome, keywords::KeywordInsertion::Outcome::Saved);
    EXPECT_EQ(added.added, 1);
    EXPECT_EQ(added.skipped, 2);
    EXPECT_EQ(testing_support::readLibrary(s.path).size(), 2);
}

// The close box during a long conversion: the store returns at once, and the original is as it was.
TEST(KeywordStore, TheEndOfTheProgramStopsAConversion)
{
    Store s;
    const QByteArray library =
        testing_access::keywordLibrary(testing_access::numberedKeywords(200'000), {.rowsPerPage = 100});
    writeFileBytes(s.path, library);
    bool shown = false;
    s.store.setConversionProgress([&](qint64, qint64) { shown = true; });
    QTimer::singleShot(30, [&] { s.quit.request(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(s.store.OpenKeywordDatabase().kind, StoreNotice::Kind::None);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(testing_support::fileBytes(s.path), library);
    EXPECT_EQ(QDir(s.folder.path()).entryList(QDir::Files), QStringList{u"music.mdb"_qs});
    EXPECT_FALSE(shown) << "ended before it ran longer than a moment";
}

// A remark of half a million characters: the library keeps it whole, the list shows its start.
TEST(KeywordStore, TheListCutsLongTextsItShows)
{
    keywords::KeywordListModel list;
    const QString remark(521'728, u'备');
    list.appendRow({1, u"名"_qs, remark});
    EXPECT_EQ(list.row(0).remark, remark);
    const QString shown = list.data(list.index(0, 1)).toString();
    EXPECT_LE(shown.size(), 4001);
    EXPECT_TRUE(shown.endsWith(u'…'));
    EXPECT_EQ(list.data(list.index(0, 0)).toString(), u"名"_qs);
}

} // namespace
