// Files that LibreOffice wrote, from documents in its own formats and from
// one of ours (tests/fixtures/rtf/convert.sh makes them).
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/textdocument.h"
#include "richtext_support.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <gtest/gtest.h>

using namespace torval::richtext;

TEST(OfficeFiles, FormattingListsTablesLinksAndPictures)
{
    // Body text takes its font from the paragraph style, so it has none of
    // its own; the picture is dropped; the numbered list keeps its numbers.
    EXPECT_EQ(describe(readRtf(readFixture(QStringLiteral("office_formatting.rtf")))),
              QStringLiteral(
                  ":Überschrift Äpfel{b,DejaVu Serif,24pt}\n"
                  ":Normal |fett{b}| |kursiv{i}| |unterstrichen{u}| |rot{#ff0000}| |groß{18pt}| "
                  "|Mono{DejaVu Sans Mono}|.\n"
                  "center:Zentriert\n"
                  "right:Rechts\n"
                  "justify:Blocksatz Blocksatz\n"
                  "li=1440:Eingerückt\n"
                  "fi=-283,li=709,tabs=709,bullet:Erster Punkt\n"
                  "fi=-283,li=709,tabs=709,bullet:Zweiter |Punkt{b}\n"
                  "fi=-283,li=709,tabs=709:1.\\tEins\n"
                  "fi=-283,li=709,tabs=709:2.\\tZwei\n"
                  ":A1\\tB1\n"
                  ":A2\\tB2\n"
                  ":Ein |Verweis{u,#000080}| hier.\n"
                  ":Bild:  Ende\n"
                  ":Zeichen: € – “ ” 😀 ł ő ß\n"
                  ":Zeile eins\\nZeile zwei"));
}

TEST(OfficeFiles, HeaderFooterFootnotesCommentsAndBookmarksAreNoText)
{
    // Also: tab stops and a hanging indent, nested bullets, a table with an
    // empty cell and a cell of two paragraphs, a page break, characters of
    // several scripts as \u with '?' as their fallback.
    EXPECT_EQ(describe(readRtf(readFixture(QStringLiteral("office_structure.rtf")))),
              QStringLiteral(
                  ":Nährwerte{b,Liberation Sans,14pt}\n"
                  "fi=-720,li=1440,ri=720,tabs=3600/5040:Eisen:\\t12 mg\\thoch{Liberation Serif,12pt}\n"
                  ":Vitamin C und {Liberation Serif,12pt}|Folsäure{i,u,Liberation Serif,9pt,#0000ff}"
                  "| mit {Liberation Serif,12pt}|Lesezeichen{b,Liberation Serif,12pt}|.{Liberation Serif,12pt}\n"
                  "fi=-360,li=720,bullet:Obst{Liberation Serif,12pt}\n"
                  "fi=-360,li=1440,bullet:Äpfel{Liberation Serif,12pt}\n"
                  "fi=-360,li=720,bullet:Gemüse{Liberation Serif,12pt}\n"
                  ":Name\\tkcal\\tHinweis{Liberation Serif,12pt}\n"
                  ":Brot\\t\\tZeile eins Zeile zwei{Liberation Serif,12pt}\n"
                  ":Ελληνικά, Русский, Polski: łódź, Magyar: hő{Liberation Serif,12pt}"));
}

TEST(OfficeFiles, LoadIntoATextDocument)
{
    QTextDocument doc;
    loadRtf(readFixture(QStringLiteral("office_formatting.rtf")), doc);
    EXPECT_EQ(doc.blockCount(), 16);
    const QTextBlock bullet = doc.findBlockByNumber(6);
    ASSERT_NE(bullet.textList(), nullptr);
    EXPECT_EQ(bullet.textList()->count(), 2);
    EXPECT_EQ(bullet.text(), QStringLiteral("Erster Punkt"));
    EXPECT_EQ(doc.findBlockByNumber(14).text(), QStringLiteral("Zeichen: € – “ ” 😀 ł ő ß"));
}

TEST(OfficeFiles, OurSampleAsLibreOfficeSavesIt)
{
    // sample_written.rtf is what our writer makes of the sample document;
    // LibreOffice opened it and saved it again. It must hold the same text
    // and formats, with the fonts and sizes we leave to the reader's default
    // filled in as LibreOffice shows them.
    const Document sample = sampleDocument();
    ASSERT_EQ(writeRtf(sample), readFixture(QStringLiteral("sample_written.rtf")));

    Document expected = sample;
    for (Paragraph &p : expected.paragraphs) {
        for (torval::richtext::Run &r : p.runs) {
            if (r.format.fontFamily.isEmpty())
                r.format.fontFamily = QStringLiteral("Arial");
            if (r.format.pointSize == 0)
                r.format.pointSize = 12;
        }
    }
    EXPECT_EQ(readRtf(readFixture(QStringLiteral("office_resaved.rtf"))), expected);
}
