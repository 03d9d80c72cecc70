// Search-file lines for tests.
#include "tests/support/SearchRecord.h"

#include <array>

namespace testing_support {

QString searchRecord(const QStringList &cells, int fieldCount)
{
    // Written out here rather than taken from the import, so the tests check the import's table.
    constexpr std::array<int, 9> fieldOfColumn = {4, 9, 8, 7, 1, 3, 26, 28, 2};
    QStringList fields;
    for (int field = 1; field <= fieldCount; ++field)
        fields << QStringLiteral("f%1").arg(field);
    for (int column = 0; column < int(fieldOfColumn.size()); ++column) {
        const int field = fieldOfColumn[size_t(column)];
        if (field <= fieldCount)
            fields[field - 1] = cells.value(column);
    }
    return fields.join(QStringLiteral("||"));
}

QString searchFileText(const QList<QStringList> &songs)
{
    QString text;
    for (const QStringList &song : songs)
        text += searchRecord(song) + QStringLiteral("\r\n");
    return text;
}

} // namespace testing_support
