#include "core/error.h"
#include "core/reportdef.h"

#include <gtest/gtest.h>

using namespace torval;

namespace {

const QString kTable = QStringLiteral("# Beispiel\n"
                                      "[Bericht]\n"
                                      "Titel = Nährstoffbestenliste ({Text4}) in {Text2} je 100 g\n"
                                      "Untertitel = Stand {Druckdatum}\n"
                                      "Ränder = 10 10 15 25\n"
                                      "Schrift = Arial 9\n"
                                      "Titelschrift = Times New Roman 16 fett kursiv\n"
                                      "Fußzeile = {Druckdatum} | {Titel} | Seite {Seite} von {Seiten}\n"
                                      "Zeilenlinien = nein\n"
                                      "\n"
                                      "[Spalte]\n"
                                      "Überschrift = Nr.\n"
                                      "Inhalt = {Nr}.\n"
                                      "Breite = 12\n"
                                      "Ausrichtung = rechts\n"
                                      "[Spalte]\n"
                                      "Überschrift = Nahrungsmittel\n"
                                      "Feld = Text1\n"
                                      "[spalte]\n"
                                      "ueberschrift = Menge\n"
                                      "inhalt = {Text3} {Text2}\n"
                                      "breite = 30\n"
                                      "ausrichtung = rechts\n");

ReportData bestData()
{
    ReportData d;
    d.fields = {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3"), QStringLiteral("Text4"),
                QStringLiteral("Text5")};
    d.records = {{QStringLiteral("Olivenöl"), QStringLiteral("mg"), QStringLiteral("86000"),
                  QStringLiteral("Unges. Fettsäuren"), QString()},
                 {QStringLiteral("Öl; pflanzlich"), QStringLiteral("mg"), QStringLiteral("80000"),
                  QStringLiteral("Unges. Fettsäuren"), QString()}};
    return d;
}

} // namespace

TEST(ReportDefinition, ParsesKeysSectionsAndFonts)
{
    const ReportDefinition d = parseReportDefinition(kTable, QStringLiteral("Test.frf"));
    EXPECT_TRUE(d.isTable());
    EXPECT_TRUE(d.readsPrintTable());
    EXPECT_EQ(d.marginTopMm, 10);
    EXPECT_EQ(d.marginLeftMm, 25);
    EXPECT_EQ(d.marginBottomMm, 15);
    EXPECT_EQ(d.font.pointSize, 9);
    EXPECT_EQ(d.titleFont, (ReportFont{QStringLiteral("Times New Roman"), 16, true, true}));
    EXPECT_FALSE(d.rowLines);
    EXPECT_EQ(d.footer, (QStringList{QStringLiteral("{Druckdatum}"), QStringLiteral("{Titel}"),
                                     QStringLiteral("Seite {Seite} von {Seiten}")}));
    ASSERT_EQ(d.columns.size(), 3);
    EXPECT_EQ(d.columns.at(0).align, ReportAlign::Right);
    EXPECT_EQ(d.columns.at(1).content, QStringLiteral("{Text1}"));
    EXPECT_EQ(d.columns.at(1).widthMm, 0);
    EXPECT_EQ(d.columns.at(2).heading, QStringLiteral("Menge"));
}

TEST(ReportDefinition, PreparesRowsTitleAndMargins)
{
    const ReportDefinition d = parseReportDefinition(kTable, QStringLiteral("Test.frf"));
    const PreparedReport r = prepareReport(d, bestData(), QDate(2024, 3, 5));
    EXPECT_EQ(r.title, QStringLiteral("Nährstoffbestenliste (Unges. Fettsäuren) in mg je 100 g"));
    EXPECT_EQ(r.subtitle, QStringLiteral("Stand 05.03.2024"));
    EXPECT_EQ(r.headings,
              (QStringList{QStringLiteral("Nr."), QStringLiteral("Nahrungsmittel"), QStringLiteral("Menge")}));
    ASSERT_EQ(r.rows.size(), 2);
    EXPECT_EQ(r.rows.at(1),
              (QStringList{QStringLiteral("2."), QStringLiteral("Öl; pflanzlich"), QStringLiteral("80000 mg")}));
    EXPECT_EQ(r.csvHeader, r.headings);
    EXPECT_EQ(r.marginText(d.footer.at(2), 2, 7), QStringLiteral("Seite 2 von 7"));
    EXPECT_EQ(r.marginText(d.footer.at(1), 1, 1), r.title);
}

