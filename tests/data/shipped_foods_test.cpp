// Checks the shipped food table data/tables/Nahrung.adt.csv: plausibility of
// every food (no negative values, mass balance, energy against the
// macronutrients), the naming rules the lookups by name rely on, and spot
// checks of everyday foods against the source figures so that a unit slip
// (mg instead of µg and the like) is caught.

#include "core/sourcedata.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

using torval::SourceTable;

namespace {

const QStringList kNutrientColumns = {
    QStringLiteral("Energie"), QStringLiteral("Joule"), QStringLiteral("Wasser"),
    QStringLiteral("Eiweiss"), QStringLiteral("Fett"), QStringLiteral("Kohlenhydrate"),
    QStringLiteral("Unges_Fetts"), QStringLiteral("Cholesterin"), QStringLiteral("Alkohol"),
    QStringLiteral("Harnsaeure"), QStringLiteral("Tier_EW"), QStringLiteral("Pflanzl_EW"),
    QStringLiteral("Ballaststoffe"), QStringLiteral("Natrium"), QStringLiteral("Kalium"),
    QStringLiteral("Magnesium"), QStringLiteral("Calcium"), QStringLiteral("Phosphor"),
    QStringLiteral("Eisen"), QStringLiteral("Zink"), QStringLiteral("Vitamin_A"),
    QStringLiteral("Carotin"), QStringLiteral("Vitamin_E"), QStringLiteral("Folsaeure"),
    QStringLiteral("Vitamin_B1"), QStringLiteral("Vitamin_B2"), QStringLiteral("Vitamin_B6"),
    QStringLiteral("Vitamin_C"), QStringLiteral("Vitamin_K")};

std::string s(const QString &text)
{
    return text.toStdString();
}

class FoodTable : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        foods = new SourceTable(torval::readSourceTable(
            QString::fromUtf8(TORVAL_DATA_SOURCE_DIR) + QStringLiteral("/tables/Nahrung.adt.csv")));
    }
    static void TearDownTestSuite()
    {
        delete foods;
        foods = nullptr;
    }

    static int col(const char *name)
    {
        const int index = foods->column(QString::fromUtf8(name));
        EXPECT_GE(index, 0) << "missing column " << name;
        return index;
    }

    // Value of a cell; 0 for an empty cell (the sums below treat "unknown" as
    // nothing), NaN for a cell that is not a number.
    static double value(const QStringList &row, int column)
    {
        const QString cell = row.value(column).trimmed();
        if (cell.isEmpty())
            return 0.0;
        bool ok = false;
        const double v = cell.toDouble(&ok);
        return ok ? v : std::numeric_limits<double>::quiet_NaN();
    }

    static std::string name(const QStringList &row) { return s(row.value(col("Nahrungsmittel"))); }

    static const QStringList *find(const QString &foodName)
    {
        const int nameCol = col("Nahrungsmittel");
        for (const QStringList &row : foods->rows)
            if (row.value(nameCol) == foodName)
                return &row;
        return nullptr;
    }

    static SourceTable *foods;
};

SourceTable *FoodTable::foods = nullptr;

TEST_F(FoodTable, HasTheFieldsOfTheTableInOrder)
{
    const QStringList expected = QStringList{QStringLiteral("NM_Nr"), QStringLiteral("Kategorie"),
                                             QStringLiteral("Nahrungsmittel"), QStringLiteral("Food")}
                                 + kNutrientColumns;
    QStringList fields;
    for (const QString &h : foods->header)
        if (!h.startsWith(u'#'))
            fields << h;
    EXPECT_EQ(fields, expected);
}

TEST_F(FoodTable, HoldsAtLeast1500FoodsNumberedOneToN)
{
    ASSERT_GE(foods->rows.size(), 1500);
    const int nr = col("NM_Nr");
    for (qsizetype i = 0; i < foods->rows.size(); ++i)
        ASSERT_EQ(foods->rows[i].value(nr), QString::number(i + 1)) << "row " << i;
}

