// The keyword hits: every song whose name holds a keyword of the library, with the keywords it holds
// and how many songs each remark covers.
#pragma once

#include "text/FoldedHit.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace keywords { class KeywordListModel; }
namespace songs { class SongTableModel; }

namespace hits {

// How a keyword hits a name.
enum class HitRule {
    AsWritten, // A to Z in either case, everything else exactly
    Folded,    // as written, or its fold (two characters or more) in the name's fold: text/FoldedHit.h
};

struct RemarkCount {
    QString remark;
    int songs = 0; // a song counts once, however many of its keywords carry the remark
};

class KeywordHits {
public:
    // Every song whose name holds a keyword of the list by the rule, in song order.
    static KeywordHits find(const keywords::KeywordListModel &keywords, const songs::SongTableModel &songs,
                            HitRule rule);

    HitRule rule() const { return m_rule; }
    int count() const { return int(m_songRows.size()); }
    int songRow(int hit) const { return m_songRows[size_t(hit)]; }
    // The keywords the song holds, in keyword list order, and their remarks, each remark once.
    QStringList keywords(int hit) const;
    QStringList remarks(int hit) const;
    // For each of keywords(hit), the piece of the song's name it hit, as written there.
    QStringList piecesIn(int hit, QStringView name) const;
    // Every remark of a matched keyword with its songs, most songs first (ties in keyword list order).
    const std::vector<RemarkCount> &remarkCounts() const { return m_remarkCounts; }
    // Under the folded rule: the keywords that can hit only as written, their fold being shorter than
    // two characters, each once, in keyword list order. Empty under the other rule.
    const QStringList &hitOnlyAsWritten() const { return m_onlyAsWritten; }

private:
    HitRule m_rule = HitRule::AsWritten;
    // The keyword list's names with their folds, and remarks, the remark as an index into m_remarkCounts.
    std::vector<text::FoldedKeyword> m_names;
    std::vector<int> m_remarkOf;
    std::vector<RemarkCount> m_remarkCounts;
    QStringList m_onlyAsWritten;
    // Per hit its song row; its keywords are m_keywords[m_keywordsStart[h] .. m_keywordsStart[h + 1]).
    std::vector<int> m_songRows;
    std::vector<int> m_keywordsStart{0};
    std::vector<int> m_keywords;
};

} // namespace hits
