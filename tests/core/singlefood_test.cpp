#include "core/catalogue.h"
#include "core/singlefood.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

// A record with one nutrient set and every other value 0.
FoodValues only(const char16_t *column, double value)
{
    FoodValues v;
    v.fill(0.0);
    v[nutrientByColumn(QString::fromUtf16(column))] = value;
    return v;
}

struct BarCase
{
    const char *name;
    const char16_t *column;
    double value;
    int bar;
    const char *text;
};

class SingleFoodBar : public ::testing::TestWithParam<BarCase>
{};

} // namespace

TEST_P(SingleFoodBar, ValueTextAndBarPosition)
{
    const BarCase &c = GetParam();
    const SingleFoodDisplay d = singleFoodDisplay(QStringLiteral("Probe"), only(c.column, c.value));
    const NutrientCell &cell = d.cells[nutrientByColumn(QString::fromUtf16(c.column))];
    EXPECT_EQ(cell.bar, c.bar);
    EXPECT_EQ(cell.valueText.toStdString(), c.text);
    EXPECT_TRUE(cell.known);
}

INSTANTIATE_TEST_SUITE_P(Cases, SingleFoodBar,
                         ::testing::Values(BarCase{"EnergyAtFullScale", u"Energie", 884, 100, "884"},
                                           BarCase{"EnergyAboveFullScale", u"Energie", 900, 100, "900"},
                                           BarCase{"EnergyHalf", u"Energie", 442, 50, "442"},
                                           BarCase{"VitaminCHalf", u"Vitamin_C", 100000, 50, "100000"},
                                           BarCase{"VitaminCTinyRoundsToZero", u"Vitamin_C", 100, 0, "100"},
                                           BarCase{"CarbohydratesExactlyFifty", u"Kohlenhydrate", 49.5, 50, "49,5"},
                                           BarCase{"FatHalfGoesDownToEven", u"Fett", 2.5, 2, "2,5"},
                                           BarCase{"FatHalfGoesUpToEven", u"Fett", 3.5, 4, "3,5"},
                                           BarCase{"NegativeShowsEmptyBar", u"Wasser", -5, 0, "-5"},
                                           BarCase{"DecimalsWithComma", u"Eiweiss", 0.25, 0, "0,25"},
                                           BarCase{"NoThousandsSeparator", u"Natrium", 1234.5, 25, "1234,5"},
                                           BarCase{"UnsaturatedFatScale", u"Unges_Fetts", 35000, 50, "35000"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SingleFood, AllZeroShowsZeroEverywhereAndEmptyBars)
{
    FoodValues v;
    v.fill(0.0);
    const SingleFoodDisplay d = singleFoodDisplay(QStringLiteral("Wasser, still"), v);
    for (const NutrientCell &c : d.cells) {
        EXPECT_EQ(c.valueText, QStringLiteral("0"));
        EXPECT_EQ(c.bar, 0);
    }
    EXPECT_EQ(d.kilojouleText, QStringLiteral("0"));
    EXPECT_EQ(d.heading, QStringLiteral("Wasser, still (100 g)"));
}

TEST(SingleFood, UnknownValuesAreNotShownAsZero)
{
    FoodValues v;
    v.fill(0.0);
    v[nutrientByColumn(QStringLiteral("Carotin"))] = std::nullopt;
    v[0] = std::nullopt;
    const SingleFoodDisplay d = singleFoodDisplay(QStringLiteral("X"), v);
    const NutrientCell &carotin = d.cells[nutrientByColumn(QStringLiteral("Carotin"))];
    EXPECT_FALSE(carotin.known);
    EXPECT_EQ(carotin.valueText, QStringLiteral("k. A."));
    EXPECT_EQ(carotin.bar, 0);
    EXPECT_EQ(d.kilojouleText, QStringLiteral("k. A."));
}

TEST(SingleFood, KilojoulesRoundHalfToEvenOnTheExactProduct)
{
    struct Case
    {
        double kcal;
        const char *kj;
    };
    const Case cases[] = {{100, "418"},
                          {52, "217"},
                          {884, "3695"},
                          {0, "0"},
                          {0.1, "0"},
                          {0.12, "1"},
                          {8.75, "37"},    // 36,575
                          {11.0048, "46"}, // 46,000064
                          {0.1196, "0"},   // 0,499928
                          // Exact halves, which a binary product would miss:
                          {125, "522"},  // 522,5
                          {375, "1568"}, // 1567,5
                          {-125, "-522"}};
    for (const Case &c : cases)
        EXPECT_EQ(kilojouleText(c.kcal).toStdString(), c.kj) << c.kcal;
}

TEST(SingleFood, BarPositionGuardsAgainstAZeroScale)
{
    EXPECT_EQ(barPosition(10, 0), 0);
    EXPECT_EQ(barPosition(10, -1), 0);
    EXPECT_EQ(barPosition(0.5, 1), 50);
    EXPECT_EQ(barPosition(1e300, 1), 100);
}

TEST(SingleFood, CatalogueFullScalesAreTheFixedValues)
{
    const std::pair<const char16_t *, double> scales[] = {
        {u"Energie", 884},      {u"Wasser", 100},        {u"Eiweiss", 84},       {u"Fett", 100},
        {u"Kohlenhydrate", 99}, {u"Unges_Fetts", 70000}, {u"Cholesterin", 1260}, {u"Alkohol", 36000},
        {u"Harnsaeure", 850},   {u"Tier_EW", 40},        {u"Ballaststoffe", 58}, {u"Natrium", 5000},
        {u"Kalium", 2000},      {u"Magnesium", 590},     {u"Calcium", 1460},     {u"Phosphor", 1290},
        {u"Eisen", 20000},      {u"Zink", 15000},        {u"Vitamin_A", 2000},   {u"Carotin", 9500},
        {u"Vitamin_E", 60000},  {u"Folsaeure", 300},     {u"Vitamin_B1", 2000},  {u"Vitamin_B2", 3500},
        {u"Vitamin_B6", 1500},  {u"Vitamin_C", 200000}};
    for (const auto &[column, scale] : scales)
        EXPECT_EQ(nutrients()[nutrientByColumn(QString::fromUtf16(column))].fullScale, scale)
            << QString::fromUtf16(column).toStdString();
}
