// Checks the shipped reference tables in data/: requirement groups
// (Bedarf.adt), nutrient catalogue rows (Naehrstoff.adt with its text files)
// and sport factors (SPORTFAKTOR.ADT).

#include "core/catalogue.h"
#include "core/error.h"
#include "core/sourcedata.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

using torval::SourceTable;

namespace {

QString dataPath(const QString &relative)
{
    return QString::fromUtf8(TORVAL_DATA_SOURCE_DIR) + u'/' + relative;
}

SourceTable table(const QString &file)
{
    return torval::readSourceTable(dataPath(QStringLiteral("tables/") + file));
}

std::string s(const QString &text)
{
    return text.toStdString();
}

// Machine number of a cell; NaN when the cell is not a number.
double number(const QString &cell)
{
    bool ok = false;
    const double v = cell.toDouble(&ok);
    return ok ? v : std::nan("");
}

const QStringList &groupNames()
{
    static const QStringList names = {
        QStringLiteral("Säuglinge 0-3 Monate"),  QStringLiteral("Säuglinge 4-12 Monate"),
        QStringLiteral("Kinder 1-3 Jahre"),      QStringLiteral("Kinder 4-6 Jahre"),
        QStringLiteral("Kinder 7-9 Jahre"),      QStringLiteral("Kinder 10-12 (w)"),
        QStringLiteral("Kinder 10-12 (m)"),      QStringLiteral("Kinder 13-14 (w)"),
        QStringLiteral("Kinder 13-14 (m)"),      QStringLiteral("Jugendliche 15-18 (w)"),
        QStringLiteral("Jugendliche 15-18 (m)"), QStringLiteral("Schwangere ab 4. Monat"),
        QStringLiteral("Frauen 19-24"),          QStringLiteral("Männer 19-24"),
        QStringLiteral("Frauen 25-50"),          QStringLiteral("Männer 25-50"),
        QStringLiteral("Frauen 51-65"),          QStringLiteral("Männer 51-65"),
        QStringLiteral("Frauen >65"),            QStringLiteral("Männer >65"),
    };
    return names;
}

// Value of one requirement column for one group; fails the test when absent.
double bedarf(const SourceTable &t, const QString &group, const QString &column)
{
    const int g = t.column(QStringLiteral("Gruppe"));
    const int c = t.column(column);
    if (g < 0 || c < 0) {
        ADD_FAILURE() << "column missing: " << s(column);
        return std::nan("");
    }
    for (const QStringList &row : t.rows)
        if (row.value(g) == group)
            return number(row.value(c));
    ADD_FAILURE() << "group missing: " << s(group);
    return std::nan("");
}

// --- Bedarf.adt ------------------------------------------------------------

TEST(ShippedBedarf, HasTheTwentyGroupsInDialogOrderWithAllColumns)
{
    const SourceTable t = table(QStringLiteral("Bedarf.adt.csv"));
    ASSERT_EQ(t.header.value(0), QStringLiteral("Gruppe"));
    for (const torval::Nutrient &n : torval::nutrients())
        EXPECT_GE(t.column(n.bedarfName()), 0) << "no column " << s(n.bedarfName());

    ASSERT_EQ(t.rows.size(), groupNames().size());
    for (qsizetype i = 0; i < t.rows.size(); ++i) {
        const QString name = t.rows[i].value(0);
        EXPECT_EQ(name, groupNames()[i]) << "row " << i;
        EXPECT_LE(name.size(), 22) << s(name);
    }
}

TEST(ShippedBedarf, EveryGroupHasTwentySixPositiveReferenceValues)
{
    const SourceTable t = table(QStringLiteral("Bedarf.adt.csv"));
    for (const QStringList &row : t.rows) {
        for (const torval::Nutrient &n : torval::nutrients()) {
            const int c = t.column(n.bedarfName());
            ASSERT_GE(c, 0);
            const double v = number(row.value(c));
            EXPECT_TRUE(v > 0) << s(row.value(0)) << " " << s(n.bedarfName()) << " = '"
                               << s(row.value(c)) << "'";
        }
    }
}

// Figures of the sources in the catalogue units (mg, µg, kcal, g): a slip of
// unit or group shows here.
TEST(ShippedBedarf, SpotChecksAgainstTheSources)
{
    struct Case
    {
        const char16_t *group;
        const char16_t *column;
        double expected;
    };
    const std::vector<Case> cases = {
        {u"Frauen 25-50", u"Calcium", 1000},           // mg
        {u"Frauen 19-24", u"Eisen", 15000},            // 15 mg
        {u"Männer 25-50", u"Eisen", 10000},
        {u"Schwangere ab 4. Monat", u"Eisen", 30000},
        {u"Männer 19-24", u"Zink", 10000},             // 10 mg
        {u"Frauen 25-50", u"Vit_A", 800},              // 0.8 mg RE
        {u"Jugendliche 15-18 (m)", u"Vit_C", 100000},  // 100 mg (2000)
        {u"Männer 25-50", u"Vit_C", 110000},           // 110 mg (current)
        {u"Säuglinge 0-3 Monate", u"Vit_C", 50000},
        {u"Kinder 1-3 Jahre", u"Vit_B1", 600},         // 0.6 mg
        {u"Kinder 7-9 Jahre", u"Vit_E", 10000},        // 10 mg
        {u"Frauen 25-50", u"Folsaeure", 300},          // µg
        {u"Frauen 25-50", u"Wasser", 2600},            // g (= ml)
        {u"Frauen 25-50", u"Natrium", 550},
        {u"Männer 51-65", u"Kalium", 2000},
        {u"Männer 25-50", u"Magnesium", 350},
        {u"Frauen 25-50", u"Energie", 2100},           // kcal at PAL 1.6
        {u"Schwangere ab 4. Monat", u"Energie", 2355}, // + 255 kcal
        {u"Frauen 25-50", u"Eiweiss", 48},             // g
        {u"Frauen 25-50", u"Fett", 70},                // 30 % of 2100 kcal
        {u"Männer 25-50", u"Alkohol", 20000},          // 20 g
        {u"Frauen 25-50", u"Alkohol", 10000},          // 10 g
        {u"Frauen 25-50", u"Harnsaeure", 500},
        {u"Männer 25-50", u"Cholesteri", 300},
        {u"Frauen 25-50", u"Ballaststo", 30},
    };
    const SourceTable t = table(QStringLiteral("Bedarf.adt.csv"));
    for (const Case &c : cases) {
        const QString group = QString::fromUtf16(c.group);
        const QString column = QString::fromUtf16(c.column);
        EXPECT_NEAR(bedarf(t, group, column), c.expected, c.expected * 1e-9)
            << s(group) << " " << s(column);
    }
}

// Bounds over all groups, infants to adults: a value in the wrong unit
// (g for mg, mg for µg) lands outside by a factor of 1000.
TEST(ShippedBedarf, ValuesLieInThePlausibleRangeOfTheirUnit)
{
    struct Range
    {
        const char16_t *column;
        double min;
        double max;
    };
    const std::vector<Range> ranges = {
        {u"Energie", 400, 3500},       {u"Wasser", 500, 3500},      {u"Eiweiss", 5, 100},
        {u"Fett", 15, 130},            {u"Kohlenhydr", 40, 450},    {u"Unges_Fett", 10000, 90000},
        {u"Cholesteri", 30, 300},      {u"Alkohol", 1, 20000},      {u"Harnsaeure", 50, 500},
        {u"Tier_EW", 3, 70},           {u"Ballaststo", 3, 40},      {u"Natrium", 100, 2000},
        {u"Kalium", 300, 4500},        {u"Magnesium", 20, 400},     {u"Calcium", 200, 1300},
        {u"Phosphor", 100, 1300},      {u"Eisen", 300, 31000},      {u"Zink", 800, 16000},
        {u"Vit_A", 300, 1500},         {u"Carotin", 300, 4000},     {u"Vit_E", 2000, 16000},
        {u"Folsaeure", 50, 700},       {u"Vit_B1", 150, 1600},      {u"Vit_B2", 250, 1800},
        {u"Vit_B6", 80, 2000},         {u"Vit_C", 15000, 160000},
    };
    ASSERT_EQ(ranges.size(), size_t(torval::kNutrientCount));
    const SourceTable t = table(QStringLiteral("Bedarf.adt.csv"));
    for (const Range &r : ranges) {
        const QString column = QString::fromUtf16(r.column);
        for (const QString &group : groupNames()) {
            const double v = bedarf(t, group, column);
            EXPECT_TRUE(v >= r.min && v <= r.max) << s(group) << " " << s(column) << " = " << v;
        }
    }
}

// The macronutrient columns must fit the group's energy: fat and
// carbohydrates as shares of it, unsaturated fatty acids two thirds of the
// fat (in mg), animal protein a part of the protein.
TEST(ShippedBedarf, MacronutrientsFitTheEnergyOfEachGroup)
{
    const SourceTable t = table(QStringLiteral("Bedarf.adt.csv"));
    for (const QString &g : groupNames()) {
        const double energy = bedarf(t, g, QStringLiteral("Energie"));
        const double fat = bedarf(t, g, QStringLiteral("Fett"));
        const double carbs = bedarf(t, g, QStringLiteral("Kohlenhydr"));
        const double protein = bedarf(t, g, QStringLiteral("Eiweiss"));
        const double fatShare = fat * 9 / energy;
        const double carbShare = carbs * 4 / energy;
        const double proteinShare = protein * 4 / energy;
        EXPECT_TRUE(fatShare >= 0.29 && fatShare <= 0.50) << s(g) << " fat " << fatShare;
        EXPECT_TRUE(carbShare >= 0.44 && carbShare <= 0.51) << s(g) << " carbs " << carbShare;
        EXPECT_TRUE(proteinShare >= 0.04 && proteinShare <= 0.20) << s(g) << " protein " << proteinShare;
        EXPECT_NEAR(bedarf(t, g, QStringLiteral("Unges_Fett")), fat * 1000 * 2 / 3, 50) << s(g);
        const double animal = bedarf(t, g, QStringLiteral("Tier_EW"));
        EXPECT_TRUE(animal >= protein * 0.4 && animal <= protein + 0.05) << s(g) << " " << animal;
    }
}

// --- Naehrstoff.adt ----------------------------------------------------------

TEST(ShippedNaehrstoff, HasOneRowPerCatalogueNutrientInOrder)
{
    const SourceTable t = table(QStringLiteral("Naehrstoff.adt.csv"));
    const int key = t.column(QStringLiteral("Kurzbezeichng"));
    const int name = t.column(QStringLiteral("Naehrstoff"));
    const int unit = t.column(QStringLiteral("Einheit"));
    const int daily = t.column(QStringLiteral("Tagesbedarf"));
    ASSERT_TRUE(key >= 0 && name >= 0 && unit >= 0 && daily >= 0);
    ASSERT_EQ(t.rows.size(), torval::kNutrientCount);

    static const QRegularExpression germanNumber(QStringLiteral("^[0-9]+(,[0-9]+)?$"));
    for (int i = 0; i < torval::kNutrientCount; ++i) {
        const torval::Nutrient &n = torval::nutrients()[size_t(i)];
        const QStringList &row = t.rows[i];
        EXPECT_EQ(row.value(key), n.columnName()) << "row " << i;
        EXPECT_EQ(row.value(unit), n.unitName()) << s(n.columnName());
        EXPECT_FALSE(row.value(name).isEmpty()) << s(n.columnName());
        EXPECT_LE(row.value(name).size(), 40) << s(row.value(name));
        EXPECT_TRUE(germanNumber.match(row.value(daily)).hasMatch())
            << s(n.columnName()) << " Tagesbedarf '" << s(row.value(daily)) << "'";
    }
}

// The best list finds a nutrient as the first row whose key begins with the
// column name (ignoring case); that row must be the nutrient's own.
TEST(ShippedNaehrstoff, PrefixLookupFindsEachNutrientsOwnRow)
{
    const SourceTable t = table(QStringLiteral("Naehrstoff.adt.csv"));
    const int key = t.column(QStringLiteral("Kurzbezeichng"));
    ASSERT_GE(key, 0);
    for (const torval::Nutrient &n : torval::nutrients()) {
        QString found;
        for (const QStringList &row : t.rows) {
            if (row.value(key).startsWith(n.columnName(), Qt::CaseInsensitive)) {
                found = row.value(key);
                break;
            }
        }
        EXPECT_EQ(found, n.columnName());
    }
}

// The general daily reference shown on the best-list page lies within the
// adult values of the same nutrient, so it is in the same unit.
TEST(ShippedNaehrstoff, DailyReferenceMatchesTheAdultValues)
{
    const SourceTable n = table(QStringLiteral("Naehrstoff.adt.csv"));
    const SourceTable b = table(QStringLiteral("Bedarf.adt.csv"));
    const int key = n.column(QStringLiteral("Kurzbezeichng"));
    const int daily = n.column(QStringLiteral("Tagesbedarf"));
    ASSERT_TRUE(key >= 0 && daily >= 0);
    const QStringList adults = {QStringLiteral("Frauen 19-24"), QStringLiteral("Männer 19-24"),
                                QStringLiteral("Frauen 25-50"), QStringLiteral("Männer 25-50"),
                                QStringLiteral("Frauen 51-65"), QStringLiteral("Männer 51-65")};
    for (const QStringList &row : n.rows) {
        const int i = torval::nutrientByColumn(row.value(key));
        ASSERT_GE(i, 0) << s(row.value(key));
        const QString column = torval::nutrients()[size_t(i)].bedarfName();
        double lo = INFINITY;
        double hi = 0;
        for (const QString &g : adults) {
            lo = std::min(lo, bedarf(b, g, column));
            hi = std::max(hi, bedarf(b, g, column));
        }
        const double v = number(QString(row.value(daily)).replace(u',', u'.'));
        EXPECT_TRUE(v >= lo * 0.99 && v <= hi * 1.01)
            << s(row.value(key)) << ": " << v << " outside " << lo << " .. " << hi;
    }
}

TEST(ShippedNaehrstoff, EachNutrientHasItsEightTextSections)
{
    const QStringList sections = {
        QStringLiteral("Wirkung"), QStringLiteral("Aufnahme"),    QStringLiteral("Mangel"),
        QStringLiteral("Ueberdosis"), QStringLiteral("Zubereitung"), QStringLiteral("Mehrbedarf"),
        QStringLiteral("Tipp"),    QStringLiteral("Check"),
    };
    for (const torval::Nutrient &n : torval::nutrients()) {
        const QString path = dataPath(QStringLiteral("naehrstoffe/") + n.columnName() + QStringLiteral(".txt"));
        if (!QFileInfo::exists(path)) {
            ADD_FAILURE() << "missing " << s(path);
            continue;
        }
        QList<std::pair<QString, QString>> text;
        try {
            text = torval::readSectionText(path);
        } catch (const torval::Error &e) {
            ADD_FAILURE() << s(path) << ": " << e.what();
            continue;
        }
        QStringList names;
        for (const auto &[section, body] : text) {
            names << section;
            EXPECT_FALSE(body.trimmed().isEmpty()) << s(n.columnName()) << " [" << s(section) << "]";
        }
        EXPECT_EQ(names, sections) << s(n.columnName());
    }
}

// --- SPORTFAKTOR.ADT ---------------------------------------------------------

TEST(ShippedSport, HasTheNineteenActivitiesInOrderWithPlausibleFactors)
{
    const QStringList activities = {
        QStringLiteral("Badminton"),       QStringLiteral("Bergwandern (ohne Gepäck)"),
        QStringLiteral("Brust schwimmen"), QStringLiteral("Fußball spielen"),
        QStringLiteral("Gehen"),           QStringLiteral("Golfen"),
        QStringLiteral("Gymnastik"),       QStringLiteral("Klavier spielen"),
        QStringLiteral("Kochen"),          QStringLiteral("Laufen (ruhig)"),
        QStringLiteral("Putzen"),          QStringLiteral("Radfahren (ruhig)"),
        QStringLiteral("Rasen mähen"),     QStringLiteral("Ski fahren"),
        QStringLiteral("Ski wandern"),     QStringLiteral("Squash"),
        QStringLiteral("Tanzen"),          QStringLiteral("Tennis"),
        QStringLiteral("Tischtennis"),
    };
    const SourceTable t = table(QStringLiteral("SPORTFAKTOR.ADT.csv"));
    const int name = t.column(QStringLiteral("Bezeichnung"));
    const int factor = t.column(QStringLiteral("Faktor"));
    ASSERT_TRUE(name >= 0 && factor >= 0);
    ASSERT_EQ(t.rows.size(), activities.size());
    for (qsizetype i = 0; i < t.rows.size(); ++i) {
        EXPECT_EQ(t.rows[i].value(name), activities[i]) << "row " << i;
        // kcal per minute and kg body weight: 1.5 to 14 MET
        const double f = number(t.rows[i].value(factor));
        EXPECT_TRUE(f >= 0.02 && f <= 0.25) << s(activities[i]) << " " << f;
    }
}

// kcal per minute and kg = MET x 3.5 / 200; per hour or per MET would be far off.
TEST(ShippedSport, FactorsFollowTheCompendiumMetValues)
{
    struct Case
    {
        const char16_t *activity;
        double met;
    };
    const std::vector<Case> cases = {
        {u"Gehen", 3.5}, {u"Tennis", 7.3}, {u"Klavier spielen", 2.3}, {u"Radfahren (ruhig)", 4.0},
    };
    const SourceTable t = table(QStringLiteral("SPORTFAKTOR.ADT.csv"));
    const int name = t.column(QStringLiteral("Bezeichnung"));
    const int factor = t.column(QStringLiteral("Faktor"));
    ASSERT_TRUE(name >= 0 && factor >= 0);
    for (const Case &c : cases) {
        const QString activity = QString::fromUtf16(c.activity);
        double f = std::nan("");
        for (const QStringList &row : t.rows)
            if (row.value(name) == activity)
                f = number(row.value(factor));
        EXPECT_NEAR(f, c.met * 3.5 / 200, 1e-9) << s(activity);
    }
}

} // namespace
