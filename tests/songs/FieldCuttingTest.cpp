// Cutting lines at CR LF and fields at "||", on decoded characters.
#include "songs/SearchFileParser.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList fieldsOf(const QString &line, int cap = 64)
{
    std::vector<QStringView> fields(static_cast<size_t>(cap));
    const int count = songs::cutFields(line, fields);
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << fields[size_t(i)].toString();
    return result;
}

QStringList linesOf(const QString &text)
{
    QStringList lines;
    songs::forEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

struct FieldCase {
    const char *name;
    QString line;
    QStringList fields;
};
void PrintTo(const FieldCase &c, std::ostream *out)
{
    *out << c.name;
}

class FieldCutting : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldCutting, CutsAtDoubleBarsLeftToRight)
{
    EXPECT_EQ(fieldsOf(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, FieldCutting,
    ::testing::Values(
        FieldCase{"empty", QString(), {QString()}},
        FieldCase{"no_separator", QStringLiteral("abc"), {QStringLiteral("abc")}},
        FieldCase{"single_bar_is_text", QStringLiteral("a|b||c"), {QStringLiteral("a|b"), QStringLiteral("c")}},
        FieldCase{"three_bars", QStringLiteral("x|||y"), {QStringLiteral("x"), QStringLiteral("|y")}},
        FieldCase{"four_bars", QStringLiteral("x||||y"), {QStringLiteral("x"), QString(), QStringLiteral("y")}},
        FieldCase{"only_separator", QStringLiteral("||"), {QString(), QString()}},
        FieldCase{"trailing_separator", QStringLiteral("a||b||"), {QStringLiteral("a"), QStringLiteral("b"), QString()}},
        FieldCase{"trailing_single_bar", QStringLiteral("a||b|"), {QStringLiteral("a"), QStringLiteral("b|")}},
        FieldCase{"gbk_bar_second_byte", QStringLiteral("東||億|質||x"),
                  {QStringLiteral("東"), QStringLiteral("億|質"), QStringLiteral("x")}},
        FieldCase{"blanks_kept", QStringLiteral(" 1 || 2 "), {QStringLiteral(" 1 "), QStringLiteral(" 2 ")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FieldCuttingCap, StopsAfterTheFieldsItNeedsWithEachFieldExact)
{
    EXPECT_EQ(fieldsOf(QStringLiteral("a||b||c||d"), 2), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QString many;
    for (int i = 0; i < 100000; ++i)
        many += QStringLiteral("f||");
    EXPECT_EQ(fieldsOf(many, 28).size(), 28);
}

TEST(LineCutting, CutsAtCrLfOnly)
{
    EXPECT_EQ(linesOf(QString()), QStringList());
    EXPECT_EQ(linesOf(QStringLiteral("a\r\nb")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(linesOf(QStringLiteral("a\r\n")), QStringList{QStringLiteral("a")}) << "a final CR LF adds no line";
    EXPECT_EQ(linesOf(QStringLiteral("\r\n")), QStringList{QString()});
    EXPECT_EQ(linesOf(QStringLiteral("a\r\n\r\nb")), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(linesOf(QStringLiteral("a\nb\rc")), QStringList{QStringLiteral("a\nb\rc")}) << "lone CR or LF stays";
    EXPECT_EQ(linesOf(QStringLiteral("a\r\r\nb\r")), (QStringList{QStringLiteral("a\r"), QStringLiteral("b\r")}));
}

} // namespace
