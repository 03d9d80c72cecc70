// Finding a song.
#include "songs/SongFind.h"

#include "songs/SongTableModel.h"
#include "text/FoldedHit.h"
#include "text/KeywordMatchRule.h"

#include <algorithm>

namespace songs {

namespace {
// The most characters one character becomes under NFKC (U+FDFA), and so the most initials it gives:
// a text shorter than the query by more than that cannot match it, however long the query.
constexpr qsizetype kLongestNormalForm = 18;

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool isAsciiLetters(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
}
} // namespace

QString withoutLineBreaks(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isLineBreak(c))
            kept.append(c);
    }
    return kept;
}

SongQuery::SongQuery(QStringView text)
    : m_text(withoutLineBreaks(text)), m_initials(isAsciiLetters(m_text) ? QStringView(m_text) : QStringView())
{
    const QString folded = text::fold(m_text);
    if (folded.size() >= text::kMinimumFoldedKeyword)
        m_folded.emplace(folded);
}

std::optional<FoundBy> SongQuery::match(const SongTableModel &table, int row, QString &scratch) const
{
    if (m_text.isEmpty())
        return std::nullopt;
    const QStringView name = table.cellView(row, kNameColumn);
    const QStringView singer = table.cellView(row, kSingerColumn);
    if (text::containsKeyword(name, m_text) || text::containsKeyword(singer, m_text)
        || text::containsKeyword(table.cellView(row, kCodeColumn), m_text))
        return FoundBy::Text;
    // A cell too short to give the text sought is not looked at: a long text costs no more than a short one.
    const auto mayGive = [](QStringView cell, qsizetype length) { return cell.size() * kLongestNormalForm >= length; };
    if (m_folded) {
        for (const QStringView cell : {name, singer}) {
            if (mayGive(cell, m_folded->size()) && m_folded->foundIn(cell, scratch))
                return FoundBy::Variant;
        }
    }
    if (!m_initials.isEmpty()) {
        for (const QStringView cell : {name, singer}) {
            if (mayGive(cell, m_text.size()) && m_initials.matches(cell))
                return FoundBy::Initials;
        }
    }
    return std::nullopt;
}

FoundSong findSong(const songs::SongTableModel &table, QStringView text, int row, bool forward)
{
    const int count = table.songCount();
    const SongQuery query(text);
    if (query.isEmpty() || count == 0)
        return {};
    if (row < 0 || row >= count)
        row = forward ? -1 : count;
    const int step = forward ? 1 : -1;
    QString scratch;
    // Every song once, the one at row last, so that a lone match is found again and said to wrap.
    for (int i = 1; i <= count; ++i) {
        int at = row + step * i;
        const bool wrapped = at < 0 || at >= count;
        at = (at % count + count) % count;
        if (const std::optional<FoundBy> by = query.match(table, at, scratch))
            return {at, wrapped, *by};
    }
    return {};
}

} // namespace songs
