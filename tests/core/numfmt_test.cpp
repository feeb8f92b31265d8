#include "core/error.h"
#include "core/numfmt.h"

#include <gtest/gtest.h>
#include <limits>

using namespace torval;

struct FormatCase
{
    double value;
    const char *text;
};

class GeneralFormat : public ::testing::TestWithParam<FormatCase>
{};

TEST_P(GeneralFormat, WritesShortestGermanText)
{
    EXPECT_EQ(formatGeneral(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GeneralFormat,
    ::testing::Values(FormatCase{0, "0"}, FormatCase{12, "12"}, FormatCase{0.25, "0,25"}, FormatCase{1234.5, "1234,5"},
                      FormatCase{-3.5, "-3,5"}, FormatCase{17.16, "17,16"}, FormatCase{33.33, "33,33"},
                      FormatCase{100.0 / 3.0, "33,3333333333333"}, FormatCase{0.1 + 0.2, "0,3"},
                      FormatCase{1e14, "100000000000000"}, FormatCase{123456789012345, "123456789012345"},
                      FormatCase{1e15, "1E15"}, FormatCase{0.00001, "0,00001"}, FormatCase{0.000001, "1E-6"},
                      FormatCase{0.0000015, "1,5E-6"}, FormatCase{884, "884"}, FormatCase{200000, "200000"}));

struct RoundCase
{
    double value;
    double rounded;
};

class HalfEven : public ::testing::TestWithParam<RoundCase>
{};

TEST_P(HalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Cases, HalfEven,
                         ::testing::Values(RoundCase{62.5, 62}, RoundCase{63.5, 64}, RoundCase{2.5, 2},
                                           RoundCase{3.5, 4}, RoundCase{0.05, 0}, RoundCase{-2.5, -2},
                                           RoundCase{62.4999, 62}, RoundCase{62.5001, 63}, RoundCase{0.5, 0},
                                           RoundCase{1.5, 2}));

TEST(HalfEvenDecimal, DecimalHalvesGoToTheEvenNeighbourDespiteBinaryNoise)
{
    EXPECT_EQ(roundHalfEvenDecimal(4.6 * 100.0 / 40.0), 12);      // 11,5 in decimals
    EXPECT_EQ(roundHalfEvenDecimal(638.55 * 100.0 / 1290.0), 50); // 49,5
    EXPECT_EQ(roundHalfEvenDecimal(45 * (0.06125 * 80)), 220);    // 220,5
    EXPECT_EQ(roundHalfEvenDecimal(62.5), 62);
    EXPECT_EQ(roundHalfEvenDecimal(62.4999), 62);
    EXPECT_EQ(roundHalfEvenDecimal(62.5001), 63);
}

TEST(ParseFloat, AcceptsCommaDecimalsAndBlanks)
{
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("12,5")), 12.5);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("100 ")), 100);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral(" 7")), 7);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("-0,5")), -0.5);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("1,5E3")), 1500);
}

TEST(ParseFloat, RejectsWithTheGermanMessage)
{
    for (const char *bad : {"12.5", "", "   ", "abc", "1 0", "5 - 10", "1.000,5", ",", "12,5,1"}) {
        try {
            parseFloat(QString::fromUtf8(bad));
            FAIL() << "accepted " << bad;
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.message(),
                      u'\'' + QString::fromUtf8(bad) + QStringLiteral("' ist kein gültiger Gleitkommawert"));
        }
    }
}

TEST(Dates, ShownAndParsedAsDayMonthYear)
{
    EXPECT_EQ(formatDate(QDate(2004, 2, 3)), QStringLiteral("03.02.2004"));
    EXPECT_EQ(parseDate(QStringLiteral("29.02.2004")), QDate(2004, 2, 29));
    EXPECT_THROW(parseDate(QStringLiteral("31.02.2004")), ConversionError);
    EXPECT_THROW(parseDate(QStringLiteral("2004-02-03")), ConversionError);
    EXPECT_THROW(parseDate(QStringLiteral("")), ConversionError);
}

TEST(Fixed4, KeepsFourDecimals)
{
    const Fixed4 a = Fixed4::fromDouble(250.0 * 52.0 / 100.0);
    EXPECT_EQ(a.raw(), 1300000);
    EXPECT_EQ(Fixed4::fromDouble(33.0 * 52.0 / 100.0).toString(), QStringLiteral("17,16"));
    EXPECT_EQ(Fixed4::fromDouble(1.0 / 3.0).raw(), 3333);
    Fixed4 sum;
    for (int i = 0; i < 3; ++i)
        sum += Fixed4::fromDouble(0.1);
    EXPECT_EQ(sum.toString(), QStringLiteral("0,3"));
    EXPECT_EQ(Fixed4::fromDouble(0.00005).raw(), 0); // half goes to even
    // Beyond its range a value is refused, not wrapped around.
    EXPECT_EQ(Fixed4::fromDouble(922337203685476.0).toString(), QStringLiteral("922337203685476"));
    EXPECT_THROW(Fixed4::fromDouble(1e15), ConversionError);
    EXPECT_THROW(Fixed4::fromDouble(-1e15), ConversionError);
}

TEST(Fixed4, SumsBeyondTheRangeAreRefusedNotWrapped)
{
    const Fixed4 big = Fixed4::fromDouble(600000000000000.0);
    try {
        (void)(big + big);
        FAIL() << "the sum wrapped around";
    } catch (const ConversionError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Der Wert 1,2E15 ist zu groß"));
    }
    Fixed4 acc = big;
    EXPECT_THROW(acc += big, ConversionError);
    EXPECT_EQ(acc, big); // a refused sum leaves the value as it was
    EXPECT_THROW((void)(Fixed4() - big - big), ConversionError);
    EXPECT_EQ((big - big), Fixed4());
}

TEST(RoundToInt, RefusesWhatNoWholeNumberHolds)
{
    EXPECT_EQ(roundToInt(2.5), 2);
    EXPECT_EQ(roundToInt(-9.0e18), qint64(-9000000000000000000));
    for (const double v :
         {1e300, -1e300, 9.3e18, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_THROW(roundToInt(v), ConversionError) << v;
}
