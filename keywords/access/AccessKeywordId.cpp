// The 编号 of an Access keyword row, the same whichever reader read it.
#include "keywords/access/AccessReader.h"

#include <cmath>

namespace keywords {

QVariant accessKeywordId(const QString &text)
{
    bool ok = false;
    const qlonglong id = text.toLongLong(&ok);
    if (ok)
        return id;
    const double number = text.toDouble(&ok);
    if (ok && std::isfinite(number) && std::abs(number) < 9.0e18)
        return qlonglong(std::trunc(number));
    return {};
}

} // namespace keywords