TEST(ReportDefinition, AReportWithoutRecordsKeepsItsHeadings)
{
    const ReportDefinition d = parseReportDefinition(kTable, QStringLiteral("Test.frf"));
    ReportData empty = bestData();
    empty.records.clear();
    const PreparedReport r = prepareReport(d, empty, QDate(2024, 3, 5));
    EXPECT_TRUE(r.rows.isEmpty());
    EXPECT_EQ(r.headings.size(), 3);
    EXPECT_EQ(r.title, QStringLiteral("Nährstoffbestenliste () in  je 100 g"));
}

TEST(ReportDefinition, ParagraphReportsRunOverOneRecordOfAnyTable)
{
    const QString text = QStringLiteral("[Bericht]\nQuelle = Rezepte.adt\nTitel = Rezept\n"
                                        "[Absatz]\nInhalt = {Bezeichnung}\nSchrift = Arial 14 fett\nAbstand = 4\n"
                                        "[Absatz]\nInhalt = Kategorie: {Kategorie}\n"
                                        "[Absatz]\nInhalt = {Text}\nAusrichtung = links\n");
    const ReportDefinition d = parseReportDefinition(text, QStringLiteral("Rezepte.frf"));
    EXPECT_FALSE(d.isTable());
    EXPECT_FALSE(d.readsPrintTable());
    ReportData data;
    data.fields = {QStringLiteral("Kategorie"), QStringLiteral("Bezeichnung"), QStringLiteral("Text"),
                   QStringLiteral("Autor")};
    data.records = {{QStringLiteral("Kuchen"), QStringLiteral("Apfelkuchen"), QStringLiteral("Zeile 1\r\nZeile 2"),
                     QStringLiteral("Anna")}};
    const PreparedReport r = prepareReport(d, data, QDate(2024, 1, 1));
    ASSERT_EQ(r.records.size(), 1);
    ASSERT_EQ(r.records.at(0).size(), 3);
    EXPECT_EQ(r.records.at(0).at(0).text, QStringLiteral("Apfelkuchen"));
    EXPECT_EQ(r.records.at(0).at(1).text, QStringLiteral("Kategorie: Kuchen"));
    EXPECT_EQ(r.records.at(0).at(2).text, QStringLiteral("Zeile 1\r\nZeile 2"));
    EXPECT_EQ(d.paragraphs.at(0).font.pointSize, 14);
    EXPECT_EQ(d.paragraphs.at(1).font.pointSize, 10);
    // Export columns: the fields the paragraphs name, in order of use.
    EXPECT_EQ(r.csvHeader,
              (QStringList{QStringLiteral("Bezeichnung"), QStringLiteral("Kategorie"), QStringLiteral("Text")}));
    EXPECT_EQ(r.csvRows.at(0).at(0), QStringLiteral("Apfelkuchen"));
}

