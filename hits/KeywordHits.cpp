// The keyword hits.
#include "hits/KeywordHits.h"

#include "keywords/KeywordListModel.h"
#include "text/KeywordFinder.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"
#include "text/KeywordMatchRule.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>

namespace hits {

using text::KeywordFinder;
using keywords::KeywordListModel;
using keywords::KeywordRow;

namespace {

using Found = std::function<void(int row, const std::vector<int> &keywords)>;

QStringView nameOf(const songs::SongTableModel &songs, int row)
{
    return songs.cellView(row, songs::kNameColumn);
}

void findAsWritten(const std::vector<text::FoldedKeyword> &keywords, const songs::SongTableModel &songs,
                   const Found &found)
{
    QList<QString> written;
    written.reserve(qsizetype(keywords.size()));
    for (const text::FoldedKeyword &keyword : keywords)
        written.append(keyword.written);
    KeywordFinder(written).allHits(
        songs.songCount(), [&songs](int row) { return nameOf(songs, row); }, found);
}

// One automaton holds the keywords as written and, after them, the folds that may hit and differ from
// their keyword in more than the case of A to Z (most keywords fold to themselves). It reads each name,
// then the name's fold when folding changes it: the written keywords count in the name, the folds in
// the fold, which for a name that folds to itself is the name. Folds live one name at a time.
void findFolded(const std::vector<text::FoldedKeyword> &keywords, const songs::SongTableModel &songs,
                const Found &found)
{
    const int writtenCount = int(keywords.size());
    QList<QString> patterns;
    std::vector<char> foldsAsWritten(keywords.size(), 0); // the pattern as written stands for its fold too
    std::vector<int> keywordOfFold;
    bool anyFolded = false;
    for (const text::FoldedKeyword &keyword : keywords)
        patterns.append(keyword.written);
    for (int k = 0; k < writtenCount; ++k) {
        const text::FoldedKeyword &keyword = keywords[size_t(k)];
        if (!keyword.hitsFolded())
            continue;
        anyFolded = true;
        if (keyword.folded == text::foldAsciiLetters(keyword.written)) {
            foldsAsWritten[size_t(k)] = 1;
        } else {
            patterns.append(keyword.folded);
            keywordOfFold.push_back(k);
        }
    }
    if (!anyFolded) {
        findAsWritten(keywords, songs, found);
        return;
    }

    QString scratch;
    QStringView folded;
    bool foldsToItself = true;
    int pendingRow = -1;
    std::vector<int> pending;
    const auto flush = [&] {
        if (!pending.empty()) {
            std::sort(pending.begin(), pending.end());
            pending.erase(std::unique(pending.begin(), pending.end()), pending.end());
            found(pendingRow, pending);
            pending.clear();
        }
    };
    // Text 2 * row is the song's name, text 2 * row + 1 its fold (empty when it is the name).
    KeywordFinder(patterns).allHits(
        songs.songCount() * 2,
        [&](int text) {
            if (text % 2 == 1)
                return foldsToItself ? QStringView() : folded;
            const QStringView name = nameOf(songs, text / 2);
            folded = text::fold(name, scratch);
            foldsToItself = folded.data() == name.data();
            return name;
        },
        [&](int text, const std::vector<int> &hit) {
            if (text / 2 != pendingRow) {
                flush();
                pendingRow = text / 2;
            }
            const bool inName = text % 2 == 0;
            for (const int pattern : hit) {
                if (pattern >= writtenCount) {
                    if (!inName || foldsToItself)
                        pending.push_back(keywordOfFold[size_t(pattern - writtenCount)]);
                } else if (inName || foldsAsWritten[size_t(pattern)]) {
                    pending.push_back(pattern);
                }
            }
        });
    flush();
}

} // namespace

KeywordHits KeywordHits::find(const KeywordListModel &keywords, const songs::SongTableModel &songs, HitRule rule)
{
    KeywordHits hits;
    hits.m_rule = rule;
    QHash<QString, int> remarkIndex;
    std::vector<QString> remarks;
    QSet<QString> named;
    hits.m_names.reserve(size_t(keywords.count()));
    for (int k = 0; k < keywords.count(); ++k) {
        const KeywordRow &row = keywords.row(k);
        hits.m_names.emplace_back(row.name);
        if (rule == HitRule::Folded && !row.name.isEmpty() && !hits.m_names.back().hitsFolded()
            && !named.contains(row.name)) {
            named.insert(row.name);
            hits.m_onlyAsWritten.append(row.name);
        }
        const auto known = remarkIndex.constFind(row.remark);
        if (known != remarkIndex.constEnd()) {
            hits.m_remarkOf.push_back(*known);
        } else {
            hits.m_remarkOf.push_back(int(remarks.size()));
            remarkIndex.insert(row.remark, int(remarks.size()));
            remarks.push_back(row.remark);
        }
    }

    std::vector<int> songsOfRemark(remarks.size(), 0);
    std::vector<int> lastHitOfRemark(remarks.size(), -1);
    const Found record = [&](int row, const std::vector<int> &found) {
        const int hit = int(hits.m_songRows.size());
        hits.m_songRows.push_back(row);
        hits.m_keywords.insert(hits.m_keywords.end(), found.begin(), found.end());
        hits.m_keywordsStart.push_back(int(hits.m_keywords.size()));
        for (int keyword : found) {
            const int remark = hits.m_remarkOf[size_t(keyword)];
            if (lastHitOfRemark[size_t(remark)] != hit) {
                lastHitOfRemark[size_t(remark)] = hit;
                ++songsOfRemark[size_t(remark)];
            }
        }
    };
    if (rule == HitRule::Folded)
        findFolded(hits.m_names, songs, record);
    else
        findAsWritten(hits.m_names, songs, record);

    // Remarks that no song carries are left out; m_remarkOf keeps pointing at the full list.
    std::vector<int> order;
    for (size_t r = 0; r < remarks.size(); ++r) {
        if (songsOfRemark[r] > 0)
            order.push_back(int(r));
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return songsOfRemark[size_t(a)] > songsOfRemark[size_t(b)]; });
    std::vector<int> shownAt(remarks.size(), -1);
    for (int r : order) {
        shownAt[size_t(r)] = int(hits.m_remarkCounts.size());
        hits.m_remarkCounts.push_back({remarks[size_t(r)], songsOfRemark[size_t(r)]});
    }
    for (int &remark : hits.m_remarkOf)
        remark = shownAt[size_t(remark)];
    return hits;
}

