#include "core/search.h"
#include "core/sourcedata.h"

#include <gtest/gtest.h>

using namespace torval;

struct FormsCase
{
    const char16_t *word;
    const char16_t *first;
    const char16_t *second;
};

class SearchForms : public ::testing::TestWithParam<FormsCase>
{};

TEST_P(SearchForms, CapitalFirstAndSmallAll)
{
    const auto [first, second] = searchForms(QString::fromUtf16(GetParam().word));
    EXPECT_EQ(first, QString::fromUtf16(GetParam().first));
    EXPECT_EQ(second, QString::fromUtf16(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchForms,
                         ::testing::Values(FormsCase{u"apfel", u"Apfel", u"apfel"}, FormsCase{u"öl", u"öl", u"öl"},
                                           FormsCase{u"Ei", u"Ei", u"ei"}, FormsCase{u"ÄPFEL", u"ÄPFEL", u"Äpfel"},
                                           FormsCase{u"BIER", u"BIER", u"bier"}, FormsCase{u"ßx", u"ßx", u"ßx"},
                                           FormsCase{u"1a", u"1a", u"1a"}));

TEST(SearchSql, QuotesAreDoubledSoTheStatementStaysWellFormed)
{
    EXPECT_EQ(foodSearchSql(QStringLiteral("o'brien")),
              QStringLiteral("Select * from \"Nahrung.adt\" where \"Nahrung.adt\".\"Nahrungsmittel\" like "
                             "'%O''brien%' or \"Nahrung.adt\".\"Nahrungsmittel\" like '%o''brien%'"));
    EXPECT_EQ(categoryFilter(QStringLiteral("Kaffee 'n' Kuchen")), QStringLiteral("Kategorie='Kaffee ''n'' Kuchen'"));
}

TEST(SourceTable, ParsesQuotedCellsAndKeepsEmptyOnes)
{
    const SourceTable t =
        parseSourceTable(QStringLiteral("A;B;#C\n1;\"x;y\";z\n2;;\"he said \"\"hi\"\"\"\n3;\"two\nlines\";\n"));
    ASSERT_EQ(t.header, (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("#C")}));
    ASSERT_EQ(t.rows.size(), 3);
    EXPECT_EQ(t.rows[0][1], QStringLiteral("x;y"));
    EXPECT_EQ(t.rows[1][1], QString());
    EXPECT_EQ(t.rows[1][2], QStringLiteral("he said \"hi\""));
    EXPECT_EQ(t.rows[2][1], QStringLiteral("two\nlines"));
    EXPECT_EQ(t.column(QStringLiteral("#C")), 2);
    EXPECT_EQ(t.column(QStringLiteral("D")), -1);
}

TEST(SectionText, SplitsSectionsAndTrimsBlankLines)
{
    const auto s = parseSectionText(QStringLiteral("[Wirkung]\n\nEins.\nZwei.\n\n[Check]\nFrage?\n"));
    ASSERT_EQ(s.size(), 2);
    EXPECT_EQ(s[0].first, QStringLiteral("Wirkung"));
    EXPECT_EQ(s[0].second, QStringLiteral("Eins.\nZwei."));
    EXPECT_EQ(s[1].second, QStringLiteral("Frage?"));
}

struct LikeCase
{
    const char *text;
    const char *pattern;
    bool matches;
};

class SqlLike : public ::testing::TestWithParam<LikeCase>
{};

TEST_P(SqlLike, MatchesAsTheFoodSearchExpects)
{
    EXPECT_EQ(sqlLikeMatch(GetParam().text, GetParam().pattern), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlLike,
    ::testing::Values(LikeCase{"Apfelsaft", "%Apfel%", true}, LikeCase{"Bratapfel", "%apfel%", true},
                      LikeCase{"APFELMUS", "%apfel%", false}, LikeCase{"Reis", "%ei%", true},
                      LikeCase{"Olivenöl", "%öl%", true}, LikeCase{"Öl, pflanzlich", "%öl%", false},
                      LikeCase{"", "%", true}, LikeCase{"", "_", false}, LikeCase{"", "", true},
                      LikeCase{"a", "", false}, LikeCase{"Käse", "K_se", true}, LikeCase{"Käse", "K__se", false},
                      LikeCase{"Käse", "%_", true}, LikeCase{"ab", "a%%b", true}, LikeCase{"ab", "a%b%", true},
                      LikeCase{"abcabd", "%abd", true}, LikeCase{"abcab", "%abd", false},
                      LikeCase{"Brot 100%", "%100%", true}, LikeCase{"x§y", "%_%§%", true},
                      LikeCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "_%_%_%_%_%_%_%§", false},
                      LikeCase{"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa§", "_%_%_%_%_%_%_%§", true}));

TEST(SqlLike, PathologicalPatternOverALongNameEnds)
{
    // Exponential backtracking would take longer than any test run; this
    // must finish at once.
    const std::string name(4000, 'a');
    EXPECT_FALSE(sqlLikeMatch(name, "%_%_%_%_%_%_%_%_%_%_%_%_%_%_%_%_%_%_%_%b"));
}
