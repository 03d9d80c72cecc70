// Looking names up by the initials of their pinyin, as staff type them: ddeq for 大地恩情. Each Chinese
// character stands for the first letters of all its modern readings, looked up as written (长 and
// 重 for c and z, 乾 for g and q though it folds to 干); an ASCII letter or digit, after NFKC, stands
// for itself; separators, punctuation and symbols are skipped, as folding drops them. Every other
// character stands for nothing a query can match.
#pragma once

#include <QStringView>

#include <array>
#include <vector>

namespace text {

// A query of ASCII letters and digits (A to Z in either case), matched against the initials of many
// texts. It matches a text when its letters match consecutive characters of it, each letter one of
// its character's initials.
class InitialsQuery {
public:
    // Empty when query is empty or holds any other character.
    explicit InitialsQuery(QStringView query);

    bool isEmpty() const { return m_length == 0; }
    bool matches(QStringView text) const;

private:
    // The positions of the query at which each letter a to z (0 to 25) and digit (26 to 35) stands,
    // one bit per position, in words of 64 positions.
    std::array<std::vector<quint64>, 36> m_positions;
    qsizetype m_length = 0;
};

} // namespace text
