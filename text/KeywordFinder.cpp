// The Aho-Corasick finder of many keywords at once.
#include "text/KeywordFinder.h"

#include "text/KeywordMatchRule.h"

#include <algorithm>
#include <cstdint>
#include <deque>

namespace text {

// Node 0 is the root. Edges leave the root through a table of every UTF-16 unit, because a text
// with no hit spends almost all its steps there; other edges live in an open-addressing hash.
struct KeywordFinder::Automaton {
    std::vector<int> rootNext = std::vector<int>(0x10000, 0);
    std::vector<std::uint64_t> edgeKeys; // 0 marks a free slot; keys are never 0 (node >= 1)
    std::vector<int> edgeTargets;
    std::uint64_t edgeMask = 0;
    int edgeShift = 64;
    std::vector<int> fail{0};
    std::vector<int> dictionary{-1}; // the nearest node down the fail chain that ends a keyword
    std::vector<char> terminal{0};
    std::vector<std::vector<std::pair<char16_t, int>>> children{{}};

    static std::uint64_t key(int node, char16_t c) { return (std::uint64_t(node) << 16) | c; }
    size_t slot(std::uint64_t k) const { return size_t((k * 0x9E3779B97F4A7C15ull) >> edgeShift); }

    int child(int node, char16_t c) const
    {
        if (node == 0)
            return rootNext[c] ? rootNext[c] : -1;
        const std::uint64_t k = key(node, c);
        for (size_t i = slot(k);; i = (i + 1) & edgeMask) {
            if (edgeKeys[i] == k)
                return edgeTargets[i];
            if (edgeKeys[i] == 0)
                return -1;
        }
    }

    // The state after reading ch from state: the longest keyword prefix the text now ends with.
    int step(int state, QChar ch) const
    {
        const char16_t c = foldAsciiLetter(ch.unicode());
        int next = child(state, c);
        while (next < 0 && state != 0) {
            state = fail[size_t(state)];
            next = child(state, c);
        }
        return next >= 0 ? next : 0;
    }

    int addNode(int parent, char16_t c)
    {
        const int node = int(fail.size());
        fail.push_back(0);
        dictionary.push_back(-1);
        terminal.push_back(0);
        children.emplace_back();
        children[size_t(parent)].push_back({c, node});
        if (parent == 0)
            rootNext[c] = node;
        return node;
    }

    int insert(QStringView folded)
    {
        int node = 0;
        for (QChar ch : folded) {
            const char16_t c = ch.unicode();
            int next = -1;
            for (const auto &[label, target] : children[size_t(node)]) {
                if (label == c) {
                    next = target;
                    break;
                }
            }
            node = next >= 0 ? next : addNode(node, c);
        }
        terminal[size_t(node)] = 1;
        return node;
    }

    void buildEdgeTable()
    {
        size_t capacity = 16;
        edgeShift = 60;
        while (capacity < 2 * fail.size()) {
            capacity *= 2;
            --edgeShift;
        }
        edgeMask = capacity - 1;
        edgeKeys.assign(capacity, 0);
        edgeTargets.assign(capacity, 0);
        for (size_t node = 1; node < children.size(); ++node) {
            for (const auto &[c, target] : children[node]) {
                const std::uint64_t k = key(int(node), c);
                size_t i = slot(k);
                while (edgeKeys[i] != 0)
                    i = (i + 1) & edgeMask;
                edgeKeys[i] = k;
                edgeTargets[i] = target;
            }
        }
    }

