// An .xlsx workbook of text cells, written by libxlsxwriter.
#include "XlsxWorkbook.h"

#include "XlsString.h"

#include <QFile>
#include <QIODevice>
#include <QStringEncoder>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <new>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace xls {

namespace {

// libxlsxwriter opens its row files with the narrow C calls, which on Windows cannot reach a folder
// whose name the ANSI code page lacks (a user name in Chinese, say): the folder's short name can.
QByteArray folderNameForLibrary(const QString &path)
{
#ifdef Q_OS_WIN
    const std::wstring wide = path.toStdWString();
    wchar_t shortName[MAX_PATH];
    const DWORD length = GetShortPathNameW(wide.c_str(), shortName, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return QString::fromWCharArray(shortName, int(length)).toLocal8Bit();
    return path.toLocal8Bit();
#else
    return QFile::encodeName(path);
#endif
}

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// "_xHHHH_" at this position: what a reader would take for an escaped character.
bool looksEscaped(QStringView text, qsizetype at)
{
    if (at + 7 > text.size() || text[at + 1] != u'x' || text[at + 6] != u'_')
        return false;
    for (qsizetype i = at + 2; i < at + 6; ++i)
        if (!isHex(text[i]))
            return false;
    return true;
}

// UTF-8 into the reused buffer: with millions of cells, a fresh array for each one costs more than
// the encoding itself.
void encodeUtf8(QStringView text, QByteArray &out)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    out.resize(encoder.requiredSpace(text.size()));
    out.resize(encoder.appendToBuffer(out.data(), text) - out.data());
}

// The cell's text as libxlsxwriter takes it: UTF-8 without a zero byte, which would end it. The
// library itself escapes the other control characters.
void cellBytes(QStringView text, QByteArray &out)
{
    if (!text.contains(u'_') && !text.contains(QChar(0))) {
        encodeUtf8(text, out);
        return;
    }
    QString escaped;
    escaped.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(0))
            escaped += QLatin1String("_x0000_");
        else if (text[i] == u'_' && looksEscaped(text, i))
            escaped += QLatin1String("_x005F_");
        else
            escaped += text[i];
    }
    encodeUtf8(escaped, out);
}

void throwOnMemoryError(lxw_error error)
{
    if (error == LXW_ERROR_MEMORY_MALLOC_FAILED)
        throw std::bad_alloc();
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QStringList &header, int rowsPerSheet)
    : m_header(header), m_rowsPerSheet(rowsPerSheet < 1 || rowsPerSheet >= kMaxRows ? kMaxRows - 1 : rowsPerSheet)
{
    if (!m_folder.isValid()) {
        m_failed = true;
        return;
    }
    m_folderName = folderNameForLibrary(m_folder.path());
    m_bookName = m_folderName + "/book.xlsx";
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = m_folderName.data();
    m_book = workbook_new_opt(m_bookName.constData(), &options);
    if (!m_book)
        throw std::bad_alloc();
    m_text = workbook_add_format(m_book);
    if (!m_text)
        throw std::bad_alloc();
    format_set_num_format(m_text, "@");
    addSheet();
}

XlsxWorkbook::~XlsxWorkbook()
{
    if (!m_book)
        return;
    // Not written: the rows are dropped without building the file.
    closeSheetFiles();
    lxw_workbook_free(m_book);
}

void XlsxWorkbook::closeSheetFiles()
{
    for (lxw_worksheet *sheet : m_sheets) {
        if (sheet->optimize_tmpfile) {
            fclose(sheet->optimize_tmpfile);
            sheet->optimize_tmpfile = nullptr;
            sheet->file = nullptr;
        }
    }
}

bool XlsxWorkbook::addSheet()
{
    // A full disk shows first in the row files, whose writes the library does not check.
    if (m_sheet && (fflush(m_sheet->optimize_tmpfile) != 0 || ferror(m_sheet->optimize_tmpfile))) {
        m_failed = true;
        return false;
    }
    errno = 0;
    m_sheet = workbook_add_worksheet(m_book, nullptr);
    if (!m_sheet) {
        // Either memory or the sheet's row file ran out.
        if (errno == ENOMEM)
            throw std::bad_alloc();
        m_failed = true;
        return false;
    }
    m_sheets.push_back(m_sheet);
    m_row = 0;
    writeRow(std::span<const QString>(m_header));
    return true;
}

void XlsxWorkbook::appendRow(std::span<const QString> texts)
{
    appendTexts(texts);
}

void XlsxWorkbook::appendRow(std::span<const QStringView> texts)
{
    appendTexts(texts);
}

template <typename Text>
void XlsxWorkbook::appendTexts(std::span<const Text> texts)
{
    if (m_failed)
        return;
    if (m_row > m_rowsPerSheet && !addSheet())
        return;
    writeRow(texts);
}

template <typename Text>
void XlsxWorkbook::writeRow(std::span<const Text> texts)
{
    const size_t columns = std::min(texts.size(), size_t(kMaxColumns));
    for (size_t column = 0; column < columns; ++column) {
        cellBytes(clampCellText(texts[column]), m_cell);
        throwOnMemoryError(worksheet_write_string(m_sheet, lxw_row_t(m_row), lxw_col_t(column), m_cell.constData(), m_text));
    }
    ++m_row;
}

bool XlsxWorkbook::write(QIODevice &device)
{
    if (!m_book || m_failed || fflush(m_sheet->optimize_tmpfile) != 0 || ferror(m_sheet->optimize_tmpfile)) {
        if (errno == 0)
            errno = EIO;
        return false;
    }
    lxw_workbook *book = m_book;
    m_book = nullptr;
    const lxw_error error = workbook_close(book);  // frees the book, also when it fails
    throwOnMemoryError(error);
    if (error != LXW_NO_ERROR) {
        if (errno == 0)
            errno = EIO;
        return false;
    }
    QFile file(m_folder.filePath(QStringLiteral("book.xlsx")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(chunk.data(), chunk.size());
        if (read < 0)
            return false;
        if (read == 0)
            return true;
        if (device.write(chunk.constData(), read) != read)
            return false;
    }
}

} // namespace xls
