// The workbook globals substream: workbook settings, fonts, cell formats, sheet list, shared strings.
#include "GlobalsStream.h"

#include "BiffRecords.h"
#include "SstRecords.h"
#include "XlsString.h"

namespace xls {

namespace {

constexpr qsizetype kWriteAccessSize = 112;
constexpr QStringView kWriteAccessUser = u"User";

void writeInterface(ByteWriter &out)
{
    out.record(biff::kInterfaceHdr, {biff::kUtf16CodePage});
    out.record(biff::kMms, {0});
    out.record(biff::kInterfaceEnd, {});
    const qsizetype start = out.beginRecord(biff::kWriteAccess);
    writeString(out, kWriteAccessUser);
    out.fill(kWriteAccessSize - (out.size() - start - kRecordHeaderSize), ' ');
    out.endRecord(start);
}

void writeProtection(ByteWriter &out, int sheetCount)
{
    out.record(biff::kDsf, {0});
    // One entry per sheet: it would outgrow a record only past 4,112 sheets, far beyond any export.
    const qsizetype tabs = out.beginRecord(biff::kTabId);
    for (int i = 0; i < sheetCount; ++i)
        out.u16(quint16(i + 1));
    out.endRecord(tabs);
    out.record(biff::kFnGroupCount, {14});
    for (quint16 id : {biff::kWindowProtect, biff::kProtect, biff::kPassword, biff::kProt4Rev, biff::kProt4RevPass, biff::kBackup, biff::kHideObj})
        out.record(id, {0});
}

void writeFonts(ByteWriter &out)
{
    // Five identical fonts: old Excel versions expect at least five, and index 4 is never referenced.
    for (int i = 0; i < 5; ++i) {
        const qsizetype start = out.beginRecord(biff::kFont);
        for (quint16 word : {quint16(200), quint16(0), quint16(0x7FFF), quint16(400), quint16(0)})
            out.u16(word);
        out.u32(0);  // underline, family, character set, reserved
        writeShortString(out, u"Arial");
        out.endRecord(start);
    }
}

void writeXf(ByteWriter &out, quint16 format, quint16 typeAndParent, quint8 usedAttributes)
{
    char *at = out.claim(4 + 20);
    storeU16(at, biff::kXf);
    storeU16(at + 2, 20);
    storeU16(at + 4, 0);  // font
    storeU16(at + 6, format);
    storeU16(at + 8, typeAndParent);
    at[10] = 0x20;  // bottom-aligned
    at[11] = 0;
    at[12] = 0;
    at[13] = char(usedAttributes);
    storeU32(at + 14, 0);
    storeU32(at + 18, 0);
    storeU16(at + 22, 0x20C0);  // automatic pattern colours
}

void writeCellFormats(ByteWriter &out)
{
    writeXf(out, 0, 0xFFF5, 0x00);  // the Normal style
    for (int i = 1; i <= 14; ++i)
        writeXf(out, 0, 0xFFF5, 0xF4);
    writeXf(out, 0, 0x0001, 0x00);  // default cell format
    static_assert(biff::kTextXf == 16);
    writeXf(out, biff::kTextNumberFormat, 0x0001, 0x04);  // "@", with its number format marked as set
    out.record(biff::kStyle, {0x8000, 0xFF00});  // built-in Normal style on XF 0, outline level 0xFF
}

} // namespace

QString sheetName(int index)
{
    return QStringLiteral("Sheet%1").arg(index + 1);
}

GlobalsStream::GlobalsStream(int sheetCount, std::span<const QString> strings, quint32 cellCount)
{
    ByteWriter &out = m_bytes;
    out.record(biff::kBof, {biff::kBiff8Version, biff::kBofGlobals, 0x0DBB, 0x07CC, 0, 0, 6, 0});
    writeInterface(out);
    out.record(biff::kCodePage, {biff::kUtf16CodePage});
    writeProtection(out, sheetCount);
    // Window position and size in twips, tab bar options, active tab 0, one selected tab, tab ratio.
    out.record(biff::kWindow1, {360, 270, 14400, 8000, 0x0038, 0, 0, 1, 600});
    out.record(biff::kDateMode, {0});
    out.record(biff::kPrecision, {1});
    out.record(biff::kRefreshAll, {0});
    out.record(biff::kBookBool, {0});
    writeFonts(out);
    writeCellFormats(out);
    out.record(biff::kUsesElfs, {1});
    for (int i = 0; i < sheetCount; ++i) {
        const qsizetype start = out.beginRecord(biff::kBoundSheet);
        m_sheetOffsetFields.push_back(out.size());
        out.u32(0);  // the sheet's stream offset, set once the globals' length is known
        out.u16(0);  // visible worksheet
        writeShortString(out, sheetName(i));
        out.endRecord(start);
    }
    out.record(biff::kCountry, {1, 1});
    const quint32 sstOffset = quint32(out.size());  // the globals open the Workbook stream
    const SstLayout sst = writeSst(out, strings, cellCount);
    writeExtSst(out, sst, sstOffset);
    out.record(biff::kEof, {});
}

void GlobalsStream::setSheetOffset(int sheet, quint32 streamOffset)
{
    m_bytes.patchU32(m_sheetOffsetFields.at(size_t(sheet)), streamOffset);
}

} // namespace xls
