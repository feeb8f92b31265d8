#include "core/recalc.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

constexpr int kEnergy = 0, kWater = 1, kProtein = 2, kFat = 3, kCarbs = 4, kUngesFs = 5, kVitB2 = 23;

NutrientValues values(std::initializer_list<std::pair<int, double>> set)
{
    NutrientValues v{};
    for (const auto &[i, x] : set)
        v[std::size_t(i)] = x;
    return v;
}

// A day against a group whose every reference is 100, with all units known.
RecalcInput day(const QStringList &lines)
{
    RecalcInput in;
    in.lines = lines;
    in.foods.insert(QStringLiteral("Apfel, roh"), values({{kEnergy, 52}, {kWater, 85.6}, {kProtein, 0.3}}));
    in.foods.insert(QStringLiteral("Mix"), values({{kProtein, 20}, {kFat, 30}, {kCarbs, 50}}));
    in.foods.insert(QStringLiteral("Gleich"), values({{kProtein, 10}, {kFat, 10}, {kCarbs, 10}}));
    in.foods.insert(QStringLiteral("Mineralwasser"), values({{kWater, 100}}));
    for (int i = 0; i < kNutrientCount; ++i) {
        in.units[std::size_t(i)] = nutrients()[std::size_t(i)].unitName();
        in.reference[std::size_t(i)] = 100;
    }
    return in;
}

QString field(const QString &line, int i)
{
    return line.section(u';', i, i);
}

} // namespace

TEST(Recalc, EmptyDayGivesTwentySixZeroLinesAndNoRatio)
{
    const RecalcResult r = recalcAnalyse(day({}));
    ASSERT_FALSE(r.error);
    EXPECT_TRUE(r.messages.isEmpty());
    ASSERT_EQ(r.lines.size(), 26);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(field(r.lines[i], 0), nutrients()[std::size_t(i)].fullName());
        EXPECT_EQ(field(r.lines[i], 2), QStringLiteral("0"));
        EXPECT_TRUE(r.lines[i].endsWith(QStringLiteral(";0 %"))) << r.lines[i].toStdString();
    }
    EXPECT_EQ(r.lines[0], QStringLiteral("Energie;kcal;0;100;0 %"));
    EXPECT_EQ(r.lines[5], QStringLiteral("Unges. Fettsäuren;mg;0;100;0 %"));
    EXPECT_EQ(r.protein, QStringLiteral("-"));
    EXPECT_EQ(r.fat, QStringLiteral("-"));
    EXPECT_EQ(r.carbohydrates, QStringLiteral("-"));
}

TEST(Recalc, ActualAmountsOfTheWorkedExamples)
{
    struct Case
    {
        const char *line;
        const char *energy;
    } cases[] = {
        {"Apfel, roh;250", "130"},
        {"Apfel, roh;33", "17,16"},
        {"apfel, ROH; 33 ", "17,16"}, // letter case and blanks do not matter
        {"Apfel, roh;7,5", "3,9"},
    };
    for (const Case &c : cases) {
        const RecalcResult r = recalcAnalyse(day({QString::fromUtf8(c.line)}));
        ASSERT_FALSE(r.error) << c.line;
        EXPECT_EQ(field(r.lines[kEnergy], 2), QString::fromUtf8(c.energy)) << c.line;
    }
    // Two lines of one food count twice.
    const RecalcResult twice = recalcAnalyse(day({QStringLiteral("Apfel, roh;100"), QStringLiteral("Apfel, roh;150")}));
    EXPECT_EQ(field(twice.lines[kEnergy], 2), QStringLiteral("130"));
}

