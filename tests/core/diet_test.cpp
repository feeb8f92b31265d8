#include "core/diet.h"

#include <gtest/gtest.h>

using namespace torval;

TEST(Diet, EndDates)
{
    const QDate start(2003, 1, 20);
    struct Case
    {
        const char *name;
        int from;
        int to;
        double kcal;
        std::optional<QDate> end;
    };
    const Case cases[] = {
        {"75 to 70 kg at 500 kcal: 71,43 days", 75, 70, 500, start.addDays(71)},
        {"start equals target: the start date", 70, 70, 500, start},
        {"target above the start: before the start", 70, 75, 500, start.addDays(-72)},
        {"exactly 100 days", 77, 70, 500, start.addDays(100)},
        // 10 kg at 700 kcal: 10000 / 98 = 102,04 days.
        {"fraction dropped", 80, 70, 700, start.addDays(102)},
        // 1 kg at 1 kcal: 1000 / 0,14 = 7142,857 days; 71,9 days never round up.
        {"large fraction dropped", 1, 0, 1, start.addDays(7142)},
        {"no energy saved", 75, 70, 0, std::nullopt},
        {"no energy saved and no loss", 70, 70, 0, std::nullopt},
        {"beyond the last representable year", 999, 0, 1, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dietEndDate(start, c.from, c.to, c.kcal), c.end) << c.name;
}

TEST(Diet, DaysKeepTheirFraction)
{
    EXPECT_NEAR(*dietDays(75, 70, 500), 71.428571, 1e-6);
    // 71,9 days: 0,14 x 500 x 71,9 = 5033 g.
    EXPECT_NEAR(*dietDays(5033, 0, 500 * 1000), 71.9, 1e-9);
    EXPECT_EQ(dietEndDate(QDate(2024, 3, 1), 5033, 0, 500 * 1000), QDate(2024, 3, 1).addDays(71));
}

TEST(Diet, FieldTexts)
{
    const QDate start(2024, 2, 27);
    struct Case
    {
        const char *name;
        QString from;
        QString to;
        QString kcal;
        std::optional<QDate> end;
    };
    const Case cases[] = {
        {"mask blanks", QStringLiteral("75 "), QStringLiteral("70 "), QStringLiteral("500"), start.addDays(71)},
        {"leading blanks", QStringLiteral(" 75"), QStringLiteral(" 70"), QStringLiteral(" 500"), start.addDays(71)},
        {"empty energy", QStringLiteral("75 "), QStringLiteral("70 "), QStringLiteral("   "), std::nullopt},
        {"energy 0", QStringLiteral("75 "), QStringLiteral("70 "), QStringLiteral("0  "), std::nullopt},
        {"empty start weight", QStringLiteral("   "), QStringLiteral("70 "), QStringLiteral("500"), std::nullopt},
        {"blank between digits", QStringLiteral("7 5"), QStringLiteral("70 "), QStringLiteral("500"), std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(dietEndDate(start, c.from, c.to, c.kcal), c.end) << c.name;
    // Over a leap day: 71 days after 27.02.2024 is 08.05.2024.
    EXPECT_EQ(dietEndDate(start, QStringLiteral("75"), QStringLiteral("70"), QStringLiteral("500")), QDate(2024, 5, 8));
}

TEST(Diet, MovingTheStartMovesTheEnd)
{
    for (int shift : {-400, -1, 1, 30, 365}) {
        const QDate s = QDate(2010, 6, 15).addDays(shift);
        EXPECT_EQ(dietEndDate(s, 75, 70, 500), s.addDays(71)) << shift;
    }
}
