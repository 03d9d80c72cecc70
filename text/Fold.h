// Folding a text so that the ways a catalogue writes one name compare equal: compatibility forms
// (NFKC: full-width letters and digits, the ideographic space, circled digits), traditional characters
// as simplified ones, A to Z as a to z, and no separators, punctuation, symbols, control or format
// characters. A combining mark goes with the character it sits on, so one on a dropped character is
// dropped too. Everything else, unpaired surrogates and private-use characters included, is kept.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <vector>

namespace text {

// The folded text; a text that folds to itself comes back as the same shared string, copying nothing.
QString fold(const QString &text);

// The same for a view: the text itself when it folds to itself, otherwise a view of scratch, which
// then holds the fold. Reusing one scratch string over many texts allocates only when it grows.
QStringView fold(QStringView text, QString &scratch);

// A folded text looked for in the folds of many texts. A text none of whose characters can fold to
// the first character sought is passed over without being folded: one bit per character, looked up
// in a map of 8 KB made once for the search.
class FoldSearch {
public:
    // folded is a fold, as fold() gives it.
    explicit FoldSearch(const QString &folded);

    bool foundIn(QStringView text, QString &scratch) const;
    qsizetype size() const { return m_folded.size(); }

private:
    bool mayHoldFirst(QStringView text) const;

    QString m_folded;
    std::vector<quint64> m_mayGiveFirst; // per BMP character: it folds to the first, or may with others
};

// Whether folding drops characters of this category.
bool isDroppedCategory(QChar::Category category);

// A piece of a text: its first index and length. start is -1 when there is none.
struct Span {
    qsizetype start = -1;
    qsizetype length = 0;

    bool isValid() const { return start >= 0; }
    bool operator==(const Span &) const = default;
};

// The fold of a text with, for each folded character, the piece of the text it came from (a piece
// longer than one character when normalisation joined several, as with a letter and its accent).
struct FoldedWithSource {
    QString text;
    std::vector<Span> sources;

    // The piece of the original text that folded characters [start, start + length) come from, the
    // characters dropped between them included ("東方 紅" for the folded 东方红).
    Span sourceOf(qsizetype start, qsizetype length) const;
};

FoldedWithSource foldWithSource(QStringView text);

// The same as foldWithSource(text).sourceOf(foldedStart, foldedLength), keeping no sources: for
// long texts, and for finding the piece of one match.
Span sourceOf(QStringView text, qsizetype foldedStart, qsizetype foldedLength);

} // namespace text
