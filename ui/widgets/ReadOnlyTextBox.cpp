// A read-only multi-line edit box for long texts.
#include "ui/widgets/ReadOnlyTextBox.h"

#include "ui/widgets/ReadOnlyTextBoxAccessible.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <climits>

namespace ui {

namespace {
constexpr int kMargin = 3;

int clampToInt(qsizetype value)
{
    return int(std::min<qsizetype>(value, INT_MAX));
}
} // namespace

ReadOnlyTextBox::ReadOnlyTextBox(QWidget *parent) : QAbstractScrollArea(parent)
{
    installReadOnlyTextBoxAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

void ReadOnlyTextBox::setPlainText(const QString &text)
{
    const QString old = m_lines.text(); // shared, not copied
    m_lines.setText(text);
    m_anchor = m_cursor = 0;
    m_followEnd = false;
    m_announced = m_lines.size();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, old, text);
        QAccessible::updateAccessibility(&event);
    }
}

void ReadOnlyTextBox::appendText(QStringView text)
{
    if (text.isEmpty())
        return;
    m_lines.append(text);
    m_followEnd = true;
    scheduleSync();
}

void ReadOnlyTextBox::appendLine(QStringView line)
{
    appendText(line);
    appendText(u"\r\n");
}

// Appends come in long runs: the scroll bar, the repaint and the notice to accessibility tools
// follow once per run, when the event loop next gets a turn, instead of once per append.
void ReadOnlyTextBox::scheduleSync()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    QMetaObject::invokeMethod(this, &ReadOnlyTextBox::sync, Qt::QueuedConnection);
}

void ReadOnlyTextBox::sync()
{
    m_syncPending = false;
    updateScrollBars();
    if (m_followEnd) {
        m_followEnd = false;
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    }
    viewport()->update();
    if (m_announced < m_lines.size() && QAccessible::isActive()) {
        QAccessibleTextInsertEvent event(this, clampToInt(m_announced), m_lines.text().mid(m_announced));
        QAccessible::updateAccessibility(&event);
    }
    m_announced = m_lines.size();
}

void ReadOnlyTextBox::setSelection(qsizetype anchor, qsizetype cursor)
{
    anchor = std::clamp<qsizetype>(anchor, 0, m_lines.size());
    cursor = std::clamp<qsizetype>(cursor, 0, m_lines.size());
    if (anchor == m_anchor && cursor == m_cursor)
        return;
    m_anchor = anchor;
    m_cursor = cursor;
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent event(this, clampToInt(selectionStart()), clampToInt(selectionEnd()));
        QAccessible::updateAccessibility(&event);
    }
}

QString ReadOnlyTextBox::selectedText() const
{
    return m_lines.text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void ReadOnlyTextBox::copy() const
{
    if (hasSelection())
        QGuiApplication::clipboard()->setText(selectedText());
}

int ReadOnlyTextBox::rowHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int ReadOnlyTextBox::visibleRowCount() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

qsizetype ReadOnlyTextBox::topLine() const
{
    return std::min<qsizetype>(verticalScrollBar()->value(), m_lines.lineCount() - 1);
}

// Only the lines that are painted, measured or pointed at are ever laid out, so a long list costs
// nothing until it is scrolled to.
void ReadOnlyTextBox::layOutLine(QTextLayout &layout, qsizetype line) const
{
    layout.setText(m_lines.line(line).toString());
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const int width = std::max(1, viewport()->width() - 2 * kMargin);
    layout.beginLayout();
    for (int row = 0;; ++row) {
        QTextLine textLine = layout.createLine();
        if (!textLine.isValid())
            break;
        textLine.setLineWidth(width);
        textLine.setPosition(QPointF(0, row * rowHeight()));
    }
    layout.endLayout();
}

int ReadOnlyTextBox::rowCount(qsizetype line) const
{
    QTextLayout layout;
    layOutLine(layout, line);
    return std::max(1, layout.lineCount());
}

qsizetype ReadOnlyTextBox::topLineShowing(qsizetype line) const
{
    const int rows = visibleRowCount();
    int used = rowCount(line);
    qsizetype top = line;
    while (top > 0) {
        const int more = rowCount(top - 1);
        if (used + more > rows)
            break;
        used += more;
        --top;
    }
    return top;
}

int ReadOnlyTextBox::lineTop(qsizetype line) const
{
    const qsizetype top = topLine();
    if (line <= top)
        return clampToInt((line - top) * rowHeight());
    // Lines far below the view are counted as one row each: only their order matters there.
    int y = 0;
    qsizetype at = top;
    for (; at < line && y <= viewport()->height(); ++at)
        y += rowCount(at) * rowHeight();
    return clampToInt(y + (line - at) * rowHeight());
}

void ReadOnlyTextBox::updateScrollBars()
{
    QScrollBar *vertical = verticalScrollBar();
    vertical->setPageStep(visibleRowCount());
    vertical->setRange(0, clampToInt(topLineShowing(m_lines.lineCount() - 1)));
}

void ReadOnlyTextBox::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    int y = 0;
    for (qsizetype line = topLine(); line < m_lines.lineCount() && y < viewport()->height(); ++line)
        y += paintLine(painter, line, y);
}

