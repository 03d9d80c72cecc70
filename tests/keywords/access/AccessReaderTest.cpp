// The Access reader on its own: every fixture library read to exactly the rows its maker wrote, and
// damaged, foreign and locked files refused or reported, never read past their end or into rows
// that are not there.
#include "keywords/AccessConversion.h"
#include "tests/support/LibraryFile.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using keywords::AccessKeywords;
using testing_support::LibraryRow;
using Status = AccessKeywords::Status;

namespace {

QList<LibraryRow> asRows(const QList<keywords::AccessKeywordRow> &records)
{
    QList<LibraryRow> rows;
    for (const keywords::AccessKeywordRow &record : records)
        rows.append({record.id, record.name, record.remark});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LibraryRow &a, const LibraryRow &b) { return a.id.toLongLong() < b.id.toLongLong(); });
    return rows;
}

QVariant jsonValue(const QJsonValue &value)
{
    return value.isNull() ? QVariant() : value.toVariant();
}

QList<LibraryRow> expectedRows(const QString &jsonPath)
{
    const QJsonArray rows = QJsonDocument::fromJson(testing_support::fileBytes(jsonPath)).object()[u"rows"_qs].toArray();
    QList<LibraryRow> expected;
    for (const QJsonValue &row : rows) {
        const QJsonArray cells = row.toArray();
        expected.append({jsonValue(cells[0]), jsonValue(cells[1]), jsonValue(cells[2])});
    }
    return expected;
}

AccessKeywords readBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return keywords::readAccessLibrary(buffer);
}

QByteArray sixKeywords()
{
    return testing_support::fileBytes(testing_support::accessFixture(u"access-six-keywords.mdb"_qs));
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

// The page a table's definition lies on, found the slow way: the first TDEF page naming the column.
qsizetype pageNaming(const QByteArray &bytes, const QString &column)
{
    const QByteArray name(reinterpret_cast<const char *>(column.utf16()), column.size() * 2);
    for (qsizetype page = 3; page * 4096 < bytes.size(); ++page) {
        if (bytes[page * 4096] == 0x02 && bytes.mid(page * 4096, 4096).contains(name))
            return page;
    }
    return -1;
}

TEST(AccessReader, ReadsEveryFixtureToItsRows)
{
    const QDir folder(testing_support::accessFixture({}));
    QStringList files;
    for (const QString &name : folder.entryList({u"*.mdb"_qs, u"*.accdb"_qs}, QDir::Files))
        files.append(folder.filePath(name));
    int checked = 0;
    for (const QString &file : files) {
        const QString json = file.left(file.lastIndexOf(u'.')) + u".rows.json"_qs;
        if (!QFile::exists(json))
            continue; // the six-keyword and empty libraries: read by the conversion tests
        const AccessKeywords read = keywords::readAccessLibrary(file);
        ASSERT_EQ(read.status, Status::Read) << file.toStdString();
        EXPECT_FALSE(read.damaged) << file.toStdString();
        const QList<LibraryRow> expected = expectedRows(json);
        const QList<LibraryRow> rows = asRows(read.rows);
        ASSERT_EQ(rows.size(), expected.size()) << file.toStdString();
        for (qsizetype i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i], expected[i]) << file.toStdString() << " row " << i;
        ++checked;
    }
    EXPECT_GE(checked, 10);
}

// Null and empty texts stay apart (LibraryRow compares nullness as well).
TEST(AccessReader, EmptyTextIsNotNull)
{
    const QString file = testing_support::accessFixture(u"s1-jet4-v2010-edge-texts.accdb"_qs);
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
    const QList<keywords::AccessKeywordRow> rows = keywords::readAccessLibrary(file).rows;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const auto &r) { return !r.remark.isNull() && r.remark.toString().isEmpty(); }));
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const auto &r) { return r.remark.isNull(); }));
}

// Whatever is cut off or overwritten, the reader ends with a status and never with a row that is
// not in the file.
TEST(AccessReader, DamagedFilesEndInAStatus)
{
    const QByteArray whole = sixKeywords();
    const QList<LibraryRow> six =
        asRows(keywords::readAccessLibrary(testing_support::accessFixture(u"access-six-keywords.mdb"_qs)).rows);
    ASSERT_EQ(six.size(), 6);
    const auto noInventedRows = [&](const AccessKeywords &read) {
        for (const LibraryRow &row : asRows(read.rows))
            EXPECT_TRUE(six.contains(row)) << row;
    };
    for (qsizetype length = 0; length < whole.size(); length += length < 8192 ? 97 : 1021)
        noInventedRows(readBytes(whole.left(length)));
    QRandomGenerator random(19);
    for (qsizetype page = 0; page * 4096 < whole.size(); ++page) {
        QByteArray damaged = whole;
        for (qsizetype at = page * 4096; at < (page + 1) * 4096; ++at)
            damaged[at] = char(random.generate());
        const AccessKeywords read = readBytes(damaged);
        noInventedRows(read);
        if (read.status == Status::Read && read.rows.size() < 6) {
            EXPECT_TRUE(read.damaged) << "page " << page << ": rows lost without a word";
        }
    }
}

