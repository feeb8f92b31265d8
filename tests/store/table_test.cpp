#include "core/error.h"
#include "core/groups.h"
#include "store/foodlookup.h"
#include "store/tables.h"
#include "support/testdata.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace torval;
using namespace torval::store;

namespace {

class TableTest : public ::testing::Test
{
protected:
    test::TempProgramDir dir;
    Tables tables{dir.dataDir()};
    void SetUp() override { tables.openAll(); }

    QStringList walk(Table &t, const QString &field)
    {
        QStringList out;
        for (bool ok = t.first(); ok; ok = t.next())
            out << t.asString(field);
        return out;
    }
    void addUser(const QString &name, const QString &first)
    {
        tables.UserTable.append();
        tables.UserTable.setString(QStringLiteral("Name"), name);
        tables.UserTable.setString(QStringLiteral("Vorname"), first);
        tables.UserTable.post();
    }
};

} // namespace

TEST_F(TableTest, OpensOnTheFirstRecordInRecordOrder)
{
    EXPECT_EQ(tables.NMTable.asInteger(QStringLiteral("NM_Nr")), 1);
    EXPECT_EQ(tables.NMTable.asString(QStringLiteral("Nahrungsmittel")), QStringLiteral("Apfel, roh"));
    EXPECT_EQ(tables.NMTable.recordCount(), 16);
    EXPECT_TRUE(tables.PrintTable.isEmpty());
}

TEST_F(TableTest, SameNameInTwoCategoriesFindsTheFirstInRecordOrder)
{
    Table &nm = tables.NMTable;
    nm.last();
    ASSERT_TRUE(locateFood(nm, QStringLiteral("APFEL, ROH")));
    EXPECT_EQ(nm.asString(QStringLiteral("Kategorie")), QStringLiteral("Obst"));
    EXPECT_EQ(nm.asInteger(QStringLiteral("NM_Nr")), 1);
}

TEST_F(TableTest, LocateOptionsAreIndependentAndMoveOnlyWhenFound)
{
    Table &nm = tables.NMTable;
    const QString name = QStringLiteral("Nahrungsmittel");
    struct Case
    {
        const char16_t *key;
        bool ci, partial, found;
        const char16_t *expected;
    };
    const Case cases[] = {
        {u"Öl, pflanzlich", false, false, true, u"Öl, pflanzlich"},
        {u"öl, PFLANZLICH", false, false, false, nullptr},
        {u"öl, PFLANZLICH", true, false, true, u"Öl, pflanzlich"},
        {u"Öl, pfl", false, false, false, nullptr},
        {u"Öl, pfl", false, true, true, u"Öl, pflanzlich"},
        {u"öL, PFL", true, true, true, u"Öl, pflanzlich"},
        {u"öl, pfl", false, true, false, nullptr},
        {u"Apfel", false, true, true, u"Apfel, roh"},
        {u"apfelm", true, true, true, u"APFELMUS"},
        {u"Birne", true, true, false, nullptr},
    };
    for (const Case &c : cases) {
        nm.first();
        nm.next(); // stand on "Bratapfel"
        const bool found = nm.locate(name, QString::fromUtf16(c.key), {c.ci, c.partial});
        EXPECT_EQ(found, c.found) << QString::fromUtf16(c.key).toStdString();
        const QString expected = c.expected ? QString::fromUtf16(c.expected) : QStringLiteral("Bratapfel");
        EXPECT_EQ(nm.asString(name), expected) << QString::fromUtf16(c.key).toStdString();
    }
}

TEST_F(TableTest, FieldNamesIgnoreCase)
{
    Table &nm = tables.NMTable;
    locateFood(nm, QStringLiteral("Olivenöl"));
    EXPECT_EQ(nm.asFloat(QStringLiteral("Unges_FettS")), 86000);
    EXPECT_EQ(nm.asFloat(QStringLiteral("Unges_Fetts")), 86000);
    EXPECT_EQ(nm.asInteger(QStringLiteral("NM_NR")), nm.asInteger(QStringLiteral("NM_Nr")));
    EXPECT_THROW(nm.asFloat(QStringLiteral("Unbekannt")), Error);
}

TEST_F(TableTest, CategoryFilterWalksOneCategoryThenOffReturnsToFirstRecord)
{
    Table &nm = tables.NMTable;
    nm.setFilter(QStringLiteral("Kategorie='Käse'"));
    nm.setFiltered(true);
    EXPECT_EQ(walk(nm, QStringLiteral("Nahrungsmittel")),
              (QStringList{QStringLiteral("Bergkäse"), QStringLiteral("Bergkäse")}));
    EXPECT_EQ(distinctNames(nm, QStringLiteral("Nahrungsmittel")), QStringList{QStringLiteral("Bergkäse")});
    nm.setFilter(QString());
    nm.setFiltered(false);
    EXPECT_EQ(nm.asInteger(QStringLiteral("NM_Nr")), 1);
    EXPECT_THROW(nm.setFilter(QStringLiteral("Kategorie=Obst")), Error);
}