TEST_F(FoodTable, NamesFollowTheLookupRules)
{
    const int nameCol = col("Nahrungsmittel");
    const int catCol = col("Kategorie");
    const int foodCol = col("Food");
    QSet<QString> seen;
    QSet<QString> categories;
    for (const QStringList &row : foods->rows) {
        const QString foodName = row.value(nameCol);
        const QString category = row.value(catCol);
        EXPECT_FALSE(foodName.trimmed().isEmpty());
        EXPECT_LE(foodName.size(), 40) << s(foodName);
        EXPECT_LE(category.size(), 40) << s(category);
        EXPECT_LE(row.value(foodCol).size(), 40) << s(foodName);
        EXPECT_FALSE(foodName.contains(u';')) << s(foodName);
        EXPECT_FALSE(foodName.contains(u'\'')) << s(foodName); // breaks the search statement
        // Unique overall, so a lookup by name can never pick the wrong food.
        EXPECT_FALSE(seen.contains(foodName)) << "duplicate " << s(foodName);
        seen.insert(foodName);
        categories.insert(category);
    }
    EXPECT_GE(categories.size(), 20);
    EXPECT_LE(categories.size(), 30);
}

TEST_F(FoodTable, NoValueIsNegativeOrMalformed)
{
    for (const QStringList &row : foods->rows)
        for (const QString &column : kNutrientColumns) {
            const double v = value(row, foods->column(column));
            EXPECT_FALSE(std::isnan(v)) << name(row) << " " << s(column);
            EXPECT_GE(v, 0.0) << name(row) << " " << s(column);
        }
}

TEST_F(FoodTable, EnergyProteinAndJouleAreAlwaysGiven)
{
    for (const QStringList &row : foods->rows) {
        EXPECT_FALSE(row.value(col("Energie")).isEmpty()) << name(row);
        EXPECT_FALSE(row.value(col("Eiweiss")).isEmpty()) << name(row);
        EXPECT_FALSE(row.value(col("Harnsaeure")).isEmpty()) << name(row);
        EXPECT_NEAR(value(row, col("Joule")), std::round(value(row, col("Energie")) * 4.184), 0.5)
            << name(row);
        EXPECT_NEAR(value(row, col("Tier_EW")) + value(row, col("Pflanzl_EW")),
                    value(row, col("Eiweiss")), 0.011)
            << name(row);
    }
}

TEST_F(FoodTable, MassBalanceStaysBelow105Grams)
{
    // Spirits whose source gives water as 100 minus alcohol per 100 ml.
    const QSet<QString> allowed = {QStringLiteral("Kirschwasser"), QStringLiteral("Rum"),
                                   QStringLiteral("Weinbrand, Cognac"),
                                   QStringLiteral("Whisky (Getreidebranntwein)")};
    for (const QStringList &row : foods->rows) {
        const double grams = value(row, col("Wasser")) + value(row, col("Eiweiss"))
                             + value(row, col("Fett")) + value(row, col("Kohlenhydrate"))
                             + value(row, col("Ballaststoffe")) + value(row, col("Alkohol")) / 1000.0;
        if (allowed.contains(row.value(col("Nahrungsmittel"))))
            continue;
        EXPECT_LE(grams, 105.0) << name(row);
    }
}

TEST_F(FoodTable, EnergyMatchesTheMacronutrients)
{
    // Foods whose stated energy rests on factors other than 4/9/4/2/7 kcal/g;
    // besides these, every vinegar ("...essig": energy of the acetic acid).
    const QHash<QString, const char *> allowed = {
        {QStringLiteral("Limette, roh"), "citric acid"},
        {QStringLiteral("Limettensaft"), "citric acid"},
        {QStringLiteral("Nori-Alge, roh"), "food-specific factors (algae)"},
        {QStringLiteral("Cayennepfeffer"), "food-specific factors (spice)"},
        {QStringLiteral("Dill, getrocknet"), "food-specific factors (spice)"},
        {QStringLiteral("Gewürznelken, gemahlen"), "food-specific factors (spice)"},
        {QStringLiteral("Piment, gemahlen"), "food-specific factors (spice)"},
        {QStringLiteral("Johannisbrotkernmehl (Carob)"), "food-specific factors"},
        {QStringLiteral("Kakaopulver, stark entölt (US)"), "food-specific factors (cocoa)"},
        {QStringLiteral("Weiße Bohnen (Navy), gekocht"), "food-specific factors (legume)"},
        {QStringLiteral("Joghurt mild (Bifidus), natur"), "energy as printed in the source"},
    };
    for (const QStringList &row : foods->rows) {
        const double stated = value(row, col("Energie"));
        const double computed = 4 * value(row, col("Eiweiss")) + 9 * value(row, col("Fett"))
                                + 4 * value(row, col("Kohlenhydrate"))
                                + 2 * value(row, col("Ballaststoffe"))
                                + 7 * value(row, col("Alkohol")) / 1000.0;
        const QString foodName = row.value(col("Nahrungsmittel"));
        if (allowed.contains(foodName) || foodName.contains(QStringLiteral("essig"), Qt::CaseInsensitive))
            continue;
        // 15 %, but at least 10 kcal for the near-zero foods (water, tea, herbs).
        EXPECT_NEAR(stated, computed, std::max(0.15 * computed, 10.0)) << name(row);
    }
}