// A data page overwritten in the middle of a large table: the rest is read, and the rows lost are
// counted by the table's own count.
TEST(AccessReader, RowsOfADamagedPageAreCounted)
{
    const QString file = testing_support::accessFixture(u"s1-jet4-v2000-deleted-rows.mdb"_qs);
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
    QByteArray bytes = testing_support::fileBytes(file);
    const qsizetype tdef = pageNaming(bytes, u"歌曲名"_qs);
    qsizetype dataPages = 0, middle = -1;
    for (qsizetype page = 3; page * 4096 < bytes.size(); ++page) {
        const QByteArray header = bytes.mid(page * 4096, 8);
        if (header[0] == 0x01 && quint8(header[4]) == (tdef & 0xff) && quint8(header[5]) == (tdef >> 8 & 0xff)
            && ++dataPages == 10)
            middle = page;
    }
    ASSERT_GT(middle, 0);
    QRandomGenerator random(7);
    for (qsizetype at = middle * 4096; at < (middle + 1) * 4096; ++at)
        bytes[at] = char(random.generate());
    const AccessKeywords read = readBytes(bytes);
    ASSERT_EQ(read.status, Status::Read);
    EXPECT_TRUE(read.damaged);
    EXPECT_GT(read.unreadableRows, 0);
    EXPECT_EQ(read.rows.size() + read.unreadableRows, 2000);
}

// A Memo remark spread over a chain of long-value rows whose link points back at itself: that row
// is lost and counted, the others are read.
TEST(AccessReader, LoopingLongValueChainIsCaught)
{
    const QString file = testing_support::accessFixture(u"s1-jet4-v2000-memo-remark.mdb"_qs);
    ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
    QByteArray bytes = testing_support::fileBytes(file);
    const auto u16 = [&](qsizetype at) { return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8); };
    bool looped = false;
    for (qsizetype page = 3; !looped && page * 4096 < bytes.size(); ++page) {
        const qsizetype base = page * 4096;
        if (bytes[base] != 0x01 || bytes.mid(base + 4, 4) != "LVAL")
            continue;
        for (int row = 0; row < u16(base + 0x0c); ++row) {
            const qsizetype start = base + (u16(base + 0x0e + row * 2) & 0x1fff);
            const QByteArray next = bytes.mid(start, 4);
            if (next != QByteArray(4, '\0') && bytes.mid(qsizetype(quint8(next[1]) | quint8(next[2]) << 8) * 4096 + 4, 4) == "LVAL") {
                putU32(bytes, start, quint32(page) << 8 | quint32(row));
                looped = true;
                break;
            }
        }
    }
    ASSERT_TRUE(looped);
    const AccessKeywords read = readBytes(bytes);
    ASSERT_EQ(read.status, Status::Read);
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.unreadableRows, 1);
    EXPECT_EQ(read.rows.size(), 199);
}

TEST(AccessReader, PointersOutOfPlaceAndHugeCountsAreRefusedOrBounded)
{
    const QByteArray whole = sixKeywords();
    const qsizetype tdef = pageNaming(whole, u"歌曲名"_qs);
    ASSERT_GT(tdef, 0);
    const qsizetype tdefAt = tdef * 4096;

    QByteArray chainToItself = whole;
    putU32(chainToItself, tdefAt + 4, quint32(tdef));
    EXPECT_EQ(readBytes(chainToItself).status, Status::CannotOpen);

    QByteArray chainPastTheEnd = whole;
    putU32(chainPastTheEnd, tdefAt + 4, 0x00ffffff);
    EXPECT_EQ(readBytes(chainPastTheEnd).status, Status::CannotOpen);

    QByteArray mapPastTheEnd = whole;
    putU32(mapPastTheEnd, tdefAt + 0x37, 0xffffff00);
    EXPECT_EQ(readBytes(mapPastTheEnd).status, Status::CannotOpen);

    QByteArray twoBillionRows = whole;
    putU32(twoBillionRows, tdefAt + 0x10, 2'000'000'000);
    const AccessKeywords huge = readBytes(twoBillionRows);
    EXPECT_EQ(huge.status, Status::Read);
    EXPECT_EQ(huge.rows.size(), 6);

    QByteArray manyColumns = whole;
    manyColumns[tdefAt + 0x2d] = char(0xff);
    manyColumns[tdefAt + 0x2e] = char(0xff);
    EXPECT_EQ(readBytes(manyColumns).status, Status::CannotOpen);
}

TEST(AccessReader, OtherFilesAreToldApart)
{
    const QByteArray whole = sixKeywords();
    EXPECT_EQ(readBytes({}).status, Status::CannotOpen);
    EXPECT_EQ(readBytes("SQLite format 3" + QByteArray(4096, '\0')).status, Status::CannotOpen);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(u"music.mdb"_qs);
    EXPECT_EQ(keywords::readAccessLibrary(folder.filePath(u"music.mdb"_qs)).status, Status::CannotOpen);

    QByteArray jet3 = whole;
    jet3[0x14] = 0;
    EXPECT_EQ(readBytes(jet3).status, Status::Unsupported);

    QByteArray encoded = whole;
    encoded[0x3e] = char(encoded[0x3e] ^ 0x5a);
    EXPECT_EQ(readBytes(encoded).status, Status::Encrypted);

    // Tables renamed in place, the names being UCS-2 in the catalog and the definition.
    const auto renamed = [&](const QString &from, const QString &to) {
        QByteArray bytes = whole;
        const QByteArray a(reinterpret_cast<const char *>(from.utf16()), from.size() * 2);
        const QByteArray b(reinterpret_cast<const char *>(to.utf16()), to.size() * 2);
        return bytes.replace(a, b);
    };
    EXPECT_EQ(readBytes(renamed(u"歌曲名"_qs, u"歌曲号"_qs)).status, Status::NoKeywordTable);
    const QByteArray noMusic = renamed(u"music"_qs, u"nusic"_qs);
    if (noMusic != whole) { // the catalog may keep the name compressed
        EXPECT_EQ(readBytes(noMusic).status, Status::NoKeywordTable);
    }
}

} // namespace
