// The order a Chinese reader looks names up in: Chinese characters by their pinyin, Latin letters
// alphabetically whatever their case, digits before letters (the zh_CN collation of the system: ICU
// on Linux, Windows' own on Windows). The keyword library keeps its own order; only lists show this.
#pragma once

#include <QCollator>
#include <QString>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

namespace text {

QCollator pinyinCollator();

// Sorts the rows by the name nameOf gives, in pinyin order; names the collation holds equal keep
// their order.
template <typename Row, typename NameOf>
void sortByPinyin(std::vector<Row> &rows, NameOf nameOf)
{
    const QCollator collator = pinyinCollator();
    // A key per name, made once: comparing keys is a byte compare, far cheaper than collating twice
    // per comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const Row &row : rows)
        keys.push_back(collator.sortKey(std::invoke(nameOf, row)));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&keys](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const size_t at : order)
        sorted.push_back(std::move(rows[at]));
    rows = std::move(sorted);
}

} // namespace text
