#include "core/clock.h"
#include "core/sourcedata.h"
#include "core/textfile.h"
#include "gui/info_test_support.h"
#include "report/PrintTable.h"
#include "report/ReportPreviewFrm.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>

using namespace torval;

namespace {

class ReportPreviewTest : public test::InfoPagesTest
{
protected:
    QTemporaryDir out;

    void SetUp() override
    {
        InfoPagesTest::SetUp();
        Clock::setSource([] { return QDate(2024, 2, 29); });
    }
    void TearDown() override
    {
        Clock::reset();
        InfoPagesTest::TearDown();
    }
    report::TReportPreviewForm *preview() { return qobject_cast<report::TReportPreviewForm *>(report::lastPreview()); }

    // The day's 26 result lines as the nutrient table prints them.
    static QList<QStringList> resultLines()
    {
        QList<QStringList> rows;
        rows << QStringList{QStringLiteral("Energie"), QStringLiteral("kcal"), QStringLiteral("1234,5"),
                            QStringLiteral("2300"), QStringLiteral("54 %")};
        rows << QStringList{QStringLiteral("Unges. Fettsäuren"), QStringLiteral("mg"), QStringLiteral("0,25"),
                            QStringLiteral("50000"), QStringLiteral("0 %")};
        rows << QStringList{QStringLiteral("Vitamin C"), QStringLiteral("µg"), QStringLiteral("100000"),
                            QStringLiteral("100000"), QStringLiteral("100 %")};
        for (int i = 3; i < 26; ++i)
            rows << QStringList{QStringLiteral("Stoff ") + QString::number(i), QStringLiteral("g"), QStringLiteral("0"),
                                QStringLiteral("1"), QStringLiteral("0 %")};
        return rows;
    }
};

// The rows of a CSV export, its header first (the reader of our own data
// sources reads the same format).
QList<QStringList> readCsv(const QString &text)
{
    const SourceTable t = parseSourceTable(text);
    return QList<QStringList>{t.header} + t.rows;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST_F(ReportPreviewTest, PrintingTwiceLeavesTheRowsOfTheLastPrintOnly)
{
    start();
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(report::printRows(tables(), QStringLiteral("Naehrstoff.frf"), resultLines(), w.get()));
        const QList<QStringList> rows = printRows();
        ASSERT_EQ(rows.size(), 26) << round;
        EXPECT_EQ(rows.at(0), resultLines().at(0));
        EXPECT_TRUE(rows.at(0).at(4).endsWith(QStringLiteral(" %")));
        ASSERT_TRUE(preview());
        EXPECT_TRUE(preview()->isVisible());
        EXPECT_FALSE(preview()->isModal());
        test::closePreviews();
        EXPECT_FALSE(preview());
    }
    // Missing fields are stored empty.
    report::printRows(tables(), QStringLiteral("Naehrmittel.frf"),
                      {{QStringLiteral("Apfel, roh"), QStringLiteral("250 ")}}, w.get());
    EXPECT_EQ(printRows(), (QList<QStringList>{{QStringLiteral("Apfel, roh"), QStringLiteral("250 "), QString(),
                                                QString(), QString()}}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ReportPreviewTest, ExportsReadBackAsTheyWerePrinted)
{
    start();
    ASSERT_TRUE(report::printRows(tables(), QStringLiteral("Naehrstoff.frf"), resultLines(), w.get()));
    const QString csv = out.filePath(QStringLiteral("naehrstoffe.csv"));
    const QString rtf = out.filePath(QStringLiteral("naehrstoffe")); // suffix added
    const QString pdf = out.filePath(QStringLiteral("naehrstoffe.pdf"));
    boxes.fileNames << csv << rtf << pdf;
    preview()->CsvAction->trigger();
    preview()->RtfAction->trigger();
    preview()->PdfAction->trigger();
    EXPECT_EQ(boxes.texts(QStringLiteral("save")),
              (QStringList{QStringLiteral("Als CSV speichern"), QStringLiteral("Als RTF speichern"),
                           QStringLiteral("Als PDF speichern")}));
    EXPECT_TRUE(boxes.texts(QStringLiteral("error")).isEmpty())
        << boxes.texts(QStringLiteral("error")).join(u'\n').toStdString();

    const QList<QStringList> back = readCsv(decodeWindows1252(fileBytes(csv)));
    ASSERT_EQ(back.size(), 27);
    EXPECT_EQ(back.at(0), (QStringList{QStringLiteral("Inhaltsstoffe"), QStringLiteral("Einheit"),
                                       QStringLiteral("Ist"), QStringLiteral("Soll"), QStringLiteral("Prozent")}));
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(back.at(i + 1), resultLines().at(i)) << i;
    EXPECT_TRUE(fileBytes(csv).contains("Unges. Fetts\xe4uren;mg;0,25;50000;0 %\r\n"));

    const QByteArray rtfBytes = fileBytes(rtf + QStringLiteral(".rtf"));
    EXPECT_TRUE(rtfBytes.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_EQ(rtfBytes.count("\\trowd"), 27);
    EXPECT_EQ(rtfBytes.count("\\cell\n"), 27 * 5);
    EXPECT_TRUE(rtfBytes.contains("Unges. Fetts\\'e4uren\\cell"));
    EXPECT_TRUE(rtfBytes.contains("Gedruckt am 29.02.2024"));

    const QByteArray pdfBytes = fileBytes(pdf);
    EXPECT_TRUE(pdfBytes.startsWith("%PDF"));
    EXPECT_EQ(pdfBytes.count("/Type /Page") - pdfBytes.count("/Type /Pages"), preview()->layout().pageCount());
    // A cancelled file dialog writes nothing.
    preview()->CsvAction->trigger();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(ReportPreviewTest, PagesNavigateAndCarryTheirNumbers)
{
    start();
    QList<QStringList> rows;
    for (int i = 1; i <= 200; ++i)
        rows << QStringList{QStringLiteral("Nahrungsmittel ") + QString::number(i), QStringLiteral("100")};
    ASSERT_TRUE(report::printRows(tables(), QStringLiteral("Naehrmittel.frf"), rows, w.get()));
    report::TReportPreviewForm *p = preview();
    const int pages = p->layout().pageCount();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(p->PageLabel->text(), QStringLiteral("Seite 1 von ") + QString::number(pages));
    EXPECT_FALSE(p->PriorPageAction->isEnabled());
    p->NextPageAction->trigger();
    EXPECT_EQ(p->currentPage(), 1);
    EXPECT_EQ(p->PageLabel->text(), QStringLiteral("Seite 2 von ") + QString::number(pages));
    p->LastPageAction->trigger();
    EXPECT_EQ(p->currentPage(), pages - 1);
    EXPECT_FALSE(p->NextPageAction->isEnabled());
    p->FirstPageAction->trigger();
    EXPECT_EQ(p->currentPage(), 0);
    // Every row once, in order; headings and footer on every page.
    QStringList seen;
    for (int page = 0; page < pages; ++page) {
        const QStringList texts = p->layout().pageTexts(page);
        EXPECT_TRUE(texts.contains(QStringLiteral("Nahrungsmittel"))) << page;
        EXPECT_TRUE(texts.contains(QStringLiteral("Seite ") + QString::number(page + 1) + QStringLiteral(" von ")
                                   + QString::number(pages)))
            << page;
        for (const QString &t : texts)
            if (t.startsWith(QStringLiteral("Nahrungsmittel ")))
                seen << t;
    }
    ASSERT_EQ(seen.size(), 200);
    EXPECT_EQ(seen.first(), QStringLiteral("Nahrungsmittel 1"));
    EXPECT_EQ(seen.last(), QStringLiteral("Nahrungsmittel 200"));
    // Zoom: the natural size at 100 %.
    p->setZoom(100);
    EXPECT_DOUBLE_EQ(p->scale(), p->logicalDpiX() / 1440.0);
    EXPECT_EQ(p->ZoomCombo->currentText(), QStringLiteral("100 %"));
}

TEST_F(ReportPreviewTest, BrokenOrMissingDefinitionsAreReported)
{
    start();
    const QString missing = QDir::toNativeSeparators(QDir(dir.dataDir()).filePath(QStringLiteral("Fehlt.frf")));
    EXPECT_FALSE(report::printRows(tables(), QStringLiteral("Fehlt.frf"), resultLines(), w.get()));
    EXPECT_EQ(boxes.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("Datei ") + missing + QStringLiteral(" kann nicht geöffnet werden.")});
    EXPECT_EQ(printRows().size(), 26);
    EXPECT_FALSE(preview());

    writeTextFile(QDir(dir.dataDir()).filePath(QStringLiteral("Kaputt.frf")),
                  QStringLiteral("[Bericht]\nTitel = x\n[Spalte]\nFeld = Text7\n"));
    EXPECT_FALSE(report::runReport(tables(), QStringLiteral("Kaputt.frf"), w.get()));
    const QString error = boxes.texts(QStringLiteral("error")).last();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Berichtsdefinition "))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("{Text7}"))) << error.toStdString();
    EXPECT_FALSE(preview());
}

TEST_F(ReportPreviewTest, TheShippedDefinitionsAllRun)
{
    start();
    for (const QString &name : test::shippedDefinitionNames()) {
        if (name == u"Rezepte.frf")
            continue;
        ASSERT_TRUE(report::printRows(tables(), name, resultLines(), w.get(),
                                      {{QStringLiteral("Naehrstoff"), QStringLiteral("Alkohol")},
                                       {QStringLiteral("Einheit"), QStringLiteral("mg")}}))
            << name.toStdString();
        EXPECT_EQ(preview()->layout().report().rows.size(), 26);
        test::closePreviews();
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ReportPreviewTest, RecipeReportRunsOverTheCurrentRecipe)
{
    start();
    store::Table &recipes = tables().RezepteTable;
    recipes.append();
    recipes.setString(QStringLiteral("Kategorie"), QStringLiteral("Kuchen"));
    recipes.setString(QStringLiteral("Bezeichnung"), QStringLiteral("Apfelkuchen"));
    recipes.setDate(QStringLiteral("Datum"), QDate(2024, 1, 2));
    recipes.setString(QStringLiteral("Autor"), QStringLiteral("Anna"));
    recipes.setString(QStringLiteral("Text"), QStringLiteral("Teig kneten.\r\nÄpfel schneiden."));
    recipes.post();
    const QList<QStringList> before = printRows();
    ASSERT_TRUE(report::runReport(tables(), QStringLiteral("Rezepte.frf"), w.get()));
    const QStringList texts = preview()->layout().pageTexts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Apfelkuchen")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Kategorie: Kuchen")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Datum: 02.01.2024    Autor: Anna")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Äpfel schneiden.")));
    EXPECT_EQ(printRows(), before); // the print table is not touched
}
