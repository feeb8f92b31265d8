#include "core/catalogue.h"
#include "core/error.h"
#include "core/evaluation.h"
#include "core/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;

namespace {

// 26 result lines with one percentage for all, one other for a line.
QStringList resultLines(int all, const QString &name = QString(), int percent = 0)
{
    QStringList lines;
    for (const Nutrient &n : nutrients()) {
        const int p = n.fullName() == name ? percent : all;
        lines << n.fullName() + QStringLiteral(";g;1;1;") + QString::number(p) + QStringLiteral(" %");
    }
    return lines;
}

const EvaluationRule &rule(const char16_t *name)
{
    for (const EvaluationRule &r : evaluationRules())
        if (QStringView(r.lineName) == QStringView(name))
            return r;
    throw Error(QStringLiteral("no rule"));
}

QByteArray bytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += encodeWindows1252(l) + "\r\n";
    return out;
}

} // namespace

TEST(Evaluation, TableHasTheNutrientsInAnalysisOrderWithTheirSentenceCounts)
{
    const auto &rules = evaluationRules();
    // first / middle / upper band sentence counts, row by row
    const int counts[26][3] = {{2, 1, 3}, {1, 1, 1}, {2, 1, 1}, {2, 1, 2}, {2, 1, 1}, {3, 1, 1}, {1, 2, 2},
                               {1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {2, 1, 1}, {1, 1, 1}, {2, 1, 2}, {3, 1, 1},
                               {2, 1, 1}, {2, 1, 1}, {2, 2, 1}, {2, 1, 1}, {2, 1, 2}, {2, 1, 1}, {2, 2, 1},
                               {2, 1, 1}, {1, 1, 1}, {2, 2, 1}, {2, 2, 2}, {2, 3, 1}};
    for (int i = 0; i < kEvaluationRuleCount; ++i) {
        const EvaluationRule &r = rules[std::size_t(i)];
        EXPECT_EQ(QString::fromUtf16(r.lineName), nutrients()[std::size_t(i)].fullName());
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(r.bands[std::size_t(b)].size(), counts[i][b]) << i << ' ' << b;
    }
    EXPECT_EQ(QString::fromUtf16(rules[5].heading), QStringLiteral("UNGESÄTTIGTE FETTSÄUREN:"));
    EXPECT_EQ(QString::fromUtf16(rules[9].heading), QStringLiteral("TIERISCHES EIWEISS:"));
}

TEST(Evaluation, BandBoundaries)
{
    const struct
    {
        const char16_t *name;
        double percent;
        int band;
    } cases[] = {
        {u"Energie", 74, 0},
        {u"Energie", 75, 1},
        {u"Energie", 140, 1},
        {u"Energie", 141, 2},
        {u"Vitamin C", 74, 0},
        {u"Vitamin C", 141, 2},
        {u"Unges. Fettsäuren", 74, 0},
        {u"Unges. Fettsäuren", 141, 1},
        {u"Unges. Fettsäuren", 150, 1},
        {u"Unges. Fettsäuren", 151, 2},
        {u"Alkohol", 0, 0},
        {u"Alkohol", 100, 0},
        {u"Alkohol", 101, 1},
        {u"Alkohol", 200, 1},
        {u"Alkohol", 201, 2},
        {u"Energie", 74.5, 0},
        {u"Energie", 140.5, 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(evaluationBand(rule(c.name), c.percent), c.band)
            << QString::fromUtf16(c.name).toStdString() << ' ' << c.percent;
}

TEST(Evaluation, PercentIsReadBetweenTheFourthSemicolonAndThePercentSign)
{
    EXPECT_EQ(resultLinePercent(QStringLiteral("Energie;kcal;1834,5;2000;92 %")), 92);
    EXPECT_EQ(resultLinePercent(QStringLiteral("Energie;kcal;1;2; 7 %")), 7);
    EXPECT_THROW(resultLinePercent(QStringLiteral("Energie;kcal;1;2;x %")), ConversionError);
}

TEST(Evaluation, EmptyDayIsLowEverywhereButHarmlessForAlcohol)
{
    const QStringList text = evaluationLines(resultLines(0));
    const auto &rules = evaluationRules();
    QStringList expected;
    for (const EvaluationRule &r : rules) {
        expected << QString::fromUtf16(r.heading) << r.bands[0] << QString();
    }
    EXPECT_EQ(text, expected);
    const qsizetype alcohol = text.indexOf(QStringLiteral("ALKOHOL:"));
    ASSERT_GE(alcohol, 0);
    EXPECT_EQ(text.at(alcohol + 1), QStringLiteral("Sie haben keine schädliche Menge an Alkohol zu sich genommen."));
}

TEST(Evaluation, OneBlockPerNamedLineInTheLinesOrder)
{
    QStringList lines = resultLines(100, QStringLiteral("Energie"), 160);
    lines.prepend(QStringLiteral("Unbekannt;g;1;1;50 %"));
    const QStringList text = evaluationLines(lines);
    EXPECT_EQ(text.count(QString()), 26);
    EXPECT_EQ(text.at(0), QStringLiteral("ENERGIE:"));
    EXPECT_EQ(text.at(1),
              QStringLiteral("Sie haben für diesen Tag zu viel Energie aufgenommen. Auf Dauer führt das zur "
                             "Bildung von Fettdepots im Körper, die wiederum für lange Zeit Energie spenden "
                             "könnten."));
    EXPECT_EQ(text.at(4), QString());
    // Blocks have three to five lines.
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text.at(i).isEmpty()) {
            EXPECT_GE(i - start + 1, 3);
            EXPECT_LE(i - start + 1, 5);
            start = i + 1;
        }
}

TEST(Evaluation, SentencesKeepTheirDoubledBlanksAndQuotes)
{
    const QString low = evaluationLines(resultLines(0)).join(u'\n');
    EXPECT_TRUE(low.contains(QStringLiteral("Auf Dauer könnte das zu  Nierenerkrankungen")));
    EXPECT_TRUE(low.contains(QStringLiteral("zu einem  Eisenmangel")));
    const QString adequate = evaluationLines(resultLines(100)).join(u'\n');
    EXPECT_TRUE(adequate.contains(QStringLiteral("Schleimhautfunktionalität,  Eisenstoffwechsel")));
    EXPECT_TRUE(adequate.contains(QStringLiteral("eher zu einem Abbau von \"schlechtem\" LDL-Cholesterin.")));
    // The same sentence stands in two bands of Vitamin B6.
    const QString b6 = QStringLiteral("Wenn Sie Medikamente (z.B. Verhütungspille) einnehmen, Alkohol trinken oder am "
                                      "Darm erkrankt sind, dann benötigen Sie mehr Vitamin B6.");
    EXPECT_TRUE(rule(u"Vitamin B6").bands[1].contains(b6));
    EXPECT_TRUE(rule(u"Vitamin B6").bands[2].contains(b6));
}

TEST(Evaluation, FileBytesAreWindows1252WithCrLfAndAFinalEmptyLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(evaluationFileName());
    const QStringList text = evaluationLines(resultLines(0));
    writeLines(path, text);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_EQ(data, bytes(text));
    EXPECT_TRUE(data.startsWith("ENERGIE:\r\nDie Energieaufnahme dieses Tages fiel zu gering aus. Im Rahmen einer "
                                "Reduktionsdi\xE4t ist"));
    EXPECT_TRUE(data.endsWith("Essen Sie mehr Gem\xFCse und Obst!\r\n\r\n"));
    EXPECT_TRUE(data.contains("ALKOHOL:\r\nSie haben keine sch\xE4"
                              "dliche Menge an Alkohol zu sich genommen.\r\n\r\n"
                              "HARNS\xC4URE:\r\n"));
    EXPECT_FALSE(data.contains('?'));
    EXPECT_FALSE(data.contains("\n\n")); // every line end is CR LF
    EXPECT_EQ(data.count("\r\n\r\n"), 26);
    // Writing again replaces the file with the same bytes.
    writeLines(path, text);
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), data);
}
