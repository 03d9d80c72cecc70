// Cases whose expected keyword order is the pinyin order need a system collation that has it: ICU on
// Linux and Windows' own do; Wine's, under which the Windows build's tests run, orders Chinese names
// by code point. Without it they are skipped, saying why.
#pragma once

#include "text/PinyinOrder.h"

#include <gtest/gtest.h>

namespace testing_support {

// 爱 (ai) before 白 (bai) before 東 (dong), whose code points run the other way.
inline bool systemHasPinyinOrder()
{
    const QCollator collator = text::pinyinCollator();
    return collator.compare(QStringLiteral("爱"), QStringLiteral("白")) < 0
           && collator.compare(QStringLiteral("白"), QStringLiteral("東")) < 0;
}

} // namespace testing_support

#define REQUIRE_PINYIN_ORDER()                                                                                         \
    if (!testing_support::systemHasPinyinOrder())                                                                      \
    GTEST_SKIP() << "this system's zh_CN collation has no pinyin order (Wine's orders by code point), and this case "  \
                    "expects the keyword list in that order"
