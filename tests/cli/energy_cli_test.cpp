#include "core/clock.h"
#include "support/clirun.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

// Neither command needs a data directory.
test::CliResult runCli(const QStringList &args)
{
    return test::runCli(args, QStringLiteral("/nonexistent"));
}

QStringList energyArgs(const QString &weight, const QString &sex, const QString &activity, const QString &hours)
{
    return {QStringLiteral("energy"),
            QStringLiteral("--weight"),
            weight,
            QStringLiteral("--sex"),
            sex,
            QStringLiteral("--activity"),
            activity,
            QStringLiteral("--hours"),
            hours};
}

} // namespace

TEST(CliEnergy, PrintsTheThreeValues)
{
    struct Case
    {
        QStringList args;
        QString out;
    };
    const Case cases[] = {
        {{QStringLiteral("energy")}, QStringLiteral("1800;784;2584\n")},
        {energyArgs(QStringLiteral("75"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("7")),
         QStringLiteral("1636;630;2266\n")},
        {energyArgs(QStringLiteral("60"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("8")),
         QStringLiteral("1309;320;1629\n")},
        {energyArgs(QStringLiteral("80"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7"))
             << QStringLiteral("--sport") << QStringLiteral("250"),
         QStringLiteral("1920;1034;2954\n")},
        {energyArgs(QStringLiteral("75 "), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral(" 7")),
         QStringLiteral("1800;784;2584\n")},
    };
    for (const Case &c : cases) {
        const test::CliResult r = runCli(c.args);
        EXPECT_EQ(r.rc, 0) << c.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, c.out) << c.args.join(u' ').toStdString();
    }
}

TEST(CliEnergy, BadInput)
{
    struct Case
    {
        QStringList args;
        int rc;
    };
    const Case cases[] = {
        {energyArgs(QString(), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")), 1},
        {energyArgs(QStringLiteral("7 5"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")), 1},
        {energyArgs(QStringLiteral("75"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("x")), 1},
        {{QStringLiteral("energy"), QStringLiteral("--sport"), QStringLiteral("viel")}, 1},
        {energyArgs(QStringLiteral("75"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("7")), 2},
        {energyArgs(QStringLiteral("75"), QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("7")), 2},
        {{QStringLiteral("energy"), QStringLiteral("--weight")}, 2},
        {{QStringLiteral("energy"), QStringLiteral("--gewicht"), QStringLiteral("75")}, 2},
        // Beyond what the page's fields take: no wrapped-around numbers.
        {energyArgs(QStringLiteral("1e300"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")), 1},
        {energyArgs(QStringLiteral("1000"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")), 1},
        {energyArgs(QStringLiteral("-75"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")), 1},
        {energyArgs(QStringLiteral("75"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("100")), 1},
        {{QStringLiteral("energy"), QStringLiteral("--sport"), QStringLiteral("-500")}, 1},
    };
    for (const Case &c : cases) {
        const test::CliResult r = runCli(c.args);
        EXPECT_EQ(r.rc, c.rc) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.args.join(u' ').toStdString();
    }
}

TEST(CliEnergy, OutOfRangeSaysWhatIsAllowed)
{
    const test::CliResult r =
        runCli(energyArgs(QStringLiteral("1e300"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("7")));
    EXPECT_EQ(r.err, QStringLiteral("Das Körpergewicht muss zwischen 0 und 999 kg liegen.\n"));
}

TEST(CliDiet, EndDate)
{
    const QStringList base = {QStringLiteral("diet"),   QStringLiteral("--start"), QStringLiteral("20.01.2003"),
                              QStringLiteral("--from"), QStringLiteral("75"),      QStringLiteral("--to"),
                              QStringLiteral("70")};
    test::CliResult r = runCli(base);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, QStringLiteral("01.04.2003\n")); // 71 days at the default 500 kcal
    r = runCli(QStringList(base) << QStringLiteral("--kcal") << QStringLiteral("700"));
    EXPECT_EQ(r.out, QStringLiteral("12.03.2003\n")); // 5000 / 98 = 51,02 days

    for (const QString &kcal : {QStringLiteral("0"), QString(), QStringLiteral("viel")}) {
        r = runCli(QStringList(base) << QStringLiteral("--kcal") << kcal);
        EXPECT_EQ(r.rc, 1) << kcal.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    r = runCli({QStringLiteral("diet"), QStringLiteral("--from"), QStringLiteral("75")});
    EXPECT_EQ(r.rc, 2);
    r = runCli({QStringLiteral("diet"), QStringLiteral("--start"), QStringLiteral("31.02.2003"),
                QStringLiteral("--from"), QStringLiteral("75"), QStringLiteral("--to"), QStringLiteral("70")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(r.out.isEmpty());
}

TEST(CliDiet, StartsTodayByDefault)
{
    Clock::setSource([] { return QDate(2024, 2, 27); });
    const test::CliResult r = runCli({QStringLiteral("diet"), QStringLiteral("--from"), QStringLiteral("75"),
                                      QStringLiteral("--to"), QStringLiteral("70")});
    Clock::reset();
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, QStringLiteral("08.05.2024\n"));
}
