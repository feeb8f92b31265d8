#include "core/sport.h"

#include <gtest/gtest.h>

using namespace torval;

TEST(SportList, TwoEntriesRoundTrip)
{
    const QList<SportEntry> entries = {{QStringLiteral("30"), QStringLiteral("307"), QStringLiteral("17")},
                                       {QStringLiteral("45"), QStringLiteral("221"), QStringLiteral("4")}};
    const QString text = formatSportList(entries);
    EXPECT_EQ(text, QStringLiteral("30;307;17#45;221;4#"));
    EXPECT_EQ(parseSportList(text), entries);
    EXPECT_EQ(sportEnergy(entries), Fixed4::fromDouble(528));
}

TEST(SportList, Reading)
{
    struct Case
    {
        const char *name;
        QString text;
        QList<SportEntry> expected;
    };
    const SportEntry tennis{QStringLiteral("60"), QStringLiteral("613"), QStringLiteral("17")};
    const Case cases[] = {
        {"empty text, empty list", QString(), {}},
        {"one entry", QStringLiteral("60;613;17#"), {tennis}},
        {"last entry without its mark", QStringLiteral("60;613;17"), {tennis}},
        {"damaged piece left out", QStringLiteral("60;613#60;613;17#"), {tennis}},
        {"non-numeric piece left out", QStringLiteral("x;1;2#60;613;17#"), {tennis}},
        {"doubled mark", QStringLiteral("60;613;17##"), {tennis}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseSportList(c.text), c.expected) << c.name;
    EXPECT_EQ(formatSportList({}), QString());
    EXPECT_EQ(sportEnergy({}), Fixed4());
}

TEST(SportList, KcalIsMinutesTimesFactorTimesWeightHalvesToEven)
{
    struct Case
    {
        const char *name;
        int minutes;
        double factor;
        int weight;
        qint64 kcal;
    };
    const Case cases[] = {
        {"Tennis 30 min at 80 kg", 30, 0.12775, 80, 307},                             // 306,6
        {"Tennis 60 min at 80 kg", 60, 0.12775, 80, 613},                             // 613,2
        {"Gehen 45 min at 75 kg", 45, 0.06125, 75, 207},                              // 206,71875
        {"exact half down to even", 1, 0.5, 5, 2},                                    // 2,5
        {"exact half up to even", 1, 0.5, 7, 4},                                      // 3,5
        {"Gehen 45 min at 80 kg: a half despite binary noise", 45, 0.06125, 80, 220}, // 220,5
        {"Laufen 15 min at 70 kg", 15, 0.1225, 70, 129},                              // 128,625
        {"Ski wandern 50 min at 75 kg", 50, 0.119, 75, 446},                          // 446,25
        {"no minutes", 0, 0.12775, 80, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(sportKcal(c.minutes, c.factor, c.weight), c.kcal) << c.name;
}
