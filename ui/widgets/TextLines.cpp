// A verbatim text with a line index.
#include "ui/widgets/TextLines.h"

#include <algorithm>

namespace ui {

qsizetype TextLines::lineEnd(qsizetype line) const
{
    qsizetype end = lineBreakEnd(line);
    if (line + 1 < lineCount())
        --end; // the LF
    if (end > lineStart(line) && m_text[end - 1] == u'\r')
        --end;
    return end;
}

qsizetype TextLines::lineBreakEnd(qsizetype line) const
{
    return line + 1 < lineCount() ? m_lineStarts[size_t(line + 1)] : m_text.size();
}

QStringView TextLines::line(qsizetype line) const
{
    const qsizetype start = lineStart(line);
    return QStringView(m_text).sliced(start, lineEnd(line) - start);
}

qsizetype TextLines::lineAt(qsizetype offset) const
{
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    return qsizetype(after - m_lineStarts.begin()) - 1;
}

void TextLines::append(QStringView text)
{
    const qsizetype from = m_text.size();
    m_text.append(text);
    indexFrom(from);
}

void TextLines::setText(QString text)
{
    m_text = std::move(text);
    m_lineStarts.assign(1, 0);
    indexFrom(0);
}

void TextLines::clear()
{
    m_text = QString();
    m_lineStarts.assign(1, 0);
}

void TextLines::indexFrom(qsizetype from)
{
    const QStringView text(m_text);
    for (qsizetype lf = text.indexOf(u'\n', from); lf >= 0; lf = text.indexOf(u'\n', lf + 1))
        m_lineStarts.push_back(lf + 1);
}

} // namespace ui
