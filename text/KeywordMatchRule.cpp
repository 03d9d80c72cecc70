// The matching rule of keywords in song names.
#include "text/KeywordMatchRule.h"

#include <algorithm>

namespace text {

QString foldAsciiLetters(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(folded.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldAsciiLetter(text[i].unicode());
    return folded;
}

qsizetype indexOfKeyword(QStringView text, QStringView keyword)
{
    const qsizetype m = keyword.size();
    if (m == 0 || m > text.size())
        return -1;
    const char16_t first = foldAsciiLetter(keyword[0].unicode());
    for (qsizetype start = 0; start + m <= text.size(); ++start) {
        if (foldAsciiLetter(text[start].unicode()) != first)
            continue;
        qsizetype k = 1;
        while (k < m && foldAsciiLetter(text[start + k].unicode()) == foldAsciiLetter(keyword[k].unicode()))
            ++k;
        if (k == m)
            return start;
    }
    return -1;
}

} // namespace text