struct SpotCheck
{
    const char *food;
    const char *column;
    double expected; // per 100 g in the unit of the nutrient catalogue
    double tolerance;
};

// Source figures (Swiss food table or SR28); the tolerances are far below a
// factor of 1000, so mg stored as µg (or the reverse) fails.
const SpotCheck kSpotChecks[] = {
    {"Apfel, roh", "Energie", 55, 5},
    {"Apfel, roh", "Vitamin_C", 5000, 1500},
    {"Apfel, roh", "Kalium", 120, 30},
    {"Vollkornbrot", "Energie", 213, 15},
    {"Vollkornbrot", "Eisen", 2500, 700},
    {"Vollkornbrot", "Ballaststoffe", 7, 2},
    {"Vollmilch, pasteurisiert", "Energie", 68, 6},
    {"Vollmilch, pasteurisiert", "Calcium", 120, 15},
    {"Vollmilch, pasteurisiert", "Tier_EW", 3.3, 0.2},
    {"Butter", "Energie", 746, 15},
    {"Butter", "Vitamin_A", 843, 150},
    {"Butter", "Cholesterin", 230, 40},
    {"Hühnerei, roh", "Energie", 142, 8},
    {"Hühnerei, roh", "Eisen", 1800, 400},
    {"Hühnerei, roh", "Cholesterin", 457, 60},
    {"Bier, hell", "Energie", 43, 4},
    {"Bier, hell", "Alkohol", 3900, 400},
    {"Bier, hell", "Harnsaeure", 9.8, 1},
    {"Rindfleisch, roh (Durchschnitt)", "Eisen", 1800, 500},
    {"Rindfleisch, roh (Durchschnitt)", "Zink", 4500, 1500},
    {"Rindfleisch, roh (Durchschnitt)", "Pflanzl_EW", 0, 0},
    {"Orange (Apfelsine), roh", "Vitamin_C", 53000, 5000},
    {"Spinat, roh", "Vitamin_K", 482.9, 5},
    {"Olivenöl", "Fett", 99.9, 0.5},
    {"Olivenöl", "Harnsaeure", 0, 0},
};

TEST_F(FoodTable, EverydayFoodsMatchTheSources)
{
    for (const SpotCheck &check : kSpotChecks) {
        SCOPED_TRACE(std::string(check.food) + " / " + check.column);
        const QStringList *row = find(QString::fromUtf8(check.food));
        ASSERT_NE(row, nullptr);
        const int column = col(check.column);
        ASSERT_FALSE(row->value(column).isEmpty());
        EXPECT_NEAR(value(*row, column), check.expected, check.tolerance);
    }
}

TEST_F(FoodTable, EveryUricAcidValueNamesItsOrigin)
{
    const int note = foods->column(QStringLiteral("#Harnsaeure_Quelle"));
    ASSERT_GE(note, 0);
    for (const QStringList &row : foods->rows) {
        const QString origin = row.value(note);
        EXPECT_TRUE(origin == QStringLiteral("frei") || origin.startsWith(QStringLiteral("gemessen:"))
                    || origin.startsWith(QStringLiteral("geschätzt:")))
            << name(row) << " " << s(origin);
        if (origin == QStringLiteral("frei")) {
            EXPECT_EQ(value(row, col("Harnsaeure")), 0.0) << name(row);
        }
    }
}

} // namespace
