// The keyword hits: every song whose name holds a keyword of the library, with the keywords it holds
// and how many songs each remark covers.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace keywords { class KeywordListModel; }
namespace songs { class SongTableModel; }

namespace hits {


struct RemarkCount {
    QString remark;
    int songs = 0; // a song counts once, however many of its keywords carry the remark
};

class KeywordHits {
public:
    // Every song whose name holds a keyword of the list (the search's rule: A to Z in either case,
    // everything else exactly), in song order.
    static KeywordHits find(const keywords::KeywordListModel &keywords, const songs::SongTableModel &songs);

    int count() const { return int(m_songRows.size()); }
    int songRow(int hit) const { return m_songRows[size_t(hit)]; }
    // The keywords the song holds, in keyword list order, and their remarks, each remark once.
    QStringList keywords(int hit) const;
    QStringList remarks(int hit) const;
    // Every remark of a matched keyword with its songs, most songs first (ties in keyword list order).
    const std::vector<RemarkCount> &remarkCounts() const { return m_remarkCounts; }

private:
    // The keyword list's names and remarks, the remark as an index into m_remarkCounts.
    std::vector<QString> m_names;
    std::vector<int> m_remarkOf;
    std::vector<RemarkCount> m_remarkCounts;
    // Per hit its song row; its keywords are m_keywords[m_keywordsStart[h] .. m_keywordsStart[h + 1]).
    std::vector<int> m_songRows;
    std::vector<int> m_keywordsStart{0};
    std::vector<int> m_keywords;
};

} // namespace hits
