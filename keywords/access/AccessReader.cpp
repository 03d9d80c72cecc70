// The Access reader: libmdb's C interface, used strictly for reading.
#include "keywords/access/AccessReader.h"

#ifdef KORVIA_HAVE_LIBMDB
#include "keywords/KeywordSchema.h"

#include <QFile>
#include <mdbtools.h>

#include <memory>
#include <vector>
#endif

namespace keywords {

#ifndef KORVIA_HAVE_LIBMDB

bool accessReaderAvailable()
{
    return false;
}

AccessKeywords readAccessKeywords(const QString &)
{
    return {AccessKeywords::Status::NotAvailable, {}};
}

#else

namespace {

struct CloseHandle {
    void operator()(MdbHandle *mdb) const { mdb_close(mdb); }
};
struct FreeTable {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};

// Texts come out as UTF-8. Access 97 files carry no code page; ours were written on Chinese
// Windows, so their single-byte texts are GBK unless the environment says otherwise.
void chooseTextEncodings()
{
    qputenv("MDB_ICONV", "UTF-8");
    if (qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP936");
}

// A bound column: libmdb writes the value as text, NUL-terminated, into the buffer.
struct BoundColumn {
    int number = 0; // 1-based column number; 0 when the table lacks the column
    std::vector<char> text;
    int length = 0;
};

constexpr size_t kBindSize = MDB_BIND_SIZE;

int columnNumber(MdbTableDef *table, const char *name)
{
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        if (g_ascii_strcasecmp(column->name, name) == 0)
            return int(i) + 1;
    }
    return 0;
}

QVariant textValue(const BoundColumn &column)
{
    if (column.number == 0 || column.length <= 0)
        return {};
    return QString::fromUtf8(column.text.data(), qstrnlen(column.text.data(), kBindSize));
}

} // namespace

bool accessReaderAvailable()
{
    return true;
}

AccessKeywords readAccessKeywords(const QString &path)
{
    AccessKeywords result;
    chooseTextEncodings();
    const QByteArray nativePath = QFile::encodeName(path);
    std::unique_ptr<MdbHandle, CloseHandle> mdb(mdb_open(nativePath.constData(), MDB_NOFLAGS));
    if (!mdb)
        return result;
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        result.status = AccessKeywords::Status::NoKeywordTable;
        return result;
    }
    QByteArray tableName = KeywordSchema::table().toUtf8();
    std::unique_ptr<MdbTableDef, FreeTable> table(mdb_read_table_by_name(mdb.get(), tableName.data(), MDB_TABLE));
    result.status = AccessKeywords::Status::NoKeywordTable;
    if (!table || !mdb_read_columns(table.get()))
        return result;

    BoundColumn columns[3];
    const QByteArray names[3] = {KeywordSchema::idColumn().toUtf8(), KeywordSchema::nameColumn().toUtf8(),
                                 KeywordSchema::remarkColumn().toUtf8()};
    for (int i = 0; i < 3; ++i) {
        columns[i].number = columnNumber(table.get(), names[i].constData());
        if (columns[i].number == 0)
            continue;
        columns[i].text.assign(kBindSize + 1, '\0');
        mdb_bind_column(table.get(), columns[i].number, columns[i].text.data(), &columns[i].length);
    }
    if (columns[1].number == 0)
        return result;

    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        result.rows.append({accessKeywordId(textValue(columns[0]).toString()), textValue(columns[1]), textValue(columns[2])});
        for (BoundColumn &column : columns)
            column.length = 0;
    }
    result.status = AccessKeywords::Status::Read;
    return result;
}

#endif

} // namespace keywords