TEST_F(TableTest, FilterValueWithQuoteFindsWhatItNames)
{
    Table &nm = tables.NMTable;
    nm.append();
    nm.setString(QStringLiteral("Kategorie"), QStringLiteral("Omas 'Beste'"));
    nm.setString(QStringLiteral("Nahrungsmittel"), QStringLiteral("Kuchen"));
    nm.post();
    nm.setFilter(QStringLiteral("Kategorie='Omas ''Beste'''"));
    nm.setFiltered(true);
    EXPECT_EQ(walk(nm, QStringLiteral("Nahrungsmittel")), QStringList{QStringLiteral("Kuchen")});
}

TEST_F(TableTest, NextAtTheEndSetsEofAndKeepsTheRecord)
{
    Table &nm = tables.NMTable;
    nm.last();
    const QString lastName = nm.asString(QStringLiteral("Nahrungsmittel"));
    EXPECT_FALSE(nm.next());
    EXPECT_TRUE(nm.eof());
    EXPECT_EQ(nm.asString(QStringLiteral("Nahrungsmittel")), lastName);
    nm.first();
    EXPECT_FALSE(nm.prior());
    EXPECT_TRUE(nm.bof());
}

TEST_F(TableTest, DetailLinesComeBackInFoodNumberOrder)
{
    Table &a = tables.AnalyseTable;
    Table &l = tables.Analyse_LinkTable;
    a.append();
    a.setString(QStringLiteral("Bezeichnung"), QStringLiteral("Montag"));
    a.setDate(QStringLiteral("Datum"), QDate(2004, 2, 3));
    a.post();
    const int number = a.asInteger(QStringLiteral("Rezept_Nr"));
    for (const auto &[food, amount] : {std::pair{12, "150"}, std::pair{3, "75,5"}}) {
        l.append();
        l.setInteger(QStringLiteral("NM_Nr"), food);
        l.setString(QStringLiteral("Menge"), QString::fromLatin1(amount));
        l.post();
    }
    EXPECT_EQ(walk(l, QStringLiteral("NM_Nr")), (QStringList{QStringLiteral("3"), QStringLiteral("12")}));
    EXPECT_EQ(walk(l, QStringLiteral("Rezept_Nr")), (QStringList{QString::number(number), QString::number(number)}));
    EXPECT_EQ(walk(l, QStringLiteral("Menge")), (QStringList{QStringLiteral("75,5"), QStringLiteral("150")}));

    // Another master shows none of these lines.
    a.append();
    a.setString(QStringLiteral("Bezeichnung"), QStringLiteral("Dienstag"));
    a.post();
    EXPECT_TRUE(l.isEmpty());
    a.first();
    EXPECT_EQ(l.recordCount(), 2);
}

TEST_F(TableTest, NamedIndexesOrderTheHeaders)
{
    Table &a = tables.AnalyseTable;
    for (const auto &[title, date] : {std::pair{"b-Tag", QDate(2004, 1, 3)}, std::pair{"A-Tag", QDate(2004, 1, 5)},
                                      std::pair{"c-Tag", QDate(2004, 1, 1)}}) {
        a.append();
        a.setString(QStringLiteral("Bezeichnung"), QString::fromLatin1(title));
        a.setDate(QStringLiteral("Datum"), date);
        a.post();
    }
    a.setIndexName(QStringLiteral("BEZEICHNG_IDX"));
    EXPECT_EQ(walk(a, QStringLiteral("Bezeichnung")),
              (QStringList{QStringLiteral("A-Tag"), QStringLiteral("b-Tag"), QStringLiteral("c-Tag")}));
    a.setIndexName(QStringLiteral("DATUM_IDX"));
    EXPECT_EQ(walk(a, QStringLiteral("Datum")),
              (QStringList{QStringLiteral("01.01.2004"), QStringLiteral("03.01.2004"), QStringLiteral("05.01.2004")}));
    EXPECT_THROW(a.setIndexName(QStringLiteral("KEIN_IDX")), Error);
}

TEST_F(TableTest, AutoincrementNumbersAreNeverReused)
{
    Table &a = tables.AnalyseTable;
    a.append();
    a.setString(QStringLiteral("Bezeichnung"), QStringLiteral("eins"));
    a.post();
    const int first = a.asInteger(QStringLiteral("Rezept_Nr"));
    a.remove();
    a.append();
    a.setString(QStringLiteral("Bezeichnung"), QStringLiteral("zwei"));
    a.post();
    EXPECT_GT(a.asInteger(QStringLiteral("Rezept_Nr")), first);
}

