// A read-only multi-line edit box for long texts: keeps its lines compactly and paints only the
// lines on screen, so hundreds of thousands of lines cost little more than their characters.
#pragma once

#include "ui/widgets/TextLines.h"

#include <QAbstractScrollArea>

class QTextLayout;

#include <algorithm>

namespace ui {

// The content is one text held verbatim: toPlainText() returns exactly what was set and appended,
// CR LF line breaks included. A line wider than the box wraps onto further rows (at word
// boundaries, or anywhere in a word too long for a row), so the box scrolls only vertically; its
// scroll bar counts lines. The user can select with the mouse or Ctrl+A and copy with Ctrl+C;
// screen readers read the text through its accessible interface (an editable-text role in the
// read-only state).
class ReadOnlyTextBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReadOnlyTextBox(QWidget *parent = nullptr);

    const QString &toPlainText() const { return m_lines.text(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const TextLines &lines() const { return m_lines; }

    // Replaces the whole content and shows its beginning.
    void setPlainText(const QString &text);
    void clear() { setPlainText(QString()); }
    // Adds text at the end, verbatim, and brings the end into view, as an edit box does when text
    // is added at its end.
    void appendText(QStringView text);
    // Adds the line followed by CR LF.
    void appendLine(QStringView line);
    // Room for this many characters in all, so that a long run of appends does not reallocate.
    void reserve(qsizetype characters) { m_lines.reserve(characters); }

    // Selection and cursor, as character offsets into the content.
    bool hasSelection() const { return m_anchor != m_cursor; }
    qsizetype selectionStart() const { return std::min(m_anchor, m_cursor); }
    qsizetype selectionEnd() const { return std::max(m_anchor, m_cursor); }
    qsizetype cursorPosition() const { return m_cursor; }
    void setSelection(qsizetype anchor, qsizetype cursor);
    void selectAll() { setSelection(0, m_lines.size()); }
    QString selectedText() const;
    // Puts the selected text on the clipboard; without a selection the clipboard is left alone.
    void copy() const;

    // Character geometry in viewport coordinates, for accessibility tools.
    QRect characterRect(qsizetype offset) const;
    // The offset nearest to a point of the viewport.
    qsizetype offsetAt(QPoint point) const;
    void scrollToOffset(qsizetype offset);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int rowHeight() const;
    int visibleRowCount() const;
    qsizetype topLine() const;
    // The line laid out in rows of the box's width, row r at y = r * rowHeight().
    void layOutLine(QTextLayout &layout, qsizetype line) const;
    int rowCount(qsizetype line) const;
    // The top line that shows this line whole at the bottom of the box (or at the top, when it is
    // taller than the box).
    qsizetype topLineShowing(qsizetype line) const;
    // y of the line's first row in the viewport.
    int lineTop(qsizetype line) const;
    // Returns the height painted.
    int paintLine(QPainter &painter, qsizetype line, int y);
    void scheduleSync();
    void sync();
    void updateScrollBars();

    TextLines m_lines;
    qsizetype m_anchor = 0;
    qsizetype m_cursor = 0;
    qsizetype m_announced = 0; // accessibility tools have been told about the text up to here
    bool m_syncPending = false;
    bool m_followEnd = false;
};

} // namespace ui
