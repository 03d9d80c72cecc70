// The SQL texts of the keyword library.
#include "keywords/KeywordSql.h"

namespace keywords::sql {

QString quoted(const QString &text)
{
    QString doubled = text;
    doubled.replace(u'\'', QStringLiteral("''"));
    return doubled;
}

QString duplicateCheck(const QString &keyword)
{
    return QStringLiteral("select * from music where 歌曲名='") + quoted(keyword) + u'\'';
}

QString insertKeyword(const QString &keyword, const QString &remark)
{
    return QStringLiteral("Insert into music (歌曲名,备注) values ('") + quoted(keyword) + QStringLiteral("','")
           + quoted(remark) + QStringLiteral("' )");
}

QString deleteKeyword(qint64 id)
{
    return QStringLiteral("delete from music where 编号=") + QString::number(id);
}

} // namespace keywords::sql
