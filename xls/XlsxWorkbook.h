// An .xlsx workbook of text cells, written by libxlsxwriter in its constant-memory mode: each row goes
// to a temporary file as it is appended, so a catalogue of any size takes little memory.
#pragma once

#include "TextWorkbook.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <span>
#include <vector>

class QIODevice;
struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace xls {

// Sheets are named "Sheet1", "Sheet2", ...; each starts with the header row, and a new one starts
// once a sheet holds rowsPerSheet rows below its header. Every cell has the Text format "@", so codes
// keep their leading zeros; an empty text still makes a (blank) cell with that format.
//
// Characters XML cannot hold (U+0000 to U+001F apart from tab and line feed) are stored the way
// Excel stores them, as "_xHHHH_", which Excel, LibreOffice and openpyxl read back as the character;
// a text that itself looks like "_xHHHH_" gets its underscore stored as "_x005F_", so it reads back
// unchanged. A cell keeps at most 32,767 characters of that stored form, cut between whole escapes.
class XlsxWorkbook final : public TextWorkbook {
public:
    static constexpr int kMaxRows = 1048576;    // rows per worksheet
    static constexpr int kMaxColumns = 16384;   // columns per worksheet (A to XFD)

    // Throws std::bad_alloc when the library runs out of memory, here and in appendRow and write.
    explicit XlsxWorkbook(const QStringList &header, int rowsPerSheet = kMaxRows - 1);
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook &) = delete;
    XlsxWorkbook &operator=(const XlsxWorkbook &) = delete;

    // The next row, one text per column from column A; columns past kMaxColumns are left out.
    bool appendRow(std::span<const QStringView> texts) override;
    bool appendRow(std::span<const QString> texts);

    // Finishes the file and passes it on to the device; callable once. The library builds the file
    // on a thread of its own meanwhile, so that keepGoing can stop the write at once: the thread is
    // then left to finish alone, and its files go with it.
    bool write(QIODevice &device, const std::function<bool()> &keepGoing = {}) override;

    QString temporaryFolder() const override;

private:
    bool addSheet();
    template <typename Text>
    bool appendTexts(std::span<const Text> texts);
    template <typename Text>
    bool writeRow(std::span<const Text> texts);
    void closeSheetFiles();
    bool sheetFileFailed();
    bool buildFile(const std::function<bool()> &keepGoing);
    bool copyFile(QIODevice &device, const std::function<bool()> &keepGoing);

    // Named in ASCII: the library reaches it through the narrow C calls (see folderNameForLibrary).
    // Shared with the thread that builds the file, which may outlive the workbook.
    std::shared_ptr<QTemporaryDir> m_folder =
        std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/korvia-xlsx-XXXXXX"));
    QByteArray m_folderName;   // as libxlsxwriter opens it
    QByteArray m_bookName;
    QStringList m_header;
    int m_rowsPerSheet;
    lxw_workbook *m_book = nullptr;
    lxw_format *m_text = nullptr;
    std::vector<lxw_worksheet *> m_sheets;
    lxw_worksheet *m_sheet = nullptr;
    int m_row = 0;             // the sheet's next row
    QString m_escaped;         // reused for each cell that needs escapes
    QByteArray m_cell;         // reused for each cell's UTF-8
};

} // namespace xls
