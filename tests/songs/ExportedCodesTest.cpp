// Reading earlier exports and finding the songs they hold.
#include "songs/ExportedCodes.h"
#include "songs/SongTableModel.h"

#include <gtest/gtest.h>

using songs::SongStore;
using songs::SongTableModel;

namespace {
QSet<QString> set(std::initializer_list<const char16_t *> codes)
{
    QSet<QString> result;
    for (const char16_t *code : codes)
        result.insert(QString::fromUtf16(code));
    return result;
}

SongStore numbered(int first, int count)
{
    SongStore store;
    for (int i = first; i < first + count; ++i) {
        const QString name = QString::number(i);
        SongStore::Cells cells;
        cells.fill(QStringView());
        cells[0] = name;
        cells[8] = name;
        store.appendRow(cells);
    }
    return store;
}
} // namespace

TEST(ExportedCodes, ReadsCodeListsAndSearchFilesAndRefusesOtherFiles)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QSet<QString> codes;
        const char16_t *problem; // a piece of the reason, or null
    } cases[] = {
        {"CR LF, blank lines", "00000001\r\n\r\n00000002\r\n", set({u"00000001", u"00000002"}), nullptr},
        {"LF and CR, exact text", "01\n 02\r03", set({u"01", u" 02", u"03"}), nullptr},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" "编码1\r\n", set({u"编码1"}), nullptr},
        {"GBK", "\xB1\xE0\xC2\xEB" "1\r\n", set({u"编码1"}), nullptr},
        {"search file: field 2, empty codes never", "80||00000007||a||歌\r\n80||||a||空\r\nx||y\r\n",
         set({u"00000007"}), nullptr},
        {"UTF-16", QByteArray("1\0" "2\0" "\r\0\n\0", 8), {}, u"UTF-16"},
        {"binary", QByteArray("PK\3\4\0\0\1", 7), {}, u"二进制"},
        {"prose", "这是一封信\r\nhello world\r\n", {}, u"编码"},
        {"empty", "", {}, u"编码"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const songs::ExportedCodes read = songs::parseExportedCodes(c.bytes);
        EXPECT_EQ(read.codes, c.codes);
        if (c.problem)
            EXPECT_TRUE(read.problem.contains(QString::fromUtf16(c.problem))) << read.problem.toStdString();
        else
            EXPECT_TRUE(read.problem.isEmpty()) << read.problem.toStdString();
    }
    EXPECT_FALSE(songs::readExportedCodes(QStringLiteral("/nonexistent/codes.txt")).problem.isEmpty());
    EXPECT_FALSE(songs::readExportedCodes(QStringLiteral("/")).problem.isEmpty());
}

TEST(ExportedCodes, TheSongsFoundAreThoseWhoseCodeCellIsACodeExactly)
{
    SongTableModel model;
    model.appendRows(numbered(0, 30));
    EXPECT_EQ(songs::rowsWithCodes(model, set({u"0", u"21", u""})), (QList<int>{0, 21}));
}
