// The statements on table music and the rule for 编号.
#include "keywords/KeywordSchema.h"

#include <cmath>

namespace keywords {

QString KeywordSchema::createTable()
{
    return QStringLiteral("CREATE TABLE %1 (%2 INTEGER PRIMARY KEY AUTOINCREMENT, %3 TEXT COLLATE NOCASE, %4 TEXT)")
        .arg(table(), idColumn(), nameColumn(), remarkColumn());
}

QString KeywordSchema::selectAllByName()
{
    // The two double blanks are the load query's own.
    return QStringLiteral("select * from %1  ORDER  BY %2").arg(table(), nameColumn());
}

QString KeywordSchema::selectByName()
{
    return QStringLiteral("select * from %1 where %2=?").arg(table(), nameColumn());
}

QString KeywordSchema::insertKeyword()
{
    return QStringLiteral("Insert into %1 (%2,%3) values (?,?)").arg(table(), nameColumn(), remarkColumn());
}

QString KeywordSchema::insertRow()
{
    return QStringLiteral("INSERT INTO %1 (%2, %3, %4) VALUES (?, ?, ?)")
        .arg(table(), idColumn(), nameColumn(), remarkColumn());
}

QString KeywordSchema::deleteById()
{
    return QStringLiteral("delete from %1 where %2=?").arg(table(), idColumn());
}

std::optional<qint64> KeywordSchema::keywordNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number) && std::abs(number) < 9.0e18)
            return qint64(std::trunc(number));
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<qint64> KeywordSchema::keywordNumberInText(const QString &text)
{
    bool ok = false;
    const qlonglong whole = text.toLongLong(&ok);
    if (ok)
        return keywordNumber(whole);
    const double number = text.toDouble(&ok);
    return ok ? keywordNumber(number) : std::nullopt;
}

} // namespace keywords
