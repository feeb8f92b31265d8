#include "support/clirun.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

test::CliResult bestlist(const QStringList &args)
{
    static test::TempProgramDir dir;
    return test::runCli(QStringList{QStringLiteral("bestlist")} + args, dir.dataDir());
}

} // namespace

TEST(CliBestlist, PrintsNameAndValueInRankOrder)
{
    const test::CliResult r = bestlist({QStringLiteral("Unges_Fetts"), QStringLiteral("3")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Olivenöl;86000\nÖl, pflanzlich;80000\nEigelb;15000\n"));
    const test::CliResult t = bestlist({QStringLiteral("tier_ew"), QStringLiteral("4")});
    ASSERT_EQ(t.rc, 0) << t.err.toStdString();
    EXPECT_EQ(t.out, QStringLiteral("Bergkäse;28\nBergkäse;27\nEigelb;15,9\nVollmilch;3,3\n"));
}

TEST(CliBestlist, EqualValuesComeInRecordOrder)
{
    // Olivenöl (record 5) and Öl, pflanzlich (record 6) both have 884 kcal.
    const test::CliResult r = bestlist({QStringLiteral("Energie"), QStringLiteral("3")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Olivenöl;884\nÖl, pflanzlich;884\nBergkäse;400\n"));
    // Vitamin C 1000: Apfelsaft (record 3) before Vollmilch (record 11).
    const QStringList vc = bestlist({QStringLiteral("Vitamin_C"), QStringLiteral("8")}).out.split(u'\n');
    EXPECT_EQ(vc.at(6), QStringLiteral("Apfelsaft;1000"));
    EXPECT_EQ(vc.at(7), QStringLiteral("Vollmilch;1000"));
}

TEST(CliBestlist, DefaultsToTwentyOnePositionsAndStopsAtTheLastFood)
{
    const test::CliResult r = bestlist({QStringLiteral("Vitamin_C")});
    ASSERT_EQ(r.rc, 0);
    // The fixture holds 16 foods: all of them, highest first.
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.first(), QStringLiteral("Apfelsine;50000"));
    const test::CliResult all = bestlist({QStringLiteral("Vitamin_C"), QStringLiteral("99999999999")});
    EXPECT_EQ(all.out, r.out);
    EXPECT_TRUE(bestlist({QStringLiteral("Vitamin_C"), QStringLiteral("0")}).out.isEmpty());
}

TEST(CliBestlist, RejectsUnknownColumnsAndCounts)
{
    const test::CliResult unknown = bestlist({QStringLiteral("Vitamin_K")});
    EXPECT_EQ(unknown.rc, 1);
    EXPECT_EQ(unknown.err, QStringLiteral("Unbekannter Nährstoff Vitamin_K\n"));
    // A column name is never pasted into SQL unchecked.
    EXPECT_EQ(bestlist({QStringLiteral("Energie; DROP TABLE x")}).rc, 1);
    EXPECT_EQ(bestlist({QStringLiteral("Energie"), QStringLiteral("viele")}).rc, 2);
    EXPECT_EQ(bestlist({}).rc, 2);
}
