// The order a Chinese reader looks names up in: Chinese characters by their pinyin, Latin letters
// alphabetically whatever their case, digits before letters (the zh_CN collation of the system: ICU
// on Linux, Windows' own on Windows). The keyword library keeps its own order; only lists show this.
#pragma once

#include "keywords/KeywordListModel.h"

#include <QCollator>

#include <vector>

namespace keywords {

QCollator pinyinCollator();

// Sorts the rows by name in pinyin order; names the collation holds equal keep their order.
void sortByPinyin(std::vector<KeywordRow> &rows);

} // namespace keywords