QStringList KeywordHits::keywords(int hit) const
{
    QStringList names;
    for (int i = m_keywordsStart[size_t(hit)]; i < m_keywordsStart[size_t(hit) + 1]; ++i)
        names.append(m_names[size_t(m_keywords[size_t(i)])].written);
    return names;
}

QStringList KeywordHits::remarks(int hit) const
{
    QStringList texts;
    for (int i = m_keywordsStart[size_t(hit)]; i < m_keywordsStart[size_t(hit) + 1]; ++i) {
        const QString &remark = m_remarkCounts[size_t(m_remarkOf[size_t(m_keywords[size_t(i)])])].remark;
        if (!texts.contains(remark))
            texts.append(remark);
    }
    return texts;
}

QStringList KeywordHits::piecesIn(int hit, QStringView name) const
{
    QStringList pieces;
    for (int i = m_keywordsStart[size_t(hit)]; i < m_keywordsStart[size_t(hit) + 1]; ++i) {
        const text::FoldedKeyword &keyword = m_names[size_t(m_keywords[size_t(i)])];
        text::Span span;
        if (m_rule == HitRule::Folded) {
            span = text::hitSpan(name, keyword);
        } else if (const qsizetype at = text::indexOfKeyword(name, keyword.written); at >= 0) {
            span = {at, keyword.written.size()};
        }
        pieces.append(span.isValid() ? name.sliced(span.start, span.length).toString() : QString());
    }
    return pieces;
}

} // namespace hits
