// Parsing of A1-style cell references ("A1", "i65536", "$B$2") into 0-based row and column.
#include "CellRef.h"

namespace xls {

std::optional<CellRef> parseCellRef(QStringView a1)
{
    qsizetype i = 0;
    const qsizetype n = a1.size();
    if (i < n && a1[i] == u'$')
        ++i;

    int column = 0;
    const qsizetype lettersStart = i;
    for (; i < n && i - lettersStart < 3; ++i) {
        const char16_t c = a1[i].unicode() | 0x20;  // ASCII lower case; digits and '$' stay non-letters
        if (c < u'a' || c > u'z')
            break;
        column = column * 26 + (c - u'a' + 1);
    }
    if (i == lettersStart || column > kMaxColumns)
        return std::nullopt;

    if (i < n && a1[i] == u'$')
        ++i;
    const qsizetype digitsStart = i;
    int row = 0;
    for (; i < n && i - digitsStart < 6; ++i) {
        const char16_t c = a1[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        row = row * 10 + (c - u'0');
    }
    if (i != n || i == digitsStart || a1[digitsStart] == u'0' || row > kMaxRowsPerSheet)
        return std::nullopt;
    return CellRef{row - 1, column - 1};
}

} // namespace xls