TEST(ReportDefinition, BracesAndPlaceholders)
{
    EXPECT_EQ(templateNames(QStringLiteral("{A} und {B} und {A}")),
              (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(templatePieces(QStringLiteral("{{x}} {Text1}!")),
              (QStringList{QStringLiteral("{x} "), QStringLiteral("Text1"), QStringLiteral("!")}));
    EXPECT_TRUE(templateNames(QStringLiteral("ohne")).isEmpty());
}

TEST(ReportDefinition, FaultsNameFileAndLine)
{
    struct Case
    {
        const char *name;
        const char16_t *text;
        const char16_t *message;
    };
    const Case cases[] = {
        {"NoReportSection", u"[Spalte]\nFeld = Text1\n", u"Berichtsdefinition T.frf: Abschnitt [Bericht] fehlt"},
        {"NoColumns", u"[Bericht]\nTitel = x\n",
         u"Berichtsdefinition T.frf: entweder [Spalte]- oder [Absatz]-Abschnitte erwartet"},
        {"BothKinds", u"[Bericht]\n[Spalte]\nFeld = Text1\n[Absatz]\nInhalt = x\n",
         u"Berichtsdefinition T.frf: entweder [Spalte]- oder [Absatz]-Abschnitte erwartet"},
        {"UnknownSection", u"[Bericht]\n[Seite]\n",
         u"Berichtsdefinition T.frf, Zeile 2: unbekannter Abschnitt [Seite]"},
        {"UnknownKey", u"[Bericht]\nFarbe = rot\n",
         u"Berichtsdefinition T.frf, Zeile 2: Farbe: unbekannter Schlüssel im Abschnitt [Bericht]"},
        {"NoEquals", u"[Bericht]\nTitel\n", u"Berichtsdefinition T.frf, Zeile 2: erwartet „Schlüssel = Wert“"},
        {"KeyBeforeSection", u"Titel = x\n", u"Berichtsdefinition T.frf, Zeile 1: Schlüssel vor dem ersten Abschnitt"},
        {"OpenBrace", u"[Bericht]\nTitel = {Text1\n",
         u"Berichtsdefinition T.frf, Zeile 2: Titel: „{“ ohne schließendes „}“"},
        {"BadWidth", u"[Bericht]\n[Spalte]\nBreite = breit\n",
         u"Berichtsdefinition T.frf, Zeile 3: Breite: „breit“ ist keine gültige Zahl"},
        {"BadAlign", u"[Bericht]\n[Spalte]\nAusrichtung = oben\n",
         u"Berichtsdefinition T.frf, Zeile 3: Ausrichtung: Ausrichtung „oben“ unbekannt (links, rechts, mitte)"},
        {"FontWithoutSize", u"[Bericht]\nSchrift = Arial\n",
         u"Berichtsdefinition T.frf, Zeile 2: Schrift: Schriftangabe „Arial“: erwartet Name und Größe"},
        {"MarginsEatThePage", u"[Bericht]\nRänder = 10 150 10 100\n[Spalte]\nFeld = Text1\n",
         u"Berichtsdefinition T.frf: die Ränder lassen keinen Platz für den Inhalt"},
    };
    for (const Case &c : cases) {
        try {
            parseReportDefinition(QString::fromUtf16(c.text), QStringLiteral("T.frf"));
            ADD_FAILURE() << c.name << ": no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.message().toStdString(), QString::fromUtf16(c.message).toStdString()) << c.name;
        }
    }
}

TEST(ReportDefinition, UnknownFieldFailsWhenPrepared)
{
    const ReportDefinition d = parseReportDefinition(
        QStringLiteral("[Bericht]\n[Spalte]\nÜberschrift = A\nFeld = Text9\n"), QStringLiteral("T.frf"));
    try {
        prepareReport(d, bestData(), QDate(2024, 1, 1));
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Spalte „A“: unbekannter Platzhalter {Text9}"));
    }
}

TEST(ReportDefinition, ColumnWidthsFillAndFitThePage)
{
    ReportDefinition d = parseReportDefinition(kTable, QStringLiteral("T.frf"));
    // A4 210 mm, margins 25 + 10: 175 mm printable.
    const int printable = pageGeometry(d).printableWidth();
    EXPECT_EQ(printable, mmToTwips(210) - mmToTwips(25) - mmToTwips(10));
    QList<int> w = columnWidths(d);
    ASSERT_EQ(w.size(), 3);
    EXPECT_EQ(w.at(0), mmToTwips(12));
    EXPECT_EQ(w.at(2), mmToTwips(30));
    EXPECT_NEAR(w.at(0) + w.at(1) + w.at(2), printable, 2);
    // Wider than the page: all shrink in proportion.
    d.columns[0].widthMm = 200;
    d.columns[1].widthMm = 200;
    d.columns[2].widthMm = 100;
    w = columnWidths(d);
    EXPECT_LE(w.at(0) + w.at(1) + w.at(2), printable);
    EXPECT_NEAR(double(w.at(0)) / w.at(2), 2.0, 0.01);
    d.landscape = true;
    EXPECT_GT(pageGeometry(d).printableWidth(), printable);
}
