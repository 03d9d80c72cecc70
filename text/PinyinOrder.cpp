// Pinyin order.
#include "text/PinyinOrder.h"

namespace text {

QCollator pinyinCollator()
{
    QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace text
