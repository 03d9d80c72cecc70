// The line index of a verbatim text: where lines start and end, whatever the line breaks.
#include "ui/widgets/TextLines.h"

#include <QStringList>
#include <gtest/gtest.h>

using ui::TextLines;

namespace {

QStringList linesOf(const TextLines &text)
{
    QStringList lines;
    for (qsizetype line = 0; line < text.lineCount(); ++line)
        lines << text.line(line).toString();
    return lines;
}

struct Shape {
    const char *name;
    QString text;
    QStringList lines;
};

} // namespace

TEST(TextLines, CutsEveryShapeOfTextIntoLinesAndKeepsItVerbatim)
{
    const Shape shapes[] = {
        {"empty", u""_qs, {u""_qs}},
        {"no_break", u"12345678"_qs, {u"12345678"_qs}},
        {"crlf_ended", u"a\r\nb\r\n"_qs, {u"a"_qs, u"b"_qs, u""_qs}},
        {"lf_only", u"a\nb"_qs, {u"a"_qs, u"b"_qs}},
        {"empty_lines", u"\r\n\r\n"_qs, {u""_qs, u""_qs, u""_qs}},
        {"lone_cr_stays_in_line", u"a\rb\r\nc"_qs, {u"a\rb"_qs, u"c"_qs}},
        {"cr_at_end_without_lf", u"a\r"_qs, {u"a"_qs}},
        {"chinese", u"歌名为（爱）\r\n编码"_qs, {u"歌名为（爱）"_qs, u"编码"_qs}},
    };
    for (const Shape &shape : shapes) {
        TextLines text;
        text.setText(shape.text);
        EXPECT_EQ(text.text(), shape.text) << shape.name;
        EXPECT_EQ(linesOf(text), shape.lines) << shape.name;

        // Appending the same text in pieces, split anywhere (even between CR and LF), gives the
        // same text and the same lines.
        for (qsizetype cut = 0; cut <= shape.text.size(); ++cut) {
            TextLines pieces;
            pieces.append(QStringView(shape.text).first(cut));
            pieces.append(QStringView(shape.text).sliced(cut));
            EXPECT_EQ(pieces.text(), shape.text) << shape.name << " cut at " << cut;
            EXPECT_EQ(linesOf(pieces), shape.lines) << shape.name << " cut at " << cut;
        }
    }
}

TEST(TextLines, FindsTheLineOfEveryOffset)
{
    TextLines text;
    text.append(u"ab\r\ncd\r\n");
    // a b CR LF | c d CR LF | (empty last line)
    const qsizetype expected[] = {0, 0, 0, 0, 1, 1, 1, 1, 2};
    for (qsizetype offset = 0; offset <= text.size(); ++offset)
        EXPECT_EQ(text.lineAt(offset), expected[offset]) << offset;
    EXPECT_EQ(text.lineStart(1), 4);
    EXPECT_EQ(text.lineEnd(1), 6);
    EXPECT_EQ(text.lineBreakEnd(1), 8);
}
