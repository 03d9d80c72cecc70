// The workbook globals substream: workbook settings, fonts, cell formats, sheet list, shared strings.
#pragma once

#include "ByteWriter.h"

#include <QString>

#include <span>
#include <vector>

namespace xls {

QString sheetName(int index);

// Encoded in memory in one go. It opens the Workbook stream, so its length places the sheets, whose
// offsets are then filled in.
class GlobalsStream {
public:
    // cellCount: the text cells referring to the shared strings.
    GlobalsStream(int sheetCount, std::span<const QString> strings, quint32 cellCount);

    qsizetype size() const { return m_bytes.size(); }
    void setSheetOffset(int sheet, quint32 streamOffset);
    QByteArrayView bytes() const { return m_bytes.view(); }

private:
    ByteWriter m_bytes{16 * 1024};
    std::vector<qsizetype> m_sheetOffsetFields;  // BOUNDSHEET offset fields
};

} // namespace xls