    // Breadth first, so that every node's fail target is finished before the node itself.
    void buildFailLinks()
    {
        std::deque<int> queue;
        for (const auto &edge : children[0])
            queue.push_back(edge.second);
        while (!queue.empty()) {
            const int node = queue.front();
            queue.pop_front();
            for (const auto &[c, target] : children[size_t(node)]) {
                int f = fail[size_t(node)];
                int next = child(f, c);
                while (next < 0 && f != 0) {
                    f = fail[size_t(f)];
                    next = child(f, c);
                }
                const int link = next >= 0 ? next : 0;
                fail[size_t(target)] = link;
                dictionary[size_t(target)] = terminal[size_t(link)] ? link : dictionary[size_t(link)];
                queue.push_back(target);
            }
        }
        children.clear();
        children.shrink_to_fit();
    }
};

KeywordFinder::KeywordFinder(const QList<QString> &keywords) : m_automaton(std::make_unique<Automaton>())
{
    m_keywordNode.reserve(size_t(keywords.size()));
    for (const QString &keyword : keywords)
        m_keywordNode.push_back(keyword.isEmpty() ? -1 : m_automaton->insert(foldAsciiLetters(keyword)));
    m_automaton->buildEdgeTable();
    m_automaton->buildFailLinks();

    const size_t nodeCount = m_automaton->fail.size();
    m_nodeKeywordsStart.assign(nodeCount + 1, 0);
    for (int node : m_keywordNode) {
        if (node >= 0)
            ++m_nodeKeywordsStart[size_t(node) + 1];
    }
    for (size_t n = 0; n < nodeCount; ++n)
        m_nodeKeywordsStart[n + 1] += m_nodeKeywordsStart[n];
    m_nodeKeywords.resize(size_t(m_nodeKeywordsStart[nodeCount]));
    std::vector<int> filled(m_nodeKeywordsStart.begin(), m_nodeKeywordsStart.end() - 1);
    for (size_t k = 0; k < m_keywordNode.size(); ++k) {
        if (m_keywordNode[k] >= 0)
            m_nodeKeywords[size_t(filled[size_t(m_keywordNode[k])]++)] = int(k);
    }
}

KeywordFinder::~KeywordFinder() = default;

std::vector<int> KeywordFinder::firstHits(int count, const std::function<QStringView(int)> &text) const
{
    const Automaton &a = *m_automaton;
    std::vector<int> firstAt(a.fail.size(), -1);
    size_t remaining = 0;
    for (char isEnd : a.terminal)
        remaining += isEnd ? 1 : 0;

    for (int index = 0; index < count && remaining > 0; ++index) {
        int state = 0;
        for (QChar ch : text(index)) {
            state = a.step(state, ch);
            // A node found before had every keyword down its chain found with it, so the walk
            // stops at the first node that already has a hit.
            for (int hit = a.terminal[size_t(state)] ? state : a.dictionary[size_t(state)];
                 hit > 0 && firstAt[size_t(hit)] < 0; hit = a.dictionary[size_t(hit)]) {
                firstAt[size_t(hit)] = index;
                --remaining;
            }
        }
    }

    std::vector<int> hits;
    hits.reserve(m_keywordNode.size());
    for (int node : m_keywordNode)
        hits.push_back(node < 0 ? -1 : firstAt[size_t(node)]);
    return hits;
}

void KeywordFinder::allHits(int count, const std::function<QStringView(int)> &text,
                            const std::function<void(int, const std::vector<int> &)> &found) const
{
    const Automaton &a = *m_automaton;
    std::vector<int> seenIn(a.fail.size(), -1); // per node the last text it ended a keyword in
    std::vector<int> nodes;
    std::vector<int> keywords;
    for (int index = 0; index < count; ++index) {
        nodes.clear();
        int state = 0;
        for (QChar ch : text(index)) {
            state = a.step(state, ch);
            // A node already seen in this text had its whole chain taken with it.
            for (int hit = a.terminal[size_t(state)] ? state : a.dictionary[size_t(state)];
                 hit > 0 && seenIn[size_t(hit)] != index; hit = a.dictionary[size_t(hit)]) {
                seenIn[size_t(hit)] = index;
                nodes.push_back(hit);
            }
        }
        if (nodes.empty())
            continue;
        keywords.clear();
        for (int node : nodes) {
            keywords.insert(keywords.end(), m_nodeKeywords.begin() + m_nodeKeywordsStart[size_t(node)],
                            m_nodeKeywords.begin() + m_nodeKeywordsStart[size_t(node) + 1]);
        }
        std::sort(keywords.begin(), keywords.end());
        found(index, keywords);
    }
}

} // namespace text
