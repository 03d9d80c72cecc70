// Finding keywords inside song names: the letters A to Z match a to z, every other character
// (double-byte characters and full-width letters included) matches only itself.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace keywords {

constexpr char16_t foldAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

// The text with A to Z turned into a to z and nothing else changed.
QString foldAsciiLetters(QStringView text);

// Whether keyword occurs as a contiguous piece of text. An empty keyword occurs nowhere.
bool containsKeyword(QStringView text, QStringView keyword);

// Finds, for many keywords at once, the first text that contains each, in one pass over the texts
// (an Aho-Corasick automaton over folded UTF-16 units).
class FirstHitFinder {
public:
    explicit FirstHitFinder(const QList<QString> &keywords);
    ~FirstHitFinder();

    // For every keyword, the index of the first of count texts that contains it, or -1. text(i)
    // must stay valid until the next call. Stops early once every keyword has been found.
    std::vector<int> firstHits(int count, const std::function<QStringView(int)> &text) const;

private:
    struct Automaton;
    std::unique_ptr<Automaton> m_automaton;
    std::vector<int> m_keywordNode; // per keyword its final node, -1 for an empty keyword
};

} // namespace keywords
