#include "core/daylists.h"

#include <gtest/gtest.h>

using namespace torval;

TEST(DayLists, NutrientTableSplitsEachResultLineIntoFiveTexts)
{
    const QList<QStringList> rows =
        nutrientTableRows({QStringLiteral("Energie;kcal;1834,5;2000;92 %"), QStringLiteral("Wasser;g;0;;0 %"),
                           QStringLiteral("Odd;u;1;2;3 %;extra")});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("Energie"), QStringLiteral("kcal"), QStringLiteral("1834,5"),
                                    QStringLiteral("2000"), QStringLiteral("92 %")}));
    EXPECT_EQ(rows[1][3], QString());
    // All that follows the fourth ";" goes into the fifth text.
    EXPECT_EQ(rows[2][4], QStringLiteral("3 %;extra"));
}

TEST(DayLists, ShoppingListKeepsTheAmountTextExactly)
{
    const QList<QStringList> rows =
        shoppingListRows({QStringLiteral("Brot;100 "), QStringLiteral("Apfel, roh;7,5"), QStringLiteral("Milch; 250")});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("Brot"), QStringLiteral("100 "), QString(), QString(), QString()}));
    EXPECT_EQ(rows[1][1], QStringLiteral("7,5"));
    EXPECT_EQ(rows[2][1], QStringLiteral(" 250"));
    EXPECT_TRUE(shoppingListRows({}).isEmpty());
}