TEST_F(TableTest, TextsLongerThanTheFieldAreCut)
{
    Table &u = tables.UserTable;
    u.append();
    u.setString(QStringLiteral("Name"), QString(50, u'x'));
    u.setString(QStringLiteral("PLZ"), QStringLiteral("1234567"));
    u.post();
    EXPECT_EQ(u.asString(QStringLiteral("Name")).size(), 40);
    EXPECT_EQ(u.asString(QStringLiteral("PLZ")), QStringLiteral("12345"));
}

TEST_F(TableTest, EveryGroupNameSurvivesTheUserRecord)
{
    Table &u = tables.UserTable;
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    for (const QString &g : groupNames()) {
        u.edit();
        u.setString(QStringLiteral("BedarfGruppe"), g);
        u.post();
        u.first();
        EXPECT_TRUE(u.locate(QStringLiteral("Bedarfgruppe"), g)) << g.toStdString();
        EXPECT_EQ(u.asString(QStringLiteral("BedarfGruppe")), g);
    }
}

TEST_F(TableTest, DuplicateUserFailsAndStaysInEditing)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    addUser(QStringLiteral("Meier"), QStringLiteral("Bernd"));
    Table &u = tables.UserTable;
    u.edit();
    u.setString(QStringLiteral("Vorname"), QStringLiteral("Anna"));
    EXPECT_THROW(u.post(), Error);
    EXPECT_EQ(u.state(), Table::State::Edit);
    EXPECT_EQ(u.asString(QStringLiteral("Vorname")), QStringLiteral("Anna"));
    u.cancel();
    EXPECT_EQ(u.asString(QStringLiteral("Vorname")), QStringLiteral("Bernd"));
    EXPECT_EQ(u.recordCount(), 2);
}

TEST_F(TableTest, AnUntouchedNewRecordIsDroppedWhenMovingAway)
{
    Table &u = tables.UserTable;
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    u.append();
    u.first(); // nothing was written into the new record
    EXPECT_EQ(u.recordCount(), 1);
    u.append();
    u.setString(QStringLiteral("Name"), QStringLiteral("Schulz"));
    u.first(); // this one is stored on the way
    EXPECT_EQ(u.recordCount(), 2);
}

TEST_F(TableTest, EmptyNamesCountAsOneKey)
{
    Table &u = tables.UserTable;
    u.append();
    u.setString(QStringLiteral("Name"), QString());
    u.post();
    u.append();
    u.setString(QStringLiteral("Vorname"), QString());
    EXPECT_THROW(u.post(), Error); // a second user without name and first name
    u.cancel();
    EXPECT_EQ(u.recordCount(), 1);
}

TEST_F(TableTest, DeleteMovesToTheFollowingRecord)
{
    Table &nm = tables.NMTable;
    nm.first();
    nm.remove();
    EXPECT_EQ(nm.asInteger(QStringLiteral("NM_Nr")), 2);
    nm.last();
    nm.remove();
    EXPECT_EQ(nm.asInteger(QStringLiteral("NM_Nr")), 15);
    EXPECT_EQ(nm.recordCount(), 14);
}

TEST_F(TableTest, PostingAnUnchangedRecordWritesNothing)
{
    addUser(QStringLiteral("Meier"), QStringLiteral("Anna"));
    Table &u = tables.UserTable;
    const int before = sqlite3_total_changes(tables.db().handle());
    u.edit();
    u.setString(QStringLiteral("Name"), QStringLiteral("Meier"));
    u.post();
    EXPECT_EQ(sqlite3_total_changes(tables.db().handle()), before);
    EXPECT_EQ(u.state(), Table::State::Browse);
    u.edit();
    u.setString(QStringLiteral("Name"), QStringLiteral("Maier"));
    u.post();
    EXPECT_EQ(sqlite3_total_changes(tables.db().handle()), before + 1);
    EXPECT_EQ(u.asString(QStringLiteral("Name")), QStringLiteral("Maier"));
}

TEST_F(TableTest, TypedFieldsReadAndWrite)
{
    Table &u = tables.UserTable;
    u.append();
    u.setString(QStringLiteral("Name"), QStringLiteral("Muster"));
    u.setString(QStringLiteral("Gewicht"), QStringLiteral("75"));
    u.setBoolean(QStringLiteral("SumkcalCheckBox"), true);
    u.setFloat(QStringLiteral("SportkCal"), 123.4567);
    u.post();
    EXPECT_EQ(u.asInteger(QStringLiteral("Gewicht")), 75);
    EXPECT_TRUE(u.asBoolean(QStringLiteral("SumkcalCheckBox")));
    EXPECT_EQ(u.asString(QStringLiteral("SumkcalCheckBox")), QStringLiteral("True"));
    EXPECT_EQ(u.asString(QStringLiteral("SportkCal")), QStringLiteral("123,4567"));
    EXPECT_EQ(u.asString(QStringLiteral("Strasse")), QString());
    u.edit();
    EXPECT_THROW(u.setString(QStringLiteral("Gewicht"), QStringLiteral("7 5")), Error);
    u.cancel();
    EXPECT_THROW(u.setString(QStringLiteral("Name"), QStringLiteral("x")), Error); // not editing
}

