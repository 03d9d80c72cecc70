// Fuzz target: the Access reader over any bytes. It must end with a status, read nothing past the
// input, and never give more rows than the input could hold.
#include "keywords/AccessConversion.h"

#include <QBuffer>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const keywords::AccessKeywords read = keywords::readAccessLibrary(buffer);

    using Status = keywords::AccessKeywords::Status;
    if (read.status != Status::Read && !read.rows.isEmpty())
        std::abort();
    // Every row takes at least its two-byte entry in a page's row table.
    if (read.rows.size() > qsizetype(size) / 2 || read.unreadableRows < 0)
        std::abort();
    for (const keywords::AccessKeywordRow &row : read.rows) {
        if ((!row.name.isNull() && row.name.typeId() != QMetaType::QString)
            || (!row.remark.isNull() && row.remark.typeId() != QMetaType::QString))
            std::abort();
    }
    return 0;
}
