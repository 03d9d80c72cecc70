// Finding songs whose code came earlier in the table.
#include "songs/DuplicateCodes.h"

#include "songs/SongTableModel.h"

#include <QHashFunctions>

#include <bit>
#include <vector>

namespace songs {

QList<int> duplicateCodeRows(const SongTableModel &table)
{
    const int count = table.songCount();
    // An open-addressed table of the first row of each code, at most half full: the rows already
    // hold the texts, so a slot needs only the row and the code's hash. A set of views would cost
    // an allocation per code and several times the time.
    struct Slot {
        quint32 hash;
        int row = -1;
    };
    const size_t capacity = std::bit_ceil(size_t(count) * 2 + 2);
    const size_t mask = capacity - 1;
    std::vector<Slot> firstOfCode(capacity);
    QList<int> duplicates;
    for (int row = 0; row < count; ++row) {
        const QStringView code = table.cellView(row, kCodeColumn);
        if (code.isEmpty())
            continue;
        const auto hash = quint32(qHash(code));
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot &slot = firstOfCode[at];
            if (slot.row < 0) {
                slot = {hash, row};
                break;
            }
            if (slot.hash == hash && table.cellView(slot.row, kCodeColumn) == code) {
                duplicates.append(row);
                break;
            }
        }
    }
    return duplicates;
}

} // namespace songs
