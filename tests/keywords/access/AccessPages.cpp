#include "tests/keywords/access/AccessPages.h"

#include "tests/support/LibraryFile.h"

namespace testing_access {

void putU16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8);
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i));
}

QByteArray ucs2(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

quint32 pointer(quint32 page, quint8 row)
{
    return page << 8 | row;
}

QByteArray rowOf(quint16 columnCount, const QByteArray &fixed, const QList<QByteArray> &variable, quint32 presentMask)
{
    QByteArray row(2, '\0');
    putU16(row, 0, columnCount);
    row += fixed;
    QList<quint16> offsets;
    for (const QByteArray &value : variable) {
        offsets.append(quint16(row.size()));
        row += value;
    }
    QByteArray tail(2 + variable.size() * 2 + 2, '\0');
    putU16(tail, 0, quint16(row.size())); // the end of the data
    for (qsizetype i = 0; i < offsets.size(); ++i)
        putU16(tail, 2 + (offsets.size() - 1 - i) * 2, offsets[i]);
    putU16(tail, tail.size() - 2, quint16(variable.size()));
    row += tail;
    for (int byte = 0; byte < (columnCount + 7) / 8; ++byte)
        row += char(presentMask >> (8 * byte));
    return row;
}

QByteArray dataPage(quint32 owner, const QList<QByteArray> &rows, const QList<quint16> &flags)
{
    QByteArray page(kPage, '\0');
    page[0] = 0x01;
    putU32(page, 4, owner);
    putU16(page, 0x0c, quint16(rows.size()));
    qsizetype end = kPage;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const qsizetype start = end - rows[i].size();
        if (start < 0x0e + 2 * rows.size())
            qFatal("the rows do not fit in one page");
        page.replace(start, rows[i].size(), rows[i]);
        putU16(page, 0x0e + i * 2, quint16(start | (i < flags.size() ? flags[i] : 0)));
        end = start;
    }
    return page;
}

QByteArray tableDefPage(quint32 rowCount, quint32 usageMap, const QList<ColumnSpec> &columns)
{
    QByteArray page(kPage, '\0');
    page[0] = 0x02;
    putU32(page, 0x10, rowCount);
    putU16(page, 0x2d, quint16(columns.size()));
    putU32(page, 0x33, 0);
    putU32(page, 0x37, usageMap);
    qsizetype at = 0x3f;
    for (const ColumnSpec &column : columns) {
        page[at] = char(column.type);
        putU16(page, at + 5, column.number);
        putU16(page, at + 7, column.varIndex);
        page[at + 15] = column.fixed ? 0x01 : 0x02;
        putU16(page, at + 21, column.fixedOffset);
        putU16(page, at + 23, column.length);
        at += 25;
    }
    for (const ColumnSpec &column : columns) {
        const QByteArray name = ucs2(column.name);
        putU16(page, at, quint16(name.size()));
        page.replace(at + 2, name.size(), name);
        at += 2 + name.size();
    }
    return page;
}

QByteArray inlineMap(const QList<quint32> &pages)
{
    QByteArray row(5, '\0');
    quint32 first = pages.isEmpty() ? 0 : pages.first();
    quint32 last = 0;
    for (quint32 page : pages) {
        first = qMin(first, page);
        last = qMax(last, page);
    }
    first -= first % 8;
    putU32(row, 1, first);
    row += QByteArray((last - first) / 8 + 1, '\0');
    for (quint32 page : pages)
        row[5 + (page - first) / 8] = char(row[5 + (page - first) / 8] | 1 << ((page - first) % 8));
    return row;
}

QByteArray memoReference(quint32 length, quint32 first)
{
    QByteArray reference(12, '\0');
    putU32(reference, 0, length);
    putU32(reference, 4, first);
    return reference;
}

namespace {

// Builds pages one after another: page 0 the fixture's header, 1 the maps, 2 the catalog.
struct Builder {
    QList<QByteArray> pages;
    quint32 next() const { return quint32(pages.size()); }
    quint32 add(const QByteArray &page)
    {
        pages.append(page);
        return quint32(pages.size() - 1);
    }
};

// Lays a value out as a chain of long-value rows over pages of their own; returns the first row.
quint32 addChain(Builder &builder, const QByteArray &value)
{
    constexpr qsizetype kPiece = kPage - 0x0e - 2 - 4 - 8;
    const qsizetype pieces = qMax<qsizetype>(1, (value.size() + kPiece - 1) / kPiece);
    const quint32 first = builder.next();
    for (qsizetype i = 0; i < pieces; ++i) {
        QByteArray row(4, '\0');
        if (i + 1 < pieces)
            putU32(row, 0, pointer(first + quint32(i) + 1, 0));
        row += value.mid(i * kPiece, kPiece);
        builder.add(dataPage(0x4c41564c, {row}));
    }
    return pointer(first, 0);
}

} // namespace

