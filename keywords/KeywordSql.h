// The SQL texts the keyword library runs on table music.
#pragma once

#include <QString>

namespace keywords::sql {

// The load query, with its two double blanks.
inline constexpr char16_t loadKeywords[] = u"select * from music  ORDER  BY 歌曲名";

// A single quote inside a text is written twice, so that it stays part of the text.
QString quoted(const QString &text);

QString duplicateCheck(const QString &keyword);
QString insertKeyword(const QString &keyword, const QString &remark);
QString deleteKeyword(qint64 id);

} // namespace keywords::sql
