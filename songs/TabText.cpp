// Tab-separated rows.
#include "songs/TabText.h"

namespace songs {

namespace {
void appendCell(QString &text, QStringView cell)
{
    const bool quoted = cell.startsWith(u'"') || cell.contains(u'\t') || cell.contains(u'\r') || cell.contains(u'\n');
    if (!quoted) {
        text += cell;
        return;
    }
    text += u'"';
    for (const QChar c : cell) {
        if (c == u'"')
            text += u'"';
        text += c;
    }
    text += u'"';
}
} // namespace

QString tabSeparatedRows(int rowCount, int columnCount, const std::function<QStringView(int, int)> &cell)
{
    QString text;
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            if (column > 0)
                text += u'\t';
            appendCell(text, cell(row, column));
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

} // namespace songs
