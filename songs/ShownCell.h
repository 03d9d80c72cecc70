// How much of a cell a list shows.
#pragma once

#include <QString>
#include <QStringView>

namespace songs {

// Longest cell text a list shows. Laying out a cell of hundreds of millions of characters would
// bring the text layout down; a few thousand fill any column a user can widen to.
inline constexpr qsizetype kShownCellLength = 4000;

// The cell as a list shows it (display, tooltip, accessible text): whole up to kShownCellLength,
// else cut there, never inside a character, and ended with "…". Exports and searches read the
// whole cell instead.
QString shownCellText(QStringView cell);

} // namespace songs
