// The keyword hits.
#include "hits/KeywordHits.h"

#include "keywords/KeywordListModel.h"
#include "text/KeywordFinder.h"
#include "songs/SongColumns.h"
#include "songs/SongTableModel.h"

#include <QHash>

#include <algorithm>

namespace hits {

using text::KeywordFinder;
using keywords::KeywordListModel;
using keywords::KeywordRow;

KeywordHits KeywordHits::find(const KeywordListModel &keywords, const songs::SongTableModel &songs)
{
    KeywordHits hits;
    QList<QString> names;
    QHash<QString, int> remarkIndex;
    std::vector<QString> remarks;
    names.reserve(keywords.count());
    for (int k = 0; k < keywords.count(); ++k) {
        const KeywordRow &row = keywords.row(k);
        names.append(row.name);
        hits.m_names.push_back(row.name);
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
    KeywordFinder(names).allHits(
        songs.songCount(), [&songs](int row) { return songs.cellView(row, songs::kNameColumn); },
        [&](int row, const std::vector<int> &found) {
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
        });

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
        names.append(m_names[size_t(m_keywords[size_t(i)])]);
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

} // namespace hits
