// The read-only text box: its content exactly as given, scrolling, selecting and copying, and what
// screen readers read from it.
#include "ui/widgets/ReadOnlyTextBox.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using ui::ReadOnlyTextBox;

namespace {

struct ShownBox {
    ShownBox()
    {
        box.resize(200, 120);
        box.setAccessibleName(QStringLiteral("编辑框1"));
        box.show();
    }
    int lineHeight() const { return box.fontMetrics().lineSpacing(); }
    ReadOnlyTextBox box;
};

} // namespace

TEST(ReadOnlyTextBox, KeepsItsContentExactlyAsSetAndAppended)
{
    ReadOnlyTextBox box;
    EXPECT_TRUE(box.isEmpty());
    box.setPlainText(u"甲\r\n乙"_qs);
    box.appendText(u"丙");
    box.appendLine(u"00012345");
    box.appendLine(u"");
    EXPECT_EQ(box.toPlainText(), u"甲\r\n乙丙00012345\r\n\r\n"_qs);
    EXPECT_EQ(box.lines().lineCount(), 4);

    box.clear();
    EXPECT_EQ(box.toPlainText(), QString());
}

TEST(ReadOnlyTextBox, AppendsBringTheEndIntoViewAndANewTextStartsAtTheTop)
{
    ShownBox shown;
    for (int i = 0; i < 500; ++i)
        shown.box.appendLine(QString::number(i));
    QApplication::processEvents();
    QScrollBar *bar = shown.box.verticalScrollBar();
    EXPECT_GT(bar->maximum(), 400);
    EXPECT_EQ(bar->value(), bar->maximum());

    shown.box.setPlainText(u"a\r\nb"_qs);
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->maximum(), 0);
}

// A line wider than the box wraps onto further rows, so nothing needs scrolling sideways.
TEST(ReadOnlyTextBox, LongLinesWrapWithinTheBox)
{
    ShownBox shown;
    const QString log = u"歌名为（"_qs + QString(40, u'长') + u"）的编码（00000001）已经成功导出"_qs;
    shown.box.setPlainText(log + u"\r\nnext"_qs);
    QApplication::processEvents();
    const QRect end = shown.box.characterRect(log.size() - 1);
    EXPECT_TRUE(shown.box.viewport()->rect().contains(end)) << end.x() << ',' << end.y();
    EXPECT_GT(shown.box.characterRect(log.size() + 2).top(), end.top()) << "the next line follows the wrapped rows";
    EXPECT_FALSE(shown.box.horizontalScrollBar()->isVisible());
}

TEST(ReadOnlyTextBox, CopiesWhatIsSelectedWithTheMouseOrCtrlA)
{
    ShownBox shown;
    shown.box.setPlainText(u"first\r\nsecond\r\nthird\r\n"_qs);
    QApplication::clipboard()->setText(u"before"_qs);
    QTest::keyClick(&shown.box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"before"_qs) << "nothing selected, nothing copied";

    // From the start of the second line to the end of the third.
    QWidget *viewport = shown.box.viewport();
    const int height = shown.lineHeight();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(1, height + height / 2));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, QPoint(180, 2 * height + height / 2));
    EXPECT_FALSE(shown.box.grab().isNull()) << "the selection paints";
    QTest::keyClick(&shown.box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), u"second\r\nthird"_qs);

    QTest::keyClick(&shown.box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&shown.box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), shown.box.toPlainText()) << "all of it, line breaks and all";
}

TEST(ReadOnlyTextBox, ScreenReadersReadAReadOnlyMultiLineTextElement)
{
    ShownBox shown;
    shown.box.setPlainText(u"歌名为（甲）的编码（00000001）已经成功导出\r\nsecond line here\r\n"_qs);
    QAccessibleInterface *element = QAccessible::queryAccessibleInterface(&shown.box);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->role(), QAccessible::EditableText);
    EXPECT_TRUE(element->state().readOnly);
    EXPECT_TRUE(element->state().multiLine);
    EXPECT_EQ(element->text(QAccessible::Name), u"编辑框1"_qs);
    EXPECT_EQ(element->text(QAccessible::Value), shown.box.toPlainText());

    QAccessibleTextInterface *text = element->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), shown.box.toPlainText().size());
    EXPECT_EQ(text->text(0, text->characterCount()), shown.box.toPlainText());

    const int second = int(shown.box.toPlainText().indexOf(u"second"));
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(second + 3, QAccessible::LineBoundary, &start, &end), u"second line here\r\n"_qs);
    EXPECT_EQ(start, second);
    EXPECT_EQ(text->textBeforeOffset(second + 3, QAccessible::LineBoundary, &start, &end).left(3), u"歌名为"_qs);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(text->textAtOffset(second + 8, QAccessible::WordBoundary, &start, &end), u"line"_qs);
    EXPECT_EQ(start, second + 7);

    text->setSelection(0, second, second + 6);
    EXPECT_EQ(shown.box.selectedText(), u"second"_qs);
    EXPECT_EQ(text->selectionCount(), 1);
    text->removeSelection(0);
    EXPECT_FALSE(shown.box.hasSelection());
}
