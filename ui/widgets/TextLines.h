// A text kept verbatim with an index of where each line starts, for boxes that show many lines.
#pragma once

#include <QString>
#include <vector>

namespace ui {

// The text is held exactly as it was given; only the index knows about lines. A line ends at LF,
// and a CR right before that LF belongs to the line break (the program writes CR LF), so
// line() never includes it. The text after the last LF is the last line, empty when the text
// ends with a line break; an empty text is one empty line.
class TextLines {
public:
    TextLines() { m_lineStarts.push_back(0); }

    const QString &text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    bool isEmpty() const { return m_text.isEmpty(); }

    qsizetype lineCount() const { return qsizetype(m_lineStarts.size()); }
    qsizetype lineStart(qsizetype line) const { return m_lineStarts[size_t(line)]; }
    // Where the line's visible text ends: before its CR LF (or LF).
    qsizetype lineEnd(qsizetype line) const;
    // Where the next line starts (after the line break), or the end of the text.
    qsizetype lineBreakEnd(qsizetype line) const;
    QStringView line(qsizetype line) const;
    // The line that holds this offset; an offset inside a line break belongs to the line it ends.
    qsizetype lineAt(qsizetype offset) const;

    void append(QStringView text);
    void setText(QString text);
    void clear();
    void reserve(qsizetype characters) { m_text.reserve(characters); }

private:
    void indexFrom(qsizetype from);

    QString m_text;
    std::vector<qsizetype> m_lineStarts;
};

} // namespace ui
