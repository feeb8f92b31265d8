#include "support/clirun.h"
#include "support/testdata.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

test::CliResult runCli(const QStringList &args)
{
    static test::TempProgramDir dir;
    return test::runCli(args, dir.dataDir());
}

} // namespace

TEST(Cli, SearchPrintsNamesInResultOrder)
{
    const test::CliResult r = runCli({QStringLiteral("search"), QStringLiteral("apfel")});
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, QStringLiteral("Apfel, roh\nBratapfel\nApfelsaft\nApfel, roh\nApfelsine\n"));
    const test::CliResult none = runCli({QStringLiteral("search"), QStringLiteral("Birne")});
    EXPECT_EQ(none.rc, 0);
    EXPECT_TRUE(none.out.isEmpty());
}

TEST(Cli, FoodPrintsTheCatalogueInOrder)
{
    const test::CliResult r = runCli({QStringLiteral("food"), QStringLiteral("olivenöl")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 27);
    EXPECT_EQ(lines[0], QStringLiteral("Olivenöl"));
    EXPECT_EQ(lines[1], QStringLiteral("Energie;884;kcal"));
    EXPECT_EQ(lines[6], QStringLiteral("Unges_Fetts;86000;mg"));
    EXPECT_EQ(lines[26], QStringLiteral("Vitamin_C;0;µg"));
}

TEST(Cli, ErrorsAreGermanWithExitCodeOne)
{
    const test::CliResult unknown = runCli({QStringLiteral("food"), QStringLiteral("Marsriegel")});
    EXPECT_EQ(unknown.rc, 1);
    EXPECT_EQ(unknown.err, QStringLiteral("Nahrungsmittel 'Marsriegel' nicht gefunden\n"));
    QString out, err;
    QTextStream o(&out), e(&err);
    EXPECT_EQ(cli::run({QStringLiteral("--data"), QStringLiteral("/nonexistent"), QStringLiteral("search"),
                        QStringLiteral("x")},
                       QString(), o, e),
              1);
    e.flush();
    EXPECT_TRUE(err.startsWith(QStringLiteral("Datenverzeichnis"))) << err.toStdString();
}
