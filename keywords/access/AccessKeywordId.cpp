// The 编号 of an Access keyword row, the same whichever reader read it.
#include "keywords/access/AccessReader.h"

#include "keywords/KeywordSchema.h"

namespace keywords {

QVariant accessKeywordId(const QString &text)
{
    const std::optional<qint64> number = KeywordSchema::keywordNumberInText(text);
    return number ? QVariant(qlonglong(*number)) : QVariant();
}

} // namespace keywords
