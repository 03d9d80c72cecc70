// The complete .xls file, planned in advance so it can be written front to back in one pass.
#include "WorkbookFile.h"

#include "GlobalsStream.h"
#include "WorksheetStream.h"

namespace xls {

WorkbookFile::WorkbookFile(std::span<const CellStore> sheets, const SharedStrings &strings)
    : m_sheets(sheets.size())
{
    Q_ASSERT(!sheets.empty());
    bool mayHaveUnusedStrings = false;
    for (size_t i = 0; i < sheets.size(); ++i) {
        Sheet &sheet = m_sheets[i];
        sheet.cells = sheets[i].cells(sheet.scratch);
        sheet.summary = summarize(sheet.cells);
        m_labelCount += quint32(sheet.summary.labels);
        mayHaveUnusedStrings |= sheets[i].mayDropValues();
    }
    m_strings = strings.strings();
    if (mayHaveUnusedStrings)
        dropUnusedStrings(strings);
    m_sst = measureSst(m_strings, m_labelCount);

    m_streamSize = globalsStreamSize(int(sheets.size()), m_sst);
    for (const Sheet &sheet : m_sheets) {
        m_sheetOffsets.push_back(quint32(m_streamSize));
        m_streamSize += worksheetStreamSize(sheet.summary);
    }
    m_layout = cfb::planLayout(m_streamSize);
}

void WorkbookFile::dropUnusedStrings(const SharedStrings &strings)
{
    constexpr quint32 kUnused = 0xFFFFFFFF;
    std::vector<quint32> remap(size_t(strings.size()), kUnused);
    for (const Sheet &sheet : m_sheets) {
        for (const CellEntry &cell : sheet.cells) {
            if (!cell.isBlank())
                remap[cell.value] = 0;
        }
    }
    quint32 next = 0;
    for (size_t i = 0; i < remap.size(); ++i) {
        if (remap[i] != kUnused)
            remap[i] = next++;
    }
    if (next == remap.size())
        return;
    m_usedStrings.reserve(next);
    for (size_t i = 0; i < remap.size(); ++i) {
        if (remap[i] != kUnused)
            m_usedStrings.append(strings.strings()[qsizetype(i)]);
    }
    m_remap = std::move(remap);
    m_strings = m_usedStrings;
}

bool WorkbookFile::write(ByteWriter &out) const
{
    const qsizetype fileStart = out.size();
    cfb::writeHeader(out, m_layout);
    const qsizetype streamStart = out.size();
    writeGlobals(out, streamStart, m_sheetOffsets, {m_strings, m_labelCount, &m_sst});
    bool asPlanned = true;
    for (size_t i = 0; i < m_sheets.size(); ++i) {
        asPlanned &= out.size() - streamStart == m_sheetOffsets[i];
        WorksheetOptions options;
        options.selected = i == 0;
        options.remap = m_remap.empty() ? nullptr : m_remap.data();
        writeWorksheet(out, m_sheets[i].cells, m_sheets[i].summary, options);
    }
    asPlanned &= out.size() - streamStart == m_streamSize;
    cfb::writeTrailer(out, m_layout, m_streamSize);
    return asPlanned && out.size() - fileStart == fileSize();
}

} // namespace xls
