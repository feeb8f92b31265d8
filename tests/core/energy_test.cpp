#include "core/energy.h"

#include <gtest/gtest.h>

using namespace torval;

TEST(Energy, WorkedValues)
{
    struct Case
    {
        const char *name;
        double weight;
        int sex;
        int level;
        double hours;
        double sport;
        EnergyValues expected;
    };
    const Case cases[] = {
        {"defaults", 75, kMale, 1, 7, 0, {1800, 784, 2584}},
        {"defaults, weiblich", 75, kFemale, 1, 7, 0, {1636, 630, 2266}},
        {"60 kg weiblich leicht 8 h", 60, kFemale, 0, 8, 0, {1309, 320, 1629}},
        {"80 kg with 250 kcal sport", 80, kMale, 1, 7, 250, {1920, 1034, 2954}},
        {"nothing at all", 0, kMale, 1, 0, 0, {0, 0, 0}},
        {"schwer männlich", 70, kMale, 2, 2, 0, {1680, 350, 2030}},
        {"schwerste weiblich", 55, kFemale, 3, 1, 0, {1200, 150, 1350}},
        {"no level: 100 per hour", 50, kMale, -1, 3, 0, {1200, 300, 1500}},
        {"no level, weiblich: also 100", 50, kFemale, -1, 3, 0, {1091, 300, 1391}},
        {"no sex chosen counts as männlich", 75, -1, 1, 7, 0, {1800, 784, 2584}},
        // Halves go to the even neighbour (sport gives the half).
        {"activity half goes down to even", 10, kMale, 0, 0, 62.5, {240, 62, 302}},
        {"activity half goes up to even", 10, kMale, 0, 0, 63.5, {240, 64, 304}},
        {"basal half goes to even", 0.5625, kMale, 0, 0, 0, {14, 0, 14}},
        // B = 14,4 and A = 0,4 round down each; their sum 14,8 rounds up.
        {"total is the rounded sum, not the sum of rounded parts", 0.6, kMale, 0, 0, 0.4, {14, 0, 15}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(computeEnergy(c.weight, c.sex, c.level, c.hours, c.sport), c.expected) << c.name;
}

TEST(Energy, FactorsAndHints)
{
    const double male[] = {50, 112, 175, 230};
    const double female[] = {40, 90, 130, 150};
    for (int level = 0; level < 4; ++level) {
        EXPECT_EQ(activityFactor(level, kMale), male[level]);
        EXPECT_EQ(activityFactor(level, kFemale), female[level]);
    }
    EXPECT_EQ(activityFactor(4, kMale), 100);
    EXPECT_EQ(activityHint(0), QStringLiteral("z.B. Bürotätigkeit, Sitzen, Ruhen"));
    EXPECT_EQ(activityHint(1), QStringLiteral("z.B. leichte körperliche Arbeit, Fahren, Radfahren"));
    EXPECT_EQ(activityHint(2), QStringLiteral("z.B. schwere körperliche Arbeit, Bau, Transport, Treppensteigen"));
    EXPECT_EQ(activityHint(3), QStringLiteral("z.B. Bergbau, Transport, Muskeltraining"));
    EXPECT_TRUE(activityHint(-1).isEmpty());
    EXPECT_EQ(activityNames(),
              (QStringList{QStringLiteral("leichte Tätigkeit"), QStringLiteral("mittlere Tätigkeit"),
                           QStringLiteral("schwere Tätigkeit"), QStringLiteral("schwerste Tätigkeit")}));
}

TEST(Energy, FieldTexts)
{
    struct Case
    {
        const char *name;
        QString weight;
        QString hours;
        std::optional<EnergyValues> expected;
    };
    const Case cases[] = {
        {"mask blanks after the digits", QStringLiteral("75 "), QStringLiteral("7 "), EnergyValues{1800, 784, 2584}},
        {"mask blanks before the digits", QStringLiteral(" 75"), QStringLiteral(" 7"), EnergyValues{1800, 784, 2584}},
        {"three digits", QStringLiteral("100"), QStringLiteral("10"), EnergyValues{2400, 1120, 3520}},
        {"blank between two digits", QStringLiteral("7 5"), QStringLiteral("7 "), std::nullopt},
        {"blank between the hours' digits", QStringLiteral("75 "), QStringLiteral("1 0"), std::nullopt},
        {"empty weight", QStringLiteral("   "), QStringLiteral("7 "), std::nullopt},
        {"empty hours", QStringLiteral("75 "), QStringLiteral("  "), std::nullopt},
        {"nothing", QString(), QString(), std::nullopt},
        {"a point is no decimal separator", QStringLiteral("7.5"), QStringLiteral("7"), std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(computeEnergy(c.weight, kMale, 1, c.hours, Fixed4()), c.expected) << c.name;
    EXPECT_EQ(computeEnergy(QStringLiteral("80 "), kMale, 1, QStringLiteral("7 "), Fixed4::fromDouble(250)),
              (EnergyValues{1920, 1034, 2954}));
}
