// When a keyword hits a song name: as written (A to Z in either case, every other character exactly),
// or through folding, when the keyword's fold keeps at least two characters and occurs in the name's
// fold. A keyword that folds to one character ("爱!") or to nothing ("——") hits only as written, so it
// cannot flood a list with every name holding that one character.
#pragma once

#include "text/Fold.h"

#include <QString>
#include <QStringView>

namespace text {

// The fewest characters a keyword's fold needs to hit through folding.
inline constexpr qsizetype kMinimumFoldedKeyword = 2;

// A keyword with its fold, folded once for the many names it is tried on.
struct FoldedKeyword {
    explicit FoldedKeyword(const QString &keyword) : written(keyword), folded(fold(keyword)) {}

    // Whether the keyword may hit through folding at all.
    bool hitsFolded() const { return folded.size() >= kMinimumFoldedKeyword; }

    QString written;
    QString folded;
};

bool hits(QStringView name, const FoldedKeyword &keyword);

// The piece of name the keyword hits, as written in the name: where it occurs as written, otherwise
// the source of the first occurrence of its fold in the name's fold. Invalid when it does not hit.
Span hitSpan(QStringView name, const FoldedKeyword &keyword);

} // namespace text
