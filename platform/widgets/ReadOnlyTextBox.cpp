// A read-only multi-line edit box for long texts.
#include "platform/widgets/ReadOnlyTextBox.h"

#include "platform/widgets/ReadOnlyTextBoxAccessible.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <climits>

namespace platform {

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
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    updateScrollBars();
}

void ReadOnlyTextBox::setPlainText(const QString &text)
{
    const QString old = m_lines.text(); // shared, not copied
    m_lines.setText(text);
    m_anchor = m_cursor = 0;
    m_widestLine = 0;
    m_followEnd = false;
    m_announced = m_lines.size();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
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

// Appends come in long runs: the scroll bars, the repaint and the notice to accessibility tools
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

int ReadOnlyTextBox::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int ReadOnlyTextBox::visibleLineCount() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

int ReadOnlyTextBox::textLeft() const
{
    return kMargin - horizontalScrollBar()->value();
}

int ReadOnlyTextBox::advance(qsizetype line, qsizetype offset) const
{
    const qsizetype start = m_lines.lineStart(line);
    const qsizetype column = std::clamp<qsizetype>(offset - start, 0, m_lines.lineEnd(line) - start);
    return fontMetrics().horizontalAdvance(m_lines.line(line).first(column).toString());
}

void ReadOnlyTextBox::updateScrollBars()
{
    const int visible = visibleLineCount();
    QScrollBar *vertical = verticalScrollBar();
    vertical->setPageStep(visible);
    vertical->setRange(0, std::max(0, clampToInt(m_lines.lineCount()) - visible));
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    horizontal->setRange(0, std::max(0, m_widestLine + 2 * kMargin - viewport()->width()));
}

void ReadOnlyTextBox::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const int height = lineHeight();
    const qsizetype first = verticalScrollBar()->value();
    const int widest = m_widestLine;
    for (qsizetype line = first, y = 0; line < m_lines.lineCount() && y < viewport()->height(); ++line, y += height)
        paintLine(painter, line, int(y));
    // Only painted lines are ever measured, so the horizontal range grows as wider lines show up.
    if (m_widestLine > widest)
        QMetaObject::invokeMethod(this, &ReadOnlyTextBox::updateScrollBars, Qt::QueuedConnection);
}

void ReadOnlyTextBox::paintLine(QPainter &painter, qsizetype line, int y)
{
    const QFontMetrics metrics = fontMetrics();
    const QString text = m_lines.line(line).toString();
    const int left = textLeft();
    m_widestLine = std::max(m_widestLine, metrics.horizontalAdvance(text));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(left, y + metrics.ascent(), text);

    const qsizetype start = m_lines.lineStart(line);
    const qsizetype end = m_lines.lineEnd(line);
    const qsizetype from = std::max(selectionStart(), start);
    const qsizetype to = std::min(selectionEnd(), m_lines.lineBreakEnd(line));
    if (from >= to)
        return;
    // The selected part: highlighted, with a blank's width standing for a selected line break.
    const int x0 = left + advance(line, from);
    int x1 = left + advance(line, std::min(to, end));
    if (to > end)
        x1 += metrics.horizontalAdvance(u' ');
    const QRect band(x0, y, x1 - x0, lineHeight());
    painter.fillRect(band, palette().brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(band);
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(left, y + metrics.ascent(), text);
    painter.restore();
}

void ReadOnlyTextBox::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReadOnlyTextBox::scrollContentsBy(int, int)
{
    // The vertical scroll bar counts lines, not pixels: repaint instead of moving pixels.
    viewport()->update();
}

void ReadOnlyTextBox::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_widestLine = 0;
        updateScrollBars();
        viewport()->update();
    }
}

QRect ReadOnlyTextBox::characterRect(qsizetype offset) const
{
    if (offset < 0 || offset >= m_lines.size())
        return {};
    const qsizetype line = m_lines.lineAt(offset);
    const qsizetype first = verticalScrollBar()->value();
    const int x = textLeft() + advance(line, offset);
    const int width = offset < m_lines.lineEnd(line) ? fontMetrics().horizontalAdvance(m_lines.text()[offset]) : 0;
    return QRect(x, clampToInt((line - first) * lineHeight()), width, lineHeight());
}

qsizetype ReadOnlyTextBox::offsetAt(QPoint point) const
{
    const qsizetype row = point.y() < 0 ? -1 : point.y() / lineHeight();
    const qsizetype line = std::clamp<qsizetype>(verticalScrollBar()->value() + row, 0, m_lines.lineCount() - 1);
    const QStringView text = m_lines.line(line);
    const QFontMetrics metrics = fontMetrics();
    const int x = point.x() - textLeft();
    int left = 0;
    qsizetype column = 0;
    // A point lands before a character when it is left of the character's middle.
    while (column < text.size()) {
        const int width = metrics.horizontalAdvance(text[column]);
        if (x < left + width / 2)
            break;
        left += width;
        ++column;
    }
    return m_lines.lineStart(line) + column;
}

void ReadOnlyTextBox::scrollToOffset(qsizetype offset)
{
    const qsizetype line = m_lines.lineAt(std::clamp<qsizetype>(offset, 0, m_lines.size()));
    QScrollBar *vertical = verticalScrollBar();
    if (line < vertical->value())
        vertical->setValue(clampToInt(line));
    else if (line >= vertical->value() + visibleLineCount())
        vertical->setValue(clampToInt(line - visibleLineCount() + 1));
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

} // namespace platform
