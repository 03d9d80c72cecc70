// Pinyin order.
#include "keywords/PinyinOrder.h"

#include <algorithm>
#include <numeric>

namespace keywords {

QCollator pinyinCollator()
{
    QCollator collator{QLocale(QLocale::Chinese, QLocale::China)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void sortByPinyin(std::vector<KeywordRow> &rows)
{
    const QCollator collator = pinyinCollator();
    // A key per name, made once: comparing keys is a byte compare, far cheaper than collating twice
    // per comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const KeywordRow &row : rows)
        keys.push_back(collator.sortKey(row.name));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<KeywordRow> sorted;
    sorted.reserve(rows.size());
    for (const size_t at : order)
        sorted.push_back(std::move(rows[at]));
    rows = std::move(sorted);
}

} // namespace keywords
