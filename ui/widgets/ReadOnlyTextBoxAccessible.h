// What screen readers see of a read-only text box: an editable-text element in the read-only
// state whose text they can read, walk by line or word, and select.
#pragma once

#include <QAccessibleWidget>

namespace ui {

class ReadOnlyTextBox;

class ReadOnlyTextBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadOnlyTextBoxAccessible(ReadOnlyTextBox *box);

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    ReadOnlyTextBox *box() const;
};

// Makes every ReadOnlyTextBox use the interface above; the first call installs it, later calls
// do nothing.
void installReadOnlyTextBoxAccessibility();

} // namespace ui
