// An .xls (Excel 97-2003) workbook of text cells, built in memory and written in one go.
#pragma once

#include "CellStore.h"
#include "SharedStrings.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

class QIODevice;

namespace xls {

// Sheets are named "Sheet1", "Sheet2", ... in order of creation. Cells may be set in any order and
// more than once; the last write of a cell's value, and of its format, wins.
class Workbook {
public:
    static constexpr int kMaxRows = 65536;   // rows per worksheet
    static constexpr int kMaxColumns = 256;  // columns per worksheet (A to IV)

    // The new sheet's 0-based index; its name is "Sheet<index+1>".
    int addWorksheet();
    int worksheetCount() const { return int(m_sheets.size()); }

    // A cell of the Text format (or, with textFormat false, the General one); row and column are
    // 0-based, and cells outside the sheet's 65,536 rows and 256 columns are ignored. An empty text
    // still makes a cell (a blank one), so that its format survives.
    void setTextCell(int sheet, int row, int column, const QString &text, bool textFormat = true);

    // The whole .xls file. Writing needs at least one worksheet; toBytes() is empty without one.
    bool write(QIODevice &device, QString *errorString = nullptr) const;
    QByteArray toBytes() const;
    // Replaces the file atomically; on failure an existing file is left as it was.
    bool saveAs(const QString &path, QString *errorString = nullptr) const;

    // Room for this many more cells on the sheet, for writers that know their size up front.
    void reserve(int sheet, qsizetype cells);

private:
    bool isValidCell(int sheet, int row, int column) const;
    quint32 valueOf(const QString &text);

    std::vector<CellStore> m_sheets;
    SharedStrings m_strings;
};

} // namespace xls
