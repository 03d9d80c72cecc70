// The hit rule of keywords in song names.
#include "text/FoldedHit.h"

#include "text/KeywordMatchRule.h"

namespace text {

bool hits(QStringView name, const FoldedKeyword &keyword)
{
    if (indexOfKeyword(name, keyword.written) >= 0)
        return true;
    if (!keyword.hitsFolded())
        return false;
    QString scratch;
    return fold(name, scratch).contains(keyword.folded);
}

Span hitSpan(QStringView name, const FoldedKeyword &keyword)
{
    const qsizetype written = indexOfKeyword(name, keyword.written);
    if (written >= 0)
        return {written, keyword.written.size()};
    if (!keyword.hitsFolded())
        return {};
    QString scratch;
    const qsizetype at = fold(name, scratch).indexOf(keyword.folded);
    return at < 0 ? Span{} : sourceOf(name, at, keyword.folded.size());
}

} // namespace text
