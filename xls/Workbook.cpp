// An .xls (Excel 97-2003) workbook of text cells, encoded row by row as the rows are appended.
#include "Workbook.h"

#include "CompoundFile.h"
#include "GlobalsStream.h"

#include <QFileDevice>

#include <algorithm>
#include <utility>

namespace xls {

namespace {

// Small enough to stay in the processor's cache; the file never sits in memory whole.
constexpr qsizetype kWriteChunkSize = 256 * 1024;

} // namespace

Workbook::Workbook(std::span<const QString> header)
    : m_header(header.begin(), header.end())
{
    startSheet();
}

void Workbook::startSheet()
{
    m_sheets.emplace_back(m_sheets.empty());
    appendCells(m_header);
}

void Workbook::appendRow(std::span<const QString> texts)
{
    if (m_sheets.back().rowCount() == kMaxRows)
        startSheet();
    appendCells(texts);
}

bool Workbook::appendRow(std::span<const QStringView> texts)
{
    m_rowTexts.resize(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        m_rowTexts[i] = texts[i].toString();
    appendRow(std::span<const QString>(m_rowTexts));
    return true;
}

void Workbook::appendCells(std::span<const QString> texts)
{
    m_rowCells.clear();
    for (const QString &text : texts.first(std::min<size_t>(texts.size(), kMaxColumns))) {
        if (text.isEmpty()) {
            m_rowCells.push_back(kBlankCell);
        } else {
            m_rowCells.push_back(m_strings.add(text));
            ++m_textCells;
        }
    }
    m_sheets.back().appendRow(m_rowCells);
}

void Workbook::writeFile(ByteWriter &out) const
{
    // The globals open the stream, so their length places the sheets one after another.
    GlobalsStream globals(int(m_sheets.size()), m_strings.strings(), m_textCells);
    qsizetype streamSize = globals.size();
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        globals.setSheetOffset(int(i), quint32(streamSize));
        streamSize += m_sheets[i].size();
    }
    const cfb::Layout layout = cfb::planLayout(streamSize);
    cfb::writeHeader(out, layout);
    out.bytes(globals.bytes());
    for (const WorksheetStream &sheet : m_sheets)
        sheet.writeTo(out);
    cfb::writeTrailer(out, layout, streamSize);
}

bool Workbook::write(QIODevice &device) const
{
    ByteWriter out(&device, kWriteChunkSize);
    writeFile(out);
    if (!out.finish())
        return false;
    // A buffered file reports a full disk only when its buffer goes out.
    auto *file = qobject_cast<QFileDevice *>(&device);
    return !file || file->flush();
}

bool Workbook::write(QIODevice &device, const std::function<bool()> &keepGoing)
{
    if (!std::as_const(*this).write(device))
        return fail(Failure::Device, device.errorString());
    // The file is laid out in a moment; the caller's last chance to stop comes before it is kept.
    if (keepGoing && !keepGoing())
        return fail(Failure::Stopped);
    return true;
}

} // namespace xls
