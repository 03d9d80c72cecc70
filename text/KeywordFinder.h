// Finding many keywords at once in many texts, by the matching rule of KeywordMatchRule.h.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <vector>

namespace text {

// Finds many keywords at once in many texts, in one pass over the texts (an Aho-Corasick automaton
// over folded UTF-16 units). Keywords are told apart by their index in the list given.
class KeywordFinder {
public:
    explicit KeywordFinder(const QList<QString> &keywords);
    ~KeywordFinder();

    // For every keyword, the index of the first of count texts that contains it, or -1. text(i)
    // must stay valid until the next call. Stops early once every keyword has been found.
    std::vector<int> firstHits(int count, const std::function<QStringView(int)> &text) const;

    // For every one of count texts that contains a keyword, in text order: found(index, keywords)
    // with the indices of all the keywords it contains, ascending, each once.
    void allHits(int count, const std::function<QStringView(int)> &text,
                 const std::function<void(int, const std::vector<int> &)> &found) const;

private:
    struct Automaton;
    std::unique_ptr<Automaton> m_automaton;
    std::vector<int> m_keywordNode; // per keyword its final node, -1 for an empty keyword
    // The keywords that end at each node (several when they differ only in the case of A to Z):
    // those of node n are m_nodeKeywords[m_nodeKeywordsStart[n] .. m_nodeKeywordsStart[n + 1]).
    std::vector<int> m_nodeKeywordsStart;
    std::vector<int> m_nodeKeywords;
};

} // namespace text
