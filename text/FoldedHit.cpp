// The hit rule of keywords in song names.
#include "text/FoldedHit.h"

namespace text {

namespace {
constexpr char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}
} // namespace

qsizetype indexOfWritten(QStringView text, QStringView keyword)
{
    const qsizetype length = keyword.size();
    if (length == 0)
        return -1;
    for (qsizetype start = 0; start + length <= text.size(); ++start) {
        qsizetype k = 0;
        while (k < length && lowerAscii(text[start + k].unicode()) == lowerAscii(keyword[k].unicode()))
            ++k;
        if (k == length)
            return start;
    }
    return -1;
}

bool hits(QStringView name, const FoldedKeyword &keyword)
{
    if (indexOfWritten(name, keyword.written) >= 0)
        return true;
    if (!keyword.hitsFolded())
        return false;
    QString scratch;
    return fold(name, scratch).contains(keyword.folded);
}

Span hitSpan(QStringView name, const FoldedKeyword &keyword)
{
    const qsizetype written = indexOfWritten(name, keyword.written);
    if (written >= 0)
        return {written, keyword.written.size()};
    if (!keyword.hitsFolded())
        return {};
    QString scratch;
    const qsizetype at = fold(name, scratch).indexOf(keyword.folded);
    return at < 0 ? Span{} : sourceOf(name, at, keyword.folded.size());
}

} // namespace text
