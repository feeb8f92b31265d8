#include "core/reportdef.h"
#include "core/reportexport.h"
#include "core/sourcedata.h"
#include "core/textfile.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

PreparedReport nutrientTable(int rows)
{
    const ReportDefinition d = parseReportDefinition(
        QStringLiteral(
            "[Bericht]\nTitel = Tagesanalyse {{Nährstoffe}}\nFußzeile = {Druckdatum} | | Seite {Seite} von {Seiten}\n"
            "[Spalte]\nÜberschrift = Inhaltsstoffe\nFeld = Text1\nBreite = 60\n"
            "[Spalte]\nÜberschrift = Einheit\nFeld = Text2\nBreite = 20\n"
            "[Spalte]\nÜberschrift = Ist\nFeld = Text3\nBreite = 30\nAusrichtung = rechts\n"),
        QStringLiteral("N.frf"));
    ReportData data;
    data.fields = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")};
    const QList<QStringList> sample = {
        {QStringLiteral("Energie"), QStringLiteral("kcal"), QStringLiteral("1234,5")},
        {QStringLiteral("Unges. Fettsäuren"), QStringLiteral("mg"), QStringLiteral("0,25")},
        {QStringLiteral("Vitamin C"), QStringLiteral("µg"), QStringLiteral("100000")},
        {QStringLiteral("a;b \"c\""), QStringLiteral(" g"), QStringLiteral("x\ny")},
        {QStringLiteral("{Klammer} \\ Rückstrich"), QStringLiteral("€"), QStringLiteral("Ω")}};
    for (int i = 0; i < rows; ++i)
        data.records << sample.at(i % sample.size());
    return prepareReport(d, data, QDate(2024, 2, 29));
}

// The rows of a CSV export, its header first (the reader of our own data
// sources reads the same format).
QList<QStringList> readCsv(const QString &text)
{
    const SourceTable t = parseSourceTable(text);
    return QList<QStringList>{t.header} + t.rows;
}

} // namespace

TEST(ReportCsv, ReadsBackCellForCellInWindows1252)
{
    const PreparedReport r = nutrientTable(5);
    const QByteArray bytes = reportToCsv(r);
    EXPECT_TRUE(bytes.startsWith("Inhaltsstoffe;Einheit;Ist\r\nEnergie;kcal;1234,5\r\n"));
    EXPECT_TRUE(bytes.contains("Unges. Fetts\xe4uren;mg;0,25\r\n"));
    EXPECT_TRUE(bytes.contains("Vitamin C;\xb5g;100000\r\n"));
    EXPECT_TRUE(bytes.contains("\"a;b \"\"c\"\"\";\" g\";\"x\ny\"\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QList<QStringList> back = readCsv(decodeWindows1252(bytes));
    ASSERT_EQ(back.size(), 6);
    EXPECT_EQ(back.at(0), r.csvHeader);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(back.at(i + 1), i == 4 ? (QStringList{QStringLiteral("{Klammer} \\ Rückstrich"), QStringLiteral("€"),
                                                        QStringLiteral("?")})
                                         : r.csvRows.at(i))
            << i;
}

TEST(ReportCsv, EmptyReportIsTheHeaderRow)
{
    EXPECT_EQ(reportToCsv(nutrientTable(0)), QByteArray("Inhaltsstoffe;Einheit;Ist\r\n"));
}

TEST(ReportRtf, EscapesText)
{
    EXPECT_EQ(rtfText(QStringLiteral("a{b}c\\d")), QByteArray("a\\{b\\}c\\\\d"));
    EXPECT_EQ(rtfText(QStringLiteral("Fettsäuren µg €")), QByteArray("Fetts\\'e4uren \\'b5g \\'80"));
    EXPECT_EQ(rtfText(QStringLiteral("Ω")), QByteArray("\\u937?"));
    EXPECT_EQ(rtfText(QStringLiteral("1\r\n2\n3\t4")), QByteArray("1\\line 2\\line 3\\tab 4"));
}

TEST(ReportRtf, WritesATableWithARepeatedHeadingRow)
{
    const PreparedReport r = nutrientTable(3);
    const QByteArray rtf = reportToRtf(r);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    // Balanced groups.
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == '\\') {
            ++i;
            continue;
        }
        depth += rtf.at(i) == '{' ? 1 : rtf.at(i) == '}' ? -1 : 0;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    // Heading row plus one row per record, three cells each.
    EXPECT_EQ(rtf.count("\\trowd"), 4);
    EXPECT_EQ(rtf.count("\\row\n"), 4);
    EXPECT_EQ(rtf.count("\\cell\n"), 12);
    EXPECT_EQ(rtf.count("\\trhdr"), 1);
    EXPECT_TRUE(rtf.contains(QByteArray("\\cellx" + QByteArray::number(mmToTwips(60)) + "\\")));
    EXPECT_TRUE(rtf.contains("Unges. Fetts\\'e4uren\\cell"));
    EXPECT_TRUE(rtf.contains("\\qr\\plain\\f0\\fs20 1234,5\\cell"));
    EXPECT_TRUE(rtf.contains("Tagesanalyse \\{N\\'e4hrstoffe\\}"));
    EXPECT_TRUE(rtf.contains("{\\footer"));
    EXPECT_TRUE(rtf.contains("Seite {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}} von {\\field{\\*\\fldinst NUMPAGES}"));
    EXPECT_TRUE(rtf.contains("29.02.2024"));
    EXPECT_TRUE(rtf.contains("\\paperw11906\\paperh16838"));
}