TEST(Recalc, PercentageRoundsHalvesToEven)
{
    struct Case
    {
        long double actual;
        std::optional<long double> reference;
        const char *percent;
    } cases[] = {
        {125, 200, "62"}, // 62,5
        {127, 200, "64"}, // 63,5
        {129, 200, "64"}, // 64,5
        {0, 200, "0"},           {150, 100, "150"},
        {17.16L, 2300, "1"},     {50, 0, "0"}, // a reference of 0 divides by nothing
        {50, std::nullopt, "0"},               // nor does an empty one
        {-125, 200, "-62"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(percentText(c.actual, c.reference), QString::fromUtf8(c.percent)) << double(c.actual);
}

TEST(Recalc, ReferenceOfZeroOrEmptyShowsZeroPercentAndTheReferenceText)
{
    RecalcInput in = day({QStringLiteral("Apfel, roh;100")});
    in.reference[kEnergy] = 0;
    in.reference[kWater] = std::nullopt;
    const RecalcResult r = recalcAnalyse(in);
    EXPECT_EQ(r.lines[kEnergy], QStringLiteral("Energie;kcal;52;0;0 %"));
    EXPECT_EQ(r.lines[kWater], QStringLiteral("Wasser;g;85,6;;0 %"));
}

TEST(Recalc, MacronutrientRatio)
{
    struct Case
    {
        const char *line;
        const char *protein, *fat, *carbs;
    } cases[] = {
        {"Mix;100", "20", "30", "50"},
        {"Gleich;100", "33,33", "33,33", "33,33"},
        {"Mineralwasser;500", "-", "-", "-"},
        {"Apfel, roh;100", "100", "0", "0"},
    };
    for (const Case &c : cases) {
        const RecalcResult r = recalcAnalyse(day({QString::fromUtf8(c.line)}));
        EXPECT_EQ(r.protein, QString::fromUtf8(c.protein)) << c.line;
        EXPECT_EQ(r.fat, QString::fromUtf8(c.fat)) << c.line;
        EXPECT_EQ(r.carbohydrates, QString::fromUtf8(c.carbs)) << c.line;
    }
}

TEST(Recalc, CalculatorTotalReplacesTheEnergyReferenceOnlyWhenTickedAndPositive)
{
    struct Case
    {
        bool ticked;
        double total;
        const char *energyLine;
    } cases[] = {
        {true, 2584, "Energie;kcal;1300;2584;50 %"},
        {false, 2584, "Energie;kcal;1300;100;1300 %"},
        {true, 0, "Energie;kcal;1300;100;1300 %"},
        {true, -5, "Energie;kcal;1300;100;1300 %"},
    };
    for (const Case &c : cases) {
        RecalcInput in = day({QStringLiteral("Apfel, roh;2500")});
        in.useCalculatorTotal = c.ticked;
        in.calculatorTotal = Fixed4::fromDouble(c.total);
        const RecalcResult r = recalcAnalyse(in);
        EXPECT_EQ(r.lines[kEnergy], QString::fromUtf8(c.energyLine)) << c.ticked << ' ' << c.total;
        // Every other line stays with the group.
        EXPECT_EQ(field(r.lines[kWater], 3), QStringLiteral("100"));
    }
}

TEST(Recalc, UnknownFoodIsReportedPerLineAndAddsNothing)
{
    const RecalcResult r = recalcAnalyse(day(
        {QStringLiteral("Marsriegel;100"), QStringLiteral("Apfel, roh;100"), QStringLiteral("Marsriegel;kein Wert")}));
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.messages, (QStringList{QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden."),
                                       QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.")}));
    EXPECT_EQ(field(r.lines[kEnergy], 2), QStringLiteral("52"));
}

TEST(Recalc, ANonNumberAmountStopsTheRunAfterTheMessagesSoFar)
{
    const RecalcResult r = recalcAnalyse(
        day({QStringLiteral("Marsriegel;1"), QStringLiteral("Apfel, roh;viel"), QStringLiteral("Quark;1")}));
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, QStringLiteral("'viel' ist kein gültiger Gleitkommawert"));
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.")});
    EXPECT_TRUE(r.lines.isEmpty());
}

TEST(Recalc, ANegativeAmountStopsTheRunNamingTheFood)
{
    // Negative grams would give negative energy and shares above 100 %.
    const RecalcResult r = recalcAnalyse(day({QStringLiteral("Mix;100"), QStringLiteral("Gleich;-80")}));
    ASSERT_TRUE(r.error);
    EXPECT_EQ(*r.error, QStringLiteral("Die Menge -80 g bei Gleich ist nicht zulässig: erlaubt sind 0 bis 100000 g."));
    EXPECT_TRUE(r.lines.isEmpty());
}

TEST(Recalc, MissingCatalogueRowIsReportedAndTheLineStillWritten)
{
    RecalcInput in = day({});
    in.units[kUngesFs] = std::nullopt;
    in.units[kVitB2] = std::nullopt;
    const RecalcResult r = recalcAnalyse(in);
    EXPECT_EQ(r.messages, (QStringList{QStringLiteral("Unges_FS konnte nicht gefunden werden."),
                                       QStringLiteral("Vitamin_B2 konnte nicht gefunden werden.")}));
    EXPECT_EQ(r.lines[kUngesFs], QStringLiteral("Unges. Fettsäuren;;0;100;0 %"));
    EXPECT_EQ(r.lines.size(), 26);
}

TEST(Recalc, MissingMessagesFollowTheirOwnSpelling)
{
    const struct
    {
        int nutrient;
        const char *message;
    } cases[] = {{0, "Energie konnte nicht gefunden werden."},     {2, "Eiweiss konnte nicht gefunden werden."},
                 {8, "Harnsäure konnte nicht gefunden werden."},   {9, "Tier_EW konnte nicht gefunden werden."},
                 {18, "Vitamin A konnte nicht gefunden werden."},  {21, "Folsäure konnte nicht gefunden werden."},
                 {22, "Vitamin B1 konnte nicht gefunden werden."}, {24, "Vitamin_B6 konnte nicht gefunden werden."},
                 {25, "Vitamin_C konnte nicht gefunden werden."}};
    for (const auto &c : cases)
        EXPECT_EQ(missingNutrientMessage(c.nutrient), QString::fromUtf8(c.message));
}

TEST(Recalc, ManySmallLinesSumToTheExactTotal)
{
    // 1000 lines of 0,1 g of a food with 0,3 g protein per 100 g: 0,3 g.
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("Apfel, roh;0,1");
    const RecalcResult r = recalcAnalyse(day(lines));
    EXPECT_EQ(field(r.lines[kProtein], 2), QStringLiteral("0,3"));
    EXPECT_EQ(field(r.lines[kEnergy], 2), QStringLiteral("52"));
}
