// How much of a cell a list shows.
#include "songs/ShownCell.h"

namespace songs {

QString shownCellText(QStringView cell)
{
    if (cell.size() <= kShownCellLength)
        return cell.toString();
    qsizetype keep = kShownCellLength;
    if (cell[keep - 1].isHighSurrogate())
        --keep; // never split a character in two
    return cell.first(keep).toString() + u'…';
}

} // namespace songs
