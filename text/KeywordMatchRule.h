// Finding keywords inside song names: the letters A to Z match a to z, every other character
// (double-byte characters and full-width letters included) matches only itself.
#pragma once

#include <QString>
#include <QStringView>

namespace text {

constexpr char16_t foldAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// The text with A to Z turned into a to z and nothing else changed.
QString foldAsciiLetters(QStringView text);

// Where keyword first occurs as a contiguous piece of text; -1 where it does not. An empty keyword
// occurs nowhere.
qsizetype indexOfKeyword(QStringView text, QStringView keyword);

inline bool containsKeyword(QStringView text, QStringView keyword) { return indexOfKeyword(text, keyword) >= 0; }

} // namespace text
