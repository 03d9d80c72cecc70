// Table music of the keyword library: its name and columns, every statement the program runs on it,
// and the rule for a keyword's number. Venues read the file with their own tools (sqlite3), and the
// table's CREATE text is stored in the file as written here, so these texts are the file's format.
#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace keywords {

class KeywordSchema {
public:
    static QString table() { return QStringLiteral("music"); }
    static QString idColumn() { return QStringLiteral("编号"); }
    static QString nameColumn() { return QStringLiteral("歌曲名"); }
    static QString remarkColumn() { return QStringLiteral("备注"); }

    // The user's texts go to the '?' placeholders as bound values, never into the statement text.

    // The table of a new library. 歌曲名 compares without regard to the case of A to Z, as the
    // duplicate check and the load order expect.
    static QString createTable();
    // Every row, in the keyword list's order: by 歌曲名.
    static QString selectAllByName();
    // The rows whose 歌曲名 is the one bound value (the duplicate check).
    static QString selectByName();
    // A new keyword: 歌曲名 and 备注 bound, 编号 given by the database.
    static QString insertKeyword();
    // A whole row, 编号 included, for a new library; a null 编号 is numbered by the database.
    static QString insertRow();
    // The row whose 编号 is the one bound value.
    static QString deleteById();

    // A keyword's number (编号) as the program keeps it: a whole number as it is, any other number
    // cut toward zero; anything else, or a number beyond 64 bits, is none.
    static std::optional<qint64> keywordNumber(const QVariant &value);
    // The same rule for a driver that gives every value as text.
    static std::optional<qint64> keywordNumberInText(const QString &text);
};

} // namespace keywords
