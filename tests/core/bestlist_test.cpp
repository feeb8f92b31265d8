#include "core/bestlist.h"
#include "core/catalogue.h"

#include <gtest/gtest.h>
#include <limits>

using namespace torval;

TEST(BestList, ChooserPositionsMapToColumns)
{
    const QStringList expected = {
        QStringLiteral("Alkohol"),       QStringLiteral("Ballaststoffe"), QStringLiteral("Calcium"),
        QStringLiteral("Carotin"),       QStringLiteral("Cholesterin"),   QStringLiteral("Eisen"),
        QStringLiteral("Eiweiss"),       QStringLiteral("Energie"),       QStringLiteral("Fett"),
        QStringLiteral("Folsaeure"),     QStringLiteral("Harnsaeure"),    QStringLiteral("Kalium"),
        QStringLiteral("Kohlenhydrate"), QStringLiteral("Magnesium"),     QStringLiteral("Natrium"),
        QStringLiteral("Phosphor"),      QStringLiteral("Tier_EW"),       QStringLiteral("Unges_Fetts"),
        QStringLiteral("Vitamin_A"),     QStringLiteral("Vitamin_B1"),    QStringLiteral("Vitamin_B2"),
        QStringLiteral("Vitamin_B6"),    QStringLiteral("Vitamin_C"),     QStringLiteral("Vitamin_E"),
        QStringLiteral("Wasser"),        QStringLiteral("Zink")};
    for (int i = 0; i < kNutrientCount; ++i)
        EXPECT_EQ(nutrientColumnAt(i), expected.at(i)) << i;
    EXPECT_TRUE(nutrientColumnAt(-1).isEmpty());
    EXPECT_TRUE(nutrientColumnAt(26).isEmpty());
}

TEST(BestList, BothChoosersReadAsTheDetailsAndBestListExpect)
{
    // Full captions (best list) and short captions (details) at the same
    // positions; only 16 and 17 read differently.
    const int tier = 16, unges = 17, vitaminC = 22;
    const auto &n = nutrients();
    const auto &order = chooserOrder();
    EXPECT_EQ(n[order[tier]].fullName(), QStringLiteral("Tierisches Eiweiß"));
    EXPECT_EQ(n[order[tier]].shortName(), QStringLiteral("Tier. Eiweiß"));
    EXPECT_EQ(n[order[unges]].fullName(), QStringLiteral("Unges. Fettsäuren"));
    EXPECT_EQ(n[order[unges]].shortName(), QStringLiteral("Unges. Fetts."));
    EXPECT_EQ(n[order[vitaminC]].fullName(), QStringLiteral("Vitamin C"));
    EXPECT_EQ(n[order[vitaminC]].shortName(), QStringLiteral("Vitamin C"));
    EXPECT_EQ(nutrientColumnAt(vitaminC), QStringLiteral("Vitamin_C"));
    for (int i = 0; i < kNutrientCount; ++i) {
        if (i != tier && i != unges) {
            EXPECT_EQ(n[order[i]].fullName(), n[order[i]].shortName()) << i;
        }
    }
}

TEST(BestList, StatementTitleAndRequirementTexts)
{
    EXPECT_EQ(bestListSql(QStringLiteral("Vitamin_C")),
              QStringLiteral("Select * from \"Nahrung.adt\" order by Vitamin_C DESC"));
    EXPECT_EQ(bestListTitle(QStringLiteral("Energie"), QStringLiteral("kcal")),
              QStringLiteral("Nährstoffbestenliste (Energie) in kcal je 100 g"));
    EXPECT_EQ(bestListTitle(QStringLiteral("Tierisches Eiweiß"), QStringLiteral("g")),
              QStringLiteral("Nährstoffbestenliste (Tierisches Eiweiß) in g je 100 g"));
    EXPECT_EQ(requirementCaption(QStringLiteral("Alkohol")), QStringLiteral("Höchstbetrag"));
    EXPECT_EQ(requirementCaption(QStringLiteral("Energie")), QStringLiteral("Tagesbedarf"));
    EXPECT_EQ(requirementCaption(QStringLiteral("Vitamin_C")), QStringLiteral("Tagesbedarf"));
    EXPECT_EQ(requirementText(QStringLiteral("100000"), QStringLiteral("µg")), QStringLiteral("ca. 100000 µg"));
    EXPECT_EQ(nutrientNotFoundText(QStringLiteral("Zink")),
              QStringLiteral("Der Nährstoff Zink konnte nicht gefunden werden."));
}

TEST(BestList, UnitIsWhatFollowsTheSecondBlank)
{
    EXPECT_EQ(unitOfRequirementText(QStringLiteral("ca. 2400 kcal")), QStringLiteral("kcal"));
    EXPECT_EQ(unitOfRequirementText(requirementText(QStringLiteral("12,5"), QStringLiteral("µg"))),
              QStringLiteral("µg"));
    EXPECT_EQ(unitOfRequirementText(QStringLiteral("ca.  mg")), QStringLiteral("mg")); // empty requirement
    EXPECT_EQ(unitOfRequirementText(QStringLiteral("ca. 50")), QString());
    EXPECT_EQ(unitOfRequirementText(QString()), QString());
}

TEST(BestList, BarsScaleToTheBestAndSurviveAZeroMaximum)
{
    struct Case
    {
        double value, best;
        int bar;
    };
    const Case cases[] = {{200, 200, 100}, {100, 200, 50}, {1, 200, 0}, {1, 400, 0}, {2.5, 100, 2},      {3.5, 100, 4},
                          {0, 0, 0},       {5, 0, 0},      {-1, 10, 0}, {0, 10, 0},  {86000, 86000, 100}};
    for (const Case &c : cases)
        EXPECT_EQ(bestListBar(c.value, c.best), c.bar) << c.value << "/" << c.best;
}

TEST(BestList, PrintCountAnswers)
{
    struct Case
    {
        const char16_t *answer;
        std::optional<int> count;
    };
    const int maxInt = std::numeric_limits<int>::max();
    const Case cases[] = {{u"50", 50},
                          {u" 7 ", 7},
                          {u"0", 0},
                          {u"-3", -3},
                          {u"+4", 4},
                          {u"99999999999999999999", maxInt},
                          {u"abc", std::nullopt},
                          {u"", std::nullopt},
                          {u"5,5", std::nullopt},
                          {u"1e3", std::nullopt},
                          {u"5 0", std::nullopt}};
    for (const Case &c : cases)
        EXPECT_EQ(parsePrintCount(QString::fromUtf16(c.answer)), c.count) << QString::fromUtf16(c.answer).toStdString();
    EXPECT_EQ(invalidPrintCountText(QStringLiteral("abc")), QStringLiteral("Der Wert abc ist keine gültige Zahl."));
}

TEST(BestList, PrintRowsCarryNameUnitValueAndEntry)
{
    const QList<RankedFood> foods = {{QStringLiteral("Olivenöl"), 86000},
                                     {QStringLiteral("Apfel, roh"), 0.25},
                                     {QStringLiteral("Unbekannt"), std::nullopt}};
    const QList<QStringList> rows = bestListPrintRows(foods, QStringLiteral("mg"), QStringLiteral("Unges. Fettsäuren"));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0), (QStringList{QStringLiteral("Olivenöl"), QStringLiteral("mg"), QStringLiteral("86000"),
                                       QStringLiteral("Unges. Fettsäuren")}));
    EXPECT_EQ(rows.at(1).at(2), QStringLiteral("0,25"));
    EXPECT_EQ(rows.at(2).at(2), QStringLiteral("k. A."));
}
