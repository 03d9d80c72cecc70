// The hit list's rows over real hits: its columns, and long cells cut for showing but whole in the
// workbook, checked by Qt's model tester as views use the model.
#include "hits/HitListModel.h"
#include "hits/HitListWorkbook.h"
#include "keywords/KeywordListModel.h"
#include "songs/SongTableModel.h"
#include "tests/xls/XlsTestReader.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using hits::HitListModel;

namespace {

struct NameCase {
    const char *name;
    QString song;  // the song's name, holding the keyword "a"
    QString shown; // as the list shows it
};
void PrintTo(const NameCase &c, std::ostream *out)
{
    *out << c.name;
}

QString longName(qsizetype length, const QString &end = {})
{
    return QString(length - end.size(), u'a') + end;
}

class HitListCells : public ::testing::TestWithParam<NameCase> {};

TEST_P(HitListCells, AreCutForShowingAndWholeForExports)
{
    keywords::KeywordListModel keywordList;
    keywordList.appendRow({1, u"a"_qs, u"违禁"_qs});
    keywordList.appendRow({2, u"A"_qs, u"商业"_qs});
    songs::SongTableModel table;
    songs::SongStore rows;
    songs::SongStore::Cells cells;
    const QString noHit = u"东风破"_qs;
    cells[songs::kNameColumn] = noHit;
    rows.appendRow(cells);
    const QString singer = u"周杰伦"_qs, code = u"00012345"_qs;
    cells[songs::kNameColumn] = GetParam().song;
    cells[songs::kSingerColumn] = singer;
    cells[songs::kCodeColumn] = code;
    rows.appendRow(cells);
    table.appendRows(std::move(rows));

    HitListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setHits(hits::KeywordHits::find(keywordList, table, hits::HitRule::Folded), table);
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, 0).data(HitListModel::SongRowRole), 1);
    const QStringList row = {GetParam().shown, singer, code, u"a、A"_qs, u"违禁、商业"_qs, u"a、a"_qs};
    for (int column = 0; column < HitListModel::ColumnCount; ++column) {
        const QModelIndex index = model.index(0, column);
        for (const int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::AccessibleTextRole)})
            EXPECT_EQ(index.data(role).toString(), row[column]) << column << ' ' << role;
    }
    EXPECT_EQ(model.index(0, 0).data(HitListModel::WholeTextRole).toString(), GetParam().song);
    EXPECT_EQ(model.headerData(HitListModel::SingerColumn, Qt::Horizontal).toString(), u"歌手名字"_qs);

    // The workbook holds the name whole, up to the 32,767 characters a cell can hold.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"hits.xls"_qs);
    exporting::WorkbookSaveFailure failure;
    ASSERT_TRUE(hits::saveHitListWorkbook(model, path, xls::WorkbookType::Xls, failure)) << failure.reason.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString error;
    const std::vector<xlstest::Record> records = xlstest::records(xlstest::workbookStream(file.readAll(), &error));
    ASSERT_EQ(error, QString());
    const auto sst = std::find_if(records.begin(), records.end(), [](const auto &r) { return r.id == 0x00FC; });
    ASSERT_NE(sst, records.end());
    const std::vector<QString> strings = xlstest::decodeSst(records, size_t(sst - records.begin())).strings;
    EXPECT_NE(std::find(strings.begin(), strings.end(), GetParam().song.left(32767)), strings.end());

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

const QString kNonBmp = QString::fromUtf16(u"\U00020000");

INSTANTIATE_TEST_SUITE_P(
    Names, HitListCells,
    ::testing::Values(NameCase{"Short", u"a"_qs, u"a"_qs}, NameCase{"AtTheLimit", longName(4000), longName(4000)},
                      NameCase{"OnePastTheLimit", longName(4001), longName(4000) + u"…"_qs},
                      NameCase{"CharacterAcrossTheLimit", longName(4001, kNonBmp), longName(3999) + u"…"_qs},
                      NameCase{"Huge", longName(20'000'000), longName(4000) + u"…"_qs}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