int ReadOnlyTextBox::paintLine(QPainter &painter, qsizetype line, int y)
{
    QTextLayout layout;
    layOutLine(layout, line);
    const qsizetype start = m_lines.lineStart(line);
    const qsizetype end = m_lines.lineEnd(line);
    const qsizetype from = std::max(selectionStart(), start);
    const qsizetype to = std::min(selectionEnd(), m_lines.lineBreakEnd(line));
    QList<QTextLayout::FormatRange> selection;
    if (from < to) {
        QTextLayout::FormatRange range;
        range.start = int(from - start);
        range.length = int(std::min(to, end) - from);
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selection.append(range);
    }
    layout.draw(&painter, QPointF(kMargin, y), selection);
    const int rows = std::max(1, layout.lineCount());
    // A selected line break shows as a selected blank after the line's last character.
    if (from < to && to > end) {
        const QTextLine last = layout.lineAt(rows - 1);
        const int x = kMargin + int(last.cursorToX(int(end - start)));
        painter.fillRect(QRect(x, y + (rows - 1) * rowHeight(), fontMetrics().horizontalAdvance(u' '), rowHeight()),
                         palette().brush(QPalette::Highlight));
    }
    return rows * rowHeight();
}

void ReadOnlyTextBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReadOnlyTextBox::scrollContentsBy(int, int)
{
    // The scroll bar counts lines, not pixels: repaint instead of moving pixels.
    viewport()->update();
}

void ReadOnlyTextBox::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateScrollBars();
        viewport()->update();
    }
}

QRect ReadOnlyTextBox::characterRect(qsizetype offset) const
{
    if (offset < 0 || offset >= m_lines.size())
        return {};
    const qsizetype line = m_lines.lineAt(offset);
    QTextLayout layout;
    layOutLine(layout, line);
    const qsizetype start = m_lines.lineStart(line);
    const qsizetype end = m_lines.lineEnd(line);
    const int column = int(std::min(offset, end) - start);
    QTextLine row = layout.lineForTextPosition(column);
    if (!row.isValid())
        row = layout.lineAt(layout.lineCount() - 1);
    const int x = kMargin + int(row.cursorToX(column));
    const int width = offset < end ? fontMetrics().horizontalAdvance(m_lines.text()[offset]) : 0;
    return QRect(x, lineTop(line) + row.lineNumber() * rowHeight(), width, rowHeight());
}

qsizetype ReadOnlyTextBox::offsetAt(QPoint point) const
{
    QTextLayout layout;
    qsizetype line = topLine();
    int row = 0;
    if (point.y() < 0) {
        // Above the view: the last row of the line before the top one.
        line = std::max<qsizetype>(0, line - 1);
        layOutLine(layout, line);
        row = line < topLine() ? std::max(1, layout.lineCount()) - 1 : 0;
    } else {
        int top = 0;
        layOutLine(layout, line);
        while (line + 1 < m_lines.lineCount() && point.y() >= top + std::max(1, layout.lineCount()) * rowHeight()) {
            top += std::max(1, layout.lineCount()) * rowHeight();
            layOutLine(layout, ++line);
        }
        row = std::min((point.y() - top) / rowHeight(), std::max(1, layout.lineCount()) - 1);
    }
    const QTextLine textLine = layout.lineAt(row);
    // A point lands before a character when it is left of the character's middle.
    const qsizetype column = textLine.isValid() ? textLine.xToCursor(point.x() - kMargin) : 0;
    const qsizetype start = m_lines.lineStart(line);
    return start + std::clamp<qsizetype>(column, 0, m_lines.lineEnd(line) - start);
}

void ReadOnlyTextBox::scrollToOffset(qsizetype offset)
{
    const qsizetype line = m_lines.lineAt(std::clamp<qsizetype>(offset, 0, m_lines.size()));
    QScrollBar *vertical = verticalScrollBar();
    if (line < topLine())
        vertical->setValue(clampToInt(line));
    else if (lineTop(line) + rowCount(line) * rowHeight() > viewport()->height())
        vertical->setValue(clampToInt(topLineShowing(line)));
}

void ReadOnlyTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::SelectAll) {
        selectAll();
    } else if (event == QKeySequence::Copy) {
        copy();
    } else if (event == QKeySequence::MoveToStartOfDocument) {
        verticalScrollBar()->setValue(0);
    } else if (event == QKeySequence::MoveToEndOfDocument) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ReadOnlyTextBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const qsizetype offset = offsetAt(event->position().toPoint());
    setSelection(event->modifiers() & Qt::ShiftModifier ? m_anchor : offset, offset);
    event->accept();
}

void ReadOnlyTextBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    if (point.y() < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (point.y() >= viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    setSelection(m_anchor, offsetAt(point));
    event->accept();
}

void ReadOnlyTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void ReadOnlyTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    QAction *copyAction = menu.addAction(QStringLiteral("复制(&C)"), this, &ReadOnlyTextBox::copy);
    copyAction->setEnabled(hasSelection());
    menu.addAction(QStringLiteral("全选(&A)"), this, &ReadOnlyTextBox::selectAll);
    menu.exec(event->globalPos());
}

} // namespace ui
