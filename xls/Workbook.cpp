// An .xls (Excel 97-2003) workbook of text cells, built in memory and written in one go.
#include "Workbook.h"

#include "WorkbookFile.h"

#include <QFileDevice>
#include <QSaveFile>

namespace xls {

namespace {

// Small enough to stay in the processor's cache; the file never sits in memory whole.
constexpr qsizetype kWriteChunkSize = 256 * 1024;

void setError(QString *errorString, const QString &message)
{
    if (errorString)
        *errorString = message;
}

} // namespace

int Workbook::addWorksheet()
{
    m_sheets.emplace_back();
    return int(m_sheets.size()) - 1;
}

bool Workbook::isValidCell(int sheet, int row, int column) const
{
    return sheet >= 0 && sheet < worksheetCount() && row >= 0 && row < kMaxRows && column >= 0 && column < kMaxColumns;
}

quint32 Workbook::valueOf(const QString &text)
{
    return text.isEmpty() ? kBlankValue : m_strings.add(text);
}

void Workbook::setTextCell(int sheet, int row, int column, const QString &text, bool textFormat)
{
    if (isValidCell(sheet, row, column))
        m_sheets[size_t(sheet)].setCell(row, column, valueOf(text), textFormat);
}

void Workbook::reserve(int sheet, qsizetype cells)
{
    if (sheet >= 0 && sheet < worksheetCount())
        m_sheets[size_t(sheet)].reserve(cells);
}

QByteArray Workbook::toBytes() const
{
    if (m_sheets.empty())
        return {};
    const WorkbookFile file(m_sheets, m_strings);
    ByteWriter out(file.fileSize());
    if (!file.write(out))
        return {};
    return out.take();
}

bool Workbook::write(QIODevice &device, QString *errorString) const
{
    if (m_sheets.empty()) {
        setError(errorString, QStringLiteral("The workbook has no worksheet"));
        return false;
    }
    const WorkbookFile file(m_sheets, m_strings);
    ByteWriter out(&device, kWriteChunkSize);
    const bool asPlanned = file.write(out);
    if (!out.finish()) {
        setError(errorString, device.errorString());
        return false;
    }
    if (!asPlanned) {
        setError(errorString, QStringLiteral("Internal error: the workbook's layout came out wrong"));
        return false;
    }
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto *file = qobject_cast<QFileDevice *>(&device); file && !file->flush()) {
        setError(errorString, file->errorString());
        return false;
    }
    return true;
}

bool Workbook::saveAs(const QString &path, QString *errorString) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(errorString, file.errorString());
        return false;
    }
    if (!write(file, errorString))
        return false;  // QSaveFile drops its temporary file
    if (!file.commit()) {
        setError(errorString, file.errorString());
        return false;
    }
    return true;
}

} // namespace xls
