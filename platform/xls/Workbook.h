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
    static constexpr int kMaxRows = 65536;  // rows per worksheet

    // The new sheet's 0-based index; its name is "Sheet<index+1>".
    int addWorksheet();
    int worksheetCount() const { return int(m_sheets.size()); }

    // Cells are addressed A1-style, letters case-insensitive ("a1", "I2", "i65536"), within A1:IV65536.
    // Both return false, changing nothing, for a malformed or out-of-range reference or sheet.
    // "@" selects the Text format; any other format is General.
    bool setNumberFormat(int sheet, QStringView a1Ref, QStringView format);
    // A text cell that keeps the cell's format. An empty text still makes a cell (a blank one),
    // so that its format survives.
    bool setValue(int sheet, QStringView a1Ref, const QString &text);

    // The bulk writers' path; row and column are 0-based, and out-of-range cells are ignored.
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
