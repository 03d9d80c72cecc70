// Parsing of A1-style cell references ("A1", "i65536", "$B$2") into 0-based row and column.
#pragma once

#include <QStringView>

#include <optional>

namespace xls {

inline constexpr int kMaxColumns = 256;  // A..IV
inline constexpr int kMaxRowsPerSheet = 65536;

struct CellRef {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellRef &, const CellRef &) = default;
};

// Letters are case-insensitive; '$' markers are accepted and ignored. Anything else, a row with a
// leading zero, or a cell outside A1:IV65536 gives nothing.
std::optional<CellRef> parseCellRef(QStringView a1);

} // namespace xls
