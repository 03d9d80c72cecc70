// An .xlsx workbook of text cells, written by libxlsxwriter.
#include "XlsxWorkbook.h"

#include "XlsString.h"

#include <QFile>
#include <QIODevice>
#include <QStorageInfo>
#include <QStringEncoder>

#include <xlsxwriter.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <new>
#include <thread>

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
// library itself escapes the other control characters. The escapes made here count seven characters
// each against the cell's limit, so the text is cut once escaped, between whole escapes and never
// inside a surrogate pair.
void cellBytes(QStringView text, QString &escaped, QByteArray &out)
{
    if (!text.contains(u'_') && !text.contains(QChar(0))) {
        encodeUtf8(clampCellText(text), out);
        return;
    }
    escaped.clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        QStringView piece = text.sliced(i, 1);
        if (text[i] == QChar(0))
            piece = u"_x0000_";
        else if (text[i] == u'_' && looksEscaped(text, i))
            piece = u"_x005F_";
        else if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            piece = text.sliced(i++, 2);
        if (escaped.size() + piece.size() > kMaxCellTextLength)
            break;
        escaped += piece;
    }
    encodeUtf8(escaped, out);
}

void throwOnMemoryError(lxw_error error)
{
    if (error == LXW_ERROR_MEMORY_MALLOC_FAILED)
        throw std::bad_alloc();
}

QString libraryText(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

bool isFull(int error)
{
    return error == ENOSPC || error == EDQUOT;
}

// A row file's write failed earlier, its cause since lost: a folder with next to no room left is full.
bool folderNearlyFull(const QString &folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < (1 << 20);
}

// What the thread that builds the file hands back.
struct BuildResult {
    std::atomic<bool> done = false;
    lxw_error error = LXW_NO_ERROR;
    int systemError = 0;
};

} // namespace

XlsxWorkbook::XlsxWorkbook(const QStringList &header, int rowsPerSheet)
    : m_header(header), m_rowsPerSheet(rowsPerSheet < 1 || rowsPerSheet >= kMaxRows ? kMaxRows - 1 : rowsPerSheet)
{
    if (!m_folder->isValid()) {
        fail(Failure::TemporaryFiles, m_folder->errorString());
        return;
    }
    m_folderName = folderNameForLibrary(m_folder->path());
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

QString XlsxWorkbook::temporaryFolder() const
{
    return QDir::tempPath();
}

// A full disk shows first in the row files, whose writes the library does not check.
bool XlsxWorkbook::sheetFileFailed()
{
    errno = 0;
    if (fflush(m_sheet->optimize_tmpfile) == 0 && !ferror(m_sheet->optimize_tmpfile))
        return false;
    const bool full = errno != 0 ? isFull(errno) : folderNearlyFull(m_folder->path());
    const int error = errno != 0 ? errno : (full ? ENOSPC : EIO);
    fail(Failure::TemporaryFiles, QString::fromLocal8Bit(strerror(error)), full);
    return true;
}

bool XlsxWorkbook::addSheet()
{
    if (m_sheet && sheetFileFailed())
        return false;
    errno = 0;
    m_sheet = workbook_add_worksheet(m_book, nullptr);
    if (!m_sheet) {
        // Either memory or the sheet's row file ran out.
        const int error = errno;
        if (error == ENOMEM)
            throw std::bad_alloc();
        return fail(Failure::TemporaryFiles, QString::fromLocal8Bit(strerror(error != 0 ? error : EIO)),
                    isFull(error));
    }
    m_sheets.push_back(m_sheet);
    m_row = 0;
    return writeRow(std::span<const QString>(m_header));
}

bool XlsxWorkbook::appendRow(std::span<const QString> texts)
{
    return appendTexts(texts);
}

bool XlsxWorkbook::appendRow(std::span<const QStringView> texts)
{
    return appendTexts(texts);
}

template <typename Text>
bool XlsxWorkbook::appendTexts(std::span<const Text> texts)
{
    if (failure() != Failure::None)
        return false;
    if (m_row > m_rowsPerSheet && !addSheet())
        return false;
    return writeRow(texts);
}

template <typename Text>
bool XlsxWorkbook::writeRow(std::span<const Text> texts)
{
    const size_t columns = std::min(texts.size(), size_t(kMaxColumns));
    for (size_t column = 0; column < columns; ++column) {
        cellBytes(texts[column], m_escaped, m_cell);
        const lxw_error error =
            worksheet_write_string(m_sheet, lxw_row_t(m_row), lxw_col_t(column), m_cell.constData(), m_text);
        throwOnMemoryError(error);
        if (error != LXW_NO_ERROR)
            return fail(Failure::Cell, libraryText(error));
    }
    ++m_row;
    return true;
}

bool XlsxWorkbook::write(QIODevice &device, const std::function<bool()> &keepGoing)
{
    if (!m_book || failure() != Failure::None)
        return failure() != Failure::None ? false : fail(Failure::TemporaryFiles);
    if (sheetFileFailed())
        return false;
    return buildFile(keepGoing) && copyFile(device, keepGoing);
}

// The library zips the rows into book.xlsx in the folder, which takes seconds for a large workbook.
bool XlsxWorkbook::buildFile(const std::function<bool()> &keepGoing)
{
    lxw_workbook *book = m_book;
    m_book = nullptr;  // freed by workbook_close, also when it fails
    auto result = std::make_shared<BuildResult>();
    const auto build = [book, result, folder = m_folder, folderName = m_folderName,
                        bookName = m_bookName] {
        errno = 0;
        result->error = workbook_close(book);
        result->systemError = errno;
        result->done = true;
    };
    if (!keepGoing) {
        build();
    } else {
        std::thread(build).detach();
        while (!result->done) {
            if (!keepGoing())
                return fail(Failure::Stopped);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    throwOnMemoryError(result->error);
    if (result->error != LXW_NO_ERROR)
        return fail(Failure::TemporaryFiles, libraryText(result->error),
                    isFull(result->systemError) || folderNearlyFull(m_folder->path()));
    return true;
}

bool XlsxWorkbook::copyFile(QIODevice &device, const std::function<bool()> &keepGoing)
{
    QFile file(m_folder->filePath(QStringLiteral("book.xlsx")));
    if (!file.open(QIODevice::ReadOnly))
        return fail(Failure::TemporaryFiles, file.errorString());
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        if (keepGoing && !keepGoing())
            return fail(Failure::Stopped);
        const qint64 read = file.read(chunk.data(), chunk.size());
        if (read < 0)
            return fail(Failure::TemporaryFiles, file.errorString());
        if (read == 0)
            return true;
        if (device.write(chunk.constData(), read) != read)
            return fail(Failure::Device, device.errorString());
    }
}

} // namespace xls