QByteArray keywordLibrary(const QList<Keyword> &rows, const LibraryShape &shape)
{
    Builder builder;
    const QByteArray six = testing_support::fileBytes(testing_support::accessFixture(u"access-six-keywords.mdb"_qs));
    builder.add(six.left(kPage));
    builder.add({}); // the usage maps, filled in last
    builder.add({}); // the catalog
    const quint32 musicDef = builder.add({});
    const quint32 catalogData = builder.add({});

    // The table's data pages first, side by side, and the long values after them.
    QList<quint32> dataPages;
    for (qsizetype i = 0; i < (rows.size() + shape.rowsPerPage - 1) / shape.rowsPerPage; ++i)
        dataPages.append(builder.add({}));
    quint32 sharedMemo = 0;
    if (!shape.sharedMemo.isEmpty())
        sharedMemo = addChain(builder, shape.sharedMemo);
    const bool memo = shape.memoRemarks || sharedMemo != 0;

    QList<QByteArray> pageRows;
    qsizetype filled = 0;
    const auto flush = [&] {
        if (!pageRows.isEmpty())
            builder.pages[dataPages[filled++]] = dataPage(musicDef, pageRows);
        pageRows.clear();
    };
    for (const Keyword &keyword : rows) {
        QByteArray fixed(4, '\0');
        putU32(fixed, 0, quint32(keyword.id.toLongLong()));
        QByteArray remark = ucs2(keyword.remark);
        if (sharedMemo != 0)
            remark = memoReference(quint32(shape.sharedMemo.size()), sharedMemo);
        else if (memo)
            remark = memoReference(quint32(remark.size()), addChain(builder, remark));
        const quint32 present = (keyword.id.isNull() ? 0 : 1) | 2 | 4;
        pageRows.append(rowOf(3, fixed, {ucs2(keyword.name), remark}, present));
        if (pageRows.size() >= shape.rowsPerPage)
            flush();
    }
    flush();
    if (shape.holeInMap)
        dataPages.append(builder.add(QByteArray(kPage, '\0')));

    const QList<ColumnSpec> music = {
        {0x04, u"编号"_qs, 0, 0, 0, 4, true},
        {0x0a, u"歌曲名"_qs, 1, 0, 0, shape.nameLength, false},
        {quint8(memo ? 0x0c : 0x0a), u"备注"_qs, 2, 1, 0, 510, false},
    };
    const QList<ColumnSpec> catalog = {
        {0x04, u"Id"_qs, 0, 0, 0, 4, true},
        {0x03, u"Type"_qs, 1, 0, 4, 2, true},
        {0x04, u"Flags"_qs, 2, 0, 6, 4, true},
        {0x0a, u"Name"_qs, 3, 0, 0, 510, false},
    };
    QByteArray catalogFixed(10, '\0');
    putU32(catalogFixed, 0, musicDef);
    putU16(catalogFixed, 4, 1);
    builder.pages[catalogData] = dataPage(2, {rowOf(4, catalogFixed, {ucs2(u"music"_qs)}, 0xf)});
    builder.pages[1] = dataPage(1, {inlineMap({catalogData}), inlineMap(dataPages)});
    builder.pages[2] = tableDefPage(1, pointer(1, 0), catalog);
    builder.pages[musicDef] =
        tableDefPage(shape.claimedRows ? shape.claimedRows : quint32(rows.size()), pointer(1, 1), music);
    QByteArray file;
    file.reserve(builder.pages.size() * kPage);
    for (const QByteArray &page : builder.pages)
        file += page;
    return file;
}

QList<Keyword> numberedKeywords(qsizetype count, const QString &remark)
{
    QList<Keyword> rows;
    rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        rows.append({qlonglong(i + 1), QStringLiteral("歌%1").arg(i + 1), remark});
    return rows;
}

} // namespace testing_access
