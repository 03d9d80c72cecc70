// The complete .xls file, planned in advance so it can be written front to back in one pass.
#pragma once

#include "CellStore.h"
#include "CompoundFile.h"
#include "SharedStrings.h"
#include "SstRecords.h"

#include <QList>

#include <span>
#include <vector>

namespace xls {

class WorkbookFile {
public:
    // At least one sheet. The stores and strings must outlive this object.
    WorkbookFile(std::span<const CellStore> sheets, const SharedStrings &strings);

    qsizetype fileSize() const { return m_layout.fileSize(); }
    // False if the bytes written came out different from the plan, which would make a corrupt file.
    bool write(ByteWriter &out) const;

private:
    struct Sheet {
        std::vector<CellEntry> scratch;
        std::span<const CellEntry> cells;
        CellSummary summary;
    };

    void dropUnusedStrings(const SharedStrings &strings);

    std::vector<Sheet> m_sheets;
    std::vector<quint32> m_sheetOffsets;
    // Strings no cell refers to any more are left out; m_remap then renumbers the rest.
    std::vector<quint32> m_remap;
    QList<QString> m_usedStrings;
    std::span<const QString> m_strings;
    quint32 m_labelCount = 0;
    SstLayout m_sst;
    qsizetype m_streamSize = 0;
    cfb::Layout m_layout;
};

} // namespace xls
