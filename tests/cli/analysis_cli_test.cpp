#include "core/textfile.h"
#include "support/clirun.h"
#include "support/testdata.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;

namespace {

class AnalysisCli : public ::testing::Test
{
protected:
    test::TempProgramDir dir;
    QTemporaryDir files;

    QString day(const QByteArray &content)
    {
        const QString path = files.filePath(QStringLiteral("tag.txt"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        return path;
    }
    test::CliResult run(const QStringList &args) { return test::runCli(args, dir.dataDir()); }
};

} // namespace

TEST_F(AnalysisCli, AnalysePrintsTheResultLinesAndTheRatio)
{
    const test::CliResult r = run({QStringLiteral("analyse"), day("Apfel, roh;250\r\n\r\nEigelb;20\n")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const QStringList lines = r.out.split(u'\n');
    ASSERT_EQ(lines.size(), 30); // 26 + 3 + the empty rest after the last LF
    EXPECT_EQ(lines[0], QStringLiteral("Energie;kcal;194,4;2300;8 %"));
    EXPECT_EQ(lines[25].section(u';', 0, 0), QStringLiteral("Vitamin C"));
    EXPECT_EQ(lines[26], QStringLiteral("Eiweiß;10,09"));
    EXPECT_EQ(lines[27], QStringLiteral("Fett;14,89"));
    EXPECT_EQ(lines[28], QStringLiteral("Kohlenhydrate;75,02"));
}

TEST_F(AnalysisCli, GroupAndCalculatorTotal)
{
    const QString file = day("Apfel, roh;250\n");
    const test::CliResult men =
        run({QStringLiteral("analyse"), QStringLiteral("--group"), QStringLiteral("Männer 19-24"), file});
    ASSERT_EQ(men.rc, 0);
    EXPECT_TRUE(men.out.startsWith(QStringLiteral("Energie;kcal;130;2760;5 %\nWasser;g;214;3240;7 %\n")));
    const test::CliResult kcal =
        run({QStringLiteral("analyse"), QStringLiteral("--kcal"), QStringLiteral("2600"), file});
    ASSERT_EQ(kcal.rc, 0);
    EXPECT_TRUE(kcal.out.startsWith(QStringLiteral("Energie;kcal;130;2600;5 %\nWasser;g;214;2700;8 %\n")));
    const test::CliResult zero = run({QStringLiteral("analyse"), QStringLiteral("--kcal"), QStringLiteral("0"), file});
    EXPECT_TRUE(zero.out.startsWith(QStringLiteral("Energie;kcal;130;2300;6 %\n")));
}

TEST_F(AnalysisCli, WindowsTextAndMessages)
{
    // "Öl, pflanzlich" in Windows-1252, a food that does not exist twice.
    const test::CliResult r =
        run({QStringLiteral("analyse"), day("\xD6l, pflanzlich;10\nMarsriegel;5\nMarsriegel;5\n")});
    ASSERT_EQ(r.rc, 0);
    EXPECT_EQ(r.err, QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.\n"
                                    "Das Nahrungsmittel Marsriegel wurde nicht gefunden.\n"));
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("Energie;kcal;88,4;")));
}

TEST_F(AnalysisCli, NegativeOrHugeAmountsAreRefusedWithTheirLine)
{
    for (const QByteArray &day :
         {QByteArray("Apfel, roh;250\nEigelb;-20\n"), QByteArray("Apfel, roh;250\nEigelb;1e20\n")}) {
        const test::CliResult r = run({QStringLiteral("analyse"), this->day(day)});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Zeile 2: Die Menge "))) << r.err.toStdString();
    }
}

TEST_F(AnalysisCli, Failures)
{
    const test::CliResult bad = run({QStringLiteral("analyse"), day("Marsriegel;1\nApfel, roh;viel\n")});
    EXPECT_EQ(bad.rc, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err, QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.\n"
                                      "'viel' ist kein gültiger Gleitkommawert\n"));
    const test::CliResult group = run(
        {QStringLiteral("analyse"), QStringLiteral("--group"), QStringLiteral("Männer 25-50"), day("Apfel, roh;1\n")});
    EXPECT_EQ(group.rc, 1);
    EXPECT_EQ(group.err, QStringLiteral("Die Personengruppe Männer 25-50 wurde in der Datenbank nicht gefunden.\n"));
    const test::CliResult missing = run({QStringLiteral("evaluate"), files.filePath(QStringLiteral("fehlt.txt"))});
    EXPECT_EQ(missing.rc, 1);
    EXPECT_TRUE(missing.err.startsWith(QStringLiteral("Datei ")));
    EXPECT_EQ(run({QStringLiteral("analyse")}).rc, 2);
    EXPECT_EQ(run({QStringLiteral("analyse"), QStringLiteral("--farbe"), QStringLiteral("rot"), day("")}).rc, 2);
}

TEST_F(AnalysisCli, EvaluatePrintsTheBlocksWithLf)
{
    const test::CliResult r = run({QStringLiteral("evaluate"), day("")});
    ASSERT_EQ(r.rc, 0);
    EXPECT_FALSE(r.out.contains(u'\r'));
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("ENERGIE:\nDie Energieaufnahme dieses Tages fiel zu gering aus.")));
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("ALKOHOL:\nSie haben keine schädliche Menge an Alkohol zu sich genommen.\n\n")));
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Essen Sie mehr Gemüse und Obst!\n\n")));
    EXPECT_EQ(r.out.count(QStringLiteral("\n\n")), 26);
    // With the calculator total the energy verdict follows it.
    const test::CliResult high =
        run({QStringLiteral("evaluate"), QStringLiteral("--kcal"), QStringLiteral("100"), day("Apfel, roh;300\n")});
    EXPECT_TRUE(high.out.startsWith(QStringLiteral("ENERGIE:\nSie haben für diesen Tag zu viel Energie aufgenommen.")));
}