TEST_F(TableTest, FoodSearchComparesLetterCaseExactly)
{
    EXPECT_EQ(searchFoodNames(tables.Query1, QStringLiteral("apfel")),
              (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("Bratapfel"), QStringLiteral("Apfelsaft"),
                           QStringLiteral("Apfel, roh"), QStringLiteral("Apfelsine")}));
    EXPECT_EQ(searchFoodNames(tables.Query1, QStringLiteral("öl")), QStringList{QStringLiteral("Olivenöl")});
    EXPECT_EQ(searchFoodNames(tables.Query1, QStringLiteral("Ei")),
              (QStringList{QStringLiteral("Eigelb"), QStringLiteral("Reis"), QStringLiteral("Weintraube")}));
    EXPECT_EQ(searchFoodNames(tables.Query1, QStringLiteral("o'brien")), QStringList());
    EXPECT_EQ(tables.Query1.recordCount(), 0);
}

TEST_F(TableTest, LikeKeepsItsWildcardsAndComparesCaseExactly)
{
    Query &q = tables.Query1;
    auto names = [&](const QString &pattern) {
        q.setSql(QStringLiteral("Select Nahrungsmittel from \"Nahrung.adt\" where Nahrungsmittel like '") + pattern
                 + QStringLiteral("' order by NM_Nr"));
        q.open();
        QStringList out;
        for (bool ok = q.hasRecord(); ok; ok = q.next())
            out << q.asString(QStringLiteral("Nahrungsmittel"));
        return out;
    };
    EXPECT_EQ(names(QStringLiteral("%pfel,%")),
              (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("Apfel, roh")}));
    EXPECT_EQ(names(QStringLiteral("Ap_el,%")),
              (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("Apfel, roh")}));
    EXPECT_EQ(names(QStringLiteral("%n_l")), QStringList{QStringLiteral("Olivenöl")}); // _ is one character, ö too
    EXPECT_EQ(names(QStringLiteral("Reis")), QStringList{QStringLiteral("Reis")});
    EXPECT_EQ(names(QStringLiteral("reis")), QStringList());
    EXPECT_EQ(names(QStringLiteral("%ÖL%")), QStringList());
    EXPECT_EQ(names(QStringLiteral("Öl%")), QStringList{QStringLiteral("Öl, pflanzlich")});
}

TEST_F(TableTest, QueryWalksAndCountsLikeATable)
{
    Query &q = tables.Query1;
    q.setSql(QStringLiteral("Select * from \"Nahrung.adt\" order by Vitamin_C DESC"));
    q.open();
    EXPECT_EQ(q.asString(QStringLiteral("Nahrungsmittel")), QStringLiteral("Apfelsine"));
    EXPECT_EQ(q.asString(QStringLiteral("Vitamin_C")), QStringLiteral("50000"));
    EXPECT_EQ(q.recordCount(), 16);
    EXPECT_TRUE(q.locate(QStringLiteral("Nahrungsmittel"), QStringLiteral("Reis")));
    EXPECT_EQ(q.asString(QStringLiteral("Kategorie")), QStringLiteral("Getreide und Teigwaren"));
    EXPECT_FALSE(q.locate(QStringLiteral("Nahrungsmittel"), QStringLiteral("Birne")));
    EXPECT_EQ(q.asString(QStringLiteral("Nahrungsmittel")), QStringLiteral("Reis"));
    EXPECT_EQ(categoryNames(q).size(), 9);
}

TEST_F(TableTest, QueryKeepsTheLastRowReadableAtTheEnd)
{
    Query &q = tables.Query1;
    q.setSql(QStringLiteral("Select * from \"Nahrung.adt\" where Kategorie = 'Käse' order by NM_Nr"));
    q.open();
    EXPECT_EQ(q.asString(QStringLiteral("NM_Nr")), QStringLiteral("14"));
    EXPECT_TRUE(q.next());
    EXPECT_FALSE(q.next());
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.asString(QStringLiteral("NM_Nr")), QStringLiteral("15"));
    EXPECT_EQ(q.asString(QStringLiteral("Energie")), QStringLiteral("390"));
    EXPECT_EQ(q.recNo(), 2);
}
