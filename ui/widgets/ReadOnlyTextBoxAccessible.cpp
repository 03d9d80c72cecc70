// What screen readers see of a read-only text box.
#include "ui/widgets/ReadOnlyTextBoxAccessible.h"

#include "ui/widgets/ReadOnlyTextBox.h"

#include <climits>

namespace ui {

namespace {

// A few lines of the box as a text of their own. Finding word, sentence or character boundaries
// over the whole content would scan every line of a long list; the lines around the offset are
// all such a boundary needs.
class TextExcerpt final : public QAccessibleTextInterface {
public:
    explicit TextExcerpt(QString text) : m_text(std::move(text)) {}

    QString text(int startOffset, int endOffset) const override
    {
        return m_text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(m_text.size()); }

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QString m_text;
};

enum class Side { Before, At, After };

bool isLineBoundary(QAccessible::TextBoundaryType boundary)
{
    return boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary;
}

QString lineNear(const TextLines &lines, int offset, Side side, int *startOffset, int *endOffset)
{
    qsizetype line = lines.lineAt(offset) + (side == Side::Before ? -1 : side == Side::After ? 1 : 0);
    if (line < 0 || line >= lines.lineCount())
        return {};
    const qsizetype start = lines.lineStart(line);
    const qsizetype end = lines.lineBreakEnd(line);
    *startOffset = int(start);
    *endOffset = int(end);
    return lines.text().mid(start, end - start);
}

QString boundaryNear(const TextLines &lines, int offset, QAccessible::TextBoundaryType boundary, Side side,
                     int *startOffset, int *endOffset)
{
    const qsizetype line = lines.lineAt(offset);
    const qsizetype first = std::max<qsizetype>(0, line - 1);
    const qsizetype last = std::min<qsizetype>(lines.lineCount() - 1, line + 1);
    const qsizetype base = lines.lineStart(first);
    const TextExcerpt excerpt(lines.text().mid(base, lines.lineBreakEnd(last) - base));
    const int local = int(offset - base);
    QString found;
    switch (side) {
    case Side::Before:
        found = excerpt.QAccessibleTextInterface::textBeforeOffset(local, boundary, startOffset, endOffset);
        break;
    case Side::At:
        found = excerpt.QAccessibleTextInterface::textAtOffset(local, boundary, startOffset, endOffset);
        break;
    case Side::After:
        found = excerpt.QAccessibleTextInterface::textAfterOffset(local, boundary, startOffset, endOffset);
        break;
    }
    if (*startOffset >= 0) {
        *startOffset += int(base);
        *endOffset += int(base);
    }
    return found;
}

QString textNear(const ReadOnlyTextBoxAccessible &self, const TextLines &lines, int offset,
                 QAccessible::TextBoundaryType boundary, Side side, int *startOffset, int *endOffset)
{
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > lines.size())
        return {};
    if (isLineBoundary(boundary))
        return lineNear(lines, offset, side, startOffset, endOffset);
    if (boundary != QAccessible::NoBoundary)
        return boundaryNear(lines, offset, boundary, side, startOffset, endOffset);
    switch (side) {
    case Side::Before:
        return self.QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    case Side::At:
        return self.QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    case Side::After:
        break;
    }
    return self.QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
}

QAccessibleInterface *createAccessible(const QString &, QObject *object)
{
    auto *box = qobject_cast<ReadOnlyTextBox *>(object);
    return box ? new ReadOnlyTextBoxAccessible(box) : nullptr;
}

} // namespace

ReadOnlyTextBoxAccessible::ReadOnlyTextBoxAccessible(ReadOnlyTextBox *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

ReadOnlyTextBox *ReadOnlyTextBoxAccessible::box() const
{
    return static_cast<ReadOnlyTextBox *>(widget());
}

QAccessible::State ReadOnlyTextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return box()->toPlainText();
    return QAccessibleWidget::text(kind);
}

void *ReadOnlyTextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyTextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && box()->hasSelection()) {
        *startOffset = int(box()->selectionStart());
        *endOffset = int(box()->selectionEnd());
    }
}

int ReadOnlyTextBoxAccessible::selectionCount() const
{
    return box()->hasSelection() ? 1 : 0;
}

void ReadOnlyTextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    // The box has one selection; a new one replaces it.
    box()->setSelection(startOffset, endOffset);
}

void ReadOnlyTextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->setSelection(box()->cursorPosition(), box()->cursorPosition());
}

void ReadOnlyTextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset);
}

int ReadOnlyTextBoxAccessible::cursorPosition() const
{
    return int(box()->cursorPosition());
}

void ReadOnlyTextBoxAccessible::setCursorPosition(int position)
{
    box()->setSelection(position, position);
    box()->scrollToOffset(position);
}

QString ReadOnlyTextBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString &content = box()->toPlainText();
    startOffset = std::clamp(startOffset, 0, int(content.size()));
    endOffset = std::clamp(endOffset, startOffset, int(content.size()));
    return content.mid(startOffset, endOffset - startOffset);
}

QString ReadOnlyTextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                    int *startOffset, int *endOffset) const
{
    return textNear(*this, box()->lines(), offset, boundary, Side::Before, startOffset, endOffset);
}

QString ReadOnlyTextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                   int *startOffset, int *endOffset) const
{
    return textNear(*this, box()->lines(), offset, boundary, Side::After, startOffset, endOffset);
}

QString ReadOnlyTextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                int *startOffset, int *endOffset) const
{
    return textNear(*this, box()->lines(), offset, boundary, Side::At, startOffset, endOffset);
}

int ReadOnlyTextBoxAccessible::characterCount() const
{
    return int(std::min<qsizetype>(box()->toPlainText().size(), INT_MAX));
}

QRect ReadOnlyTextBoxAccessible::characterRect(int offset) const
{
    const QRect place = box()->characterRect(offset);
    if (place.isNull())
        return {};
    return place.translated(box()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int ReadOnlyTextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    const QPoint local = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(local))
        return -1;
    return int(box()->offsetAt(local));
}

void ReadOnlyTextBoxAccessible::scrollToSubstring(int startIndex, int)
{
    box()->scrollToOffset(startIndex);
}

QString ReadOnlyTextBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One font and colour throughout: the whole text is one run without attributes.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void installReadOnlyTextBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(createAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace ui
