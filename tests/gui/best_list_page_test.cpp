#include "core/catalogue.h"
#include "fooddb/FoodPage.h"
#include "gui/info_test_support.h"
#include "gui/sortedcombobox.h"
#include "info/BarGauge.h"
#include "info/BestListPage.h"
#include "info/LinkLabel.h"
#include "info/SingleFoodView.h"
#include "report/ReportPreviewFrm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace torval;

namespace {

class BestListPageTest : public test::InfoPagesTest
{
protected:
    info::BestListPage *page() { return w->bestListPage(); }
    void pick(const QString &entry)
    {
        const int i = page()->NSCombo->indexOfText(entry, Qt::CaseSensitive);
        ASSERT_GE(i, 0) << entry.toStdString();
        page()->NSCombo->setCurrentIndex(i);
        Q_EMIT page()->NSCombo->activated(i);
    }
    QStringList names()
    {
        QStringList out;
        for (auto *l : page()->NMLabels)
            out << l->text();
        return out;
    }
    // 44 more foods rich in vitamin C, "Testfrucht 1" ... "Testfrucht 44",
    // the higher the number the richer; 60 foods in all.
    void addFruit()
    {
        for (int i = 1; i <= 44; ++i)
            tables().db().exec(QStringLiteral("INSERT INTO \"Nahrung.adt\" (Kategorie, Nahrungsmittel, Energie, "
                                              "Vitamin_C) VALUES ('Obst', ?, 50, ?)"),
                               QVariantList{QVariant(QString(QStringLiteral("Testfrucht ") + QString::number(i))),
                                            QVariant(60000 + 100 * i)});
    }
    void printWith(const std::optional<QString> &answer)
    {
        boxes.inputs.enqueue(answer);
        page()->SpeedButton6->click();
    }
};

} // namespace

TEST_F(BestListPageTest, StartsOnAlcoholWithItsMaximumAmount)
{
    start();
    EXPECT_EQ(page()->NSCombo->currentIndex(), 0);
    EXPECT_EQ(page()->NSCombo->currentText(), QStringLiteral("Alkohol"));
    EXPECT_EQ(page()->BedarfLabel->text(), QStringLiteral("Höchstbetrag"));
    EXPECT_EQ(page()->TagesbedarfLabel->text(), QStringLiteral("ca. 10000 mg"));
    EXPECT_EQ(page()->NSLabel->text(), QStringLiteral("Nährstoffbestenliste (Alkohol) in mg je 100 g"));
    EXPECT_EQ(page()->NMLabels[0]->text(), QStringLiteral("Bier, hell"));
    EXPECT_EQ(page()->WertLabels[0]->text(), QStringLiteral("3800"));
    EXPECT_EQ(page()->Gauges[0]->value(), 100);
    EXPECT_EQ(page()->Gauges[1]->value(), 0);
    EXPECT_EQ(page()->NMLabels[0]->objectName(), QStringLiteral("NMLabel1"));
    EXPECT_EQ(page()->WertLabels[20]->objectName(), QStringLiteral("WertLabel21"));
    EXPECT_EQ(page()->Gauges[20]->objectName(), QStringLiteral("Gauge21"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(BestListPageTest, ChooserListsTheFullCaptionsAlphabetically)
{
    start();
    ASSERT_EQ(page()->NSCombo->count(), kNutrientCount);
    for (int i = 0; i < kNutrientCount; ++i) {
        EXPECT_EQ(page()->NSCombo->itemText(i), nutrients()[chooserOrder()[i]].fullName()) << i;
        if (i > 0) {
            EXPECT_LT(gui::compareText(page()->NSCombo->itemText(i - 1), page()->NSCombo->itemText(i)), 0) << i;
        }
    }
    EXPECT_EQ(page()->NSCombo->toolTip(), QStringLiteral("Nährstoff auswählen"));
}

TEST_F(BestListPageTest, EnergyRanksWithAFullFirstBar)
{
    start();
    pick(QStringLiteral("Energie"));
    EXPECT_EQ(page()->NSLabel->text(), QStringLiteral("Nährstoffbestenliste (Energie) in kcal je 100 g"));
    EXPECT_EQ(page()->BedarfLabel->text(), QStringLiteral("Tagesbedarf"));
    EXPECT_EQ(page()->TagesbedarfLabel->text(), QStringLiteral("ca. 2300 kcal"));
    EXPECT_EQ(page()->WertLabels[0]->text(), QStringLiteral("884"));
    EXPECT_EQ(page()->Gauges[0]->value(), 100);
    EXPECT_EQ(page()->Gauges[1]->value(), 100); // both oils
    EXPECT_EQ(page()->NMLabels[2]->text(), QStringLiteral("Bergkäse"));
    EXPECT_EQ(page()->Gauges[2]->value(), 45); // 400 × 100 / 884 = 45,2
    EXPECT_TRUE(page()->WertLabels[0]->alignment() & Qt::AlignRight);
}

TEST_F(BestListPageTest, PositionsBeyondTheTableStayEmptyAfterAFoodIsGone)
{
    start();
    pick(QStringLiteral("Vitamin C"));
    EXPECT_EQ(names().mid(0, 3),
              (QStringList{QStringLiteral("Apfelsine"), QStringLiteral("Apfel, roh"), QStringLiteral("Apfel, roh")}));
    EXPECT_FALSE(page()->NMLabels[15]->text().isEmpty()); // 16 foods
    EXPECT_TRUE(page()->NMLabels[16]->text().isEmpty());
    tables().db().exec(QStringLiteral("DELETE FROM \"Nahrung.adt\" WHERE Nahrungsmittel = 'Apfelsine'"));
    pick(QStringLiteral("Calcium"));
    EXPECT_TRUE(page()->NMLabels[15]->text().isEmpty());
    EXPECT_TRUE(page()->WertLabels[15]->text().isEmpty());
    EXPECT_EQ(page()->Gauges[15]->value(), 0);
    EXPECT_FALSE(names().contains(QStringLiteral("Apfelsine")));
}

TEST_F(BestListPageTest, ANutrientNoFoodCarriesGivesEmptyBars)
{
    start();
    tables().db().exec(QStringLiteral("UPDATE \"Nahrung.adt\" SET Zink = 0"));
    tables().db().exec(QStringLiteral("UPDATE \"Nahrung.adt\" SET Folsaeure = NULL"));
    for (const QString &entry : {QStringLiteral("Zink"), QStringLiteral("Folsäure")}) {
        pick(entry);
        for (int i = 0; i < kBestListPositions; ++i)
            EXPECT_EQ(page()->Gauges[i]->value(), 0) << entry.toStdString() << i;
        EXPECT_FALSE(page()->NMLabels[0]->text().isEmpty());
    }
    EXPECT_EQ(page()->WertLabels[0]->text(), QStringLiteral("k. A."));
    pick(QStringLiteral("Zink"));
    EXPECT_EQ(page()->WertLabels[0]->text(), QStringLiteral("0"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(BestListPageTest, UnknownValuesRankLast)
{
    start();
    tables().db().exec(
        QStringLiteral("UPDATE \"Nahrung.adt\" SET Vitamin_C = NULL WHERE Nahrungsmittel = 'Apfelsine'"));
    pick(QStringLiteral("Vitamin C"));
    EXPECT_EQ(page()->NMLabels[0]->text(), QStringLiteral("Apfel, roh"));
    EXPECT_EQ(page()->NMLabels[15]->text(), QStringLiteral("Apfelsine"));
    EXPECT_EQ(page()->WertLabels[15]->text(), QStringLiteral("k. A."));
}

TEST_F(BestListPageTest, AMissingCatalogueRowIsReportedAndTheListStillBuilt)
{
    start();
    tables().db().exec(QStringLiteral("DELETE FROM \"Naehrstoff.adt\" WHERE Kurzbezeichng = 'Kalium'"));
    pick(QStringLiteral("Kalium"));
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Der Nährstoff Kalium konnte nicht gefunden werden.")});
    EXPECT_EQ(page()->WertLabels[0]->text(), QStringLiteral("190"));
    EXPECT_EQ(page()->NMLabels[0]->text(), QStringLiteral("Weintraube"));
}

TEST_F(BestListPageTest, ClickOnAFoodShowsItOnTheSingleFoodPage)
{
    start();
    pick(QStringLiteral("Vitamin C"));
    w->showPage(page());
    QTest::mouseClick(page()->NMLabels[0], Qt::LeftButton);
    EXPECT_EQ(currentPage(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(w->foodPage()->SearchEdit->text(), QStringLiteral("Apfelsine"));
    EXPECT_EQ(w->foodPage()->FoodView->HeadingLabel->text(), QStringLiteral("Apfelsine (100 g)"));
    EXPECT_EQ(w->foodPage()->KategorieCombo->currentText(), QStringLiteral("Obst"));
}

TEST_F(BestListPageTest, PrintingFiftyPutsExactlyFiftyRowsInListOrder)
{
    start();
    addFruit();
    pick(QStringLiteral("Vitamin C"));
    for (int round = 0; round < 2; ++round) {
        printWith(QStringLiteral("50"));
        ASSERT_EQ(boxes.texts(QStringLiteral("input")).size(), round + 1);
        const QList<QStringList> rows = printRows();
        ASSERT_EQ(rows.size(), 50) << round;
        for (int i = 0; i < kBestListPositions; ++i)
            EXPECT_EQ(rows.at(i).at(0), page()->NMLabels[i]->text()) << i;
        EXPECT_EQ(rows.at(0), (QStringList{QStringLiteral("Testfrucht 44"), QStringLiteral("µg"),
                                           QStringLiteral("64400"), QStringLiteral("Vitamin C"), QString()}));
        EXPECT_EQ(rows.at(49).at(0), QStringLiteral("APFELMUS"));
        auto *preview = qobject_cast<report::TReportPreviewForm *>(report::lastPreview());
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->objectName(), QStringLiteral("ReportPreview"));
        EXPECT_EQ(preview->layout().report().rows.size(), 50);
        EXPECT_EQ(preview->layout().report().title, QStringLiteral("Nährstoffbestenliste (Vitamin C) in µg je 100 g"));
        test::closePreviews();
    }
    EXPECT_TRUE(boxes.texts(QStringLiteral("error")).isEmpty());
    EXPECT_EQ(boxes.shown.first().text, QStringLiteral("Zahl der zu druckenden Nahrungsmittel:"));
}

TEST_F(BestListPageTest, PrintAnswersThatPrintNothingOrEverything)
{
    start();
    addFruit();
    pick(QStringLiteral("Vitamin C"));
    printWith(QStringLiteral("3"));
    test::closePreviews();
    ASSERT_EQ(printRows().size(), 3);

    // Not a number: the message, the print table as it was, no preview.
    printWith(QStringLiteral("abc"));
    EXPECT_EQ(boxes.texts(QStringLiteral("message")).last(), QStringLiteral("Der Wert abc ist keine gültige Zahl."));
    EXPECT_EQ(printRows().size(), 3);
    EXPECT_FALSE(report::lastPreview());

    // Cancelled: nothing at all.
    const qsizetype shown = boxes.shown.size();
    printWith(std::nullopt);
    EXPECT_EQ(boxes.shown.size(), shown + 1);
    EXPECT_EQ(printRows().size(), 3);

    // 0 or less: a report without rows.
    for (const QString &answer : {QStringLiteral("0"), QStringLiteral("-5")}) {
        printWith(answer);
        EXPECT_TRUE(printRows().isEmpty()) << answer.toStdString();
        auto *preview = qobject_cast<report::TReportPreviewForm *>(report::lastPreview());
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->layout().pageCount(), 1);
        // The title still names the nutrient and its unit.
        EXPECT_TRUE(preview->layout().report().title.startsWith(QStringLiteral("Nährstoffbestenliste (")));
        EXPECT_FALSE(preview->layout().report().title.contains(QStringLiteral("()")));
        test::closePreviews();
    }

    // A huge number: every food.
    printWith(QStringLiteral("99999999999"));
    EXPECT_EQ(printRows().size(), 60);
    EXPECT_TRUE(boxes.texts(QStringLiteral("error")).isEmpty());
}

TEST_F(BestListPageTest, AMissingDefinitionIsReportedAndTheRowsStay)
{
    start();
    pick(QStringLiteral("Eiweiß"));
    const QString path = QDir::toNativeSeparators(QDir(dir.dataDir()).filePath(QStringLiteral("Bestenliste.frf")));
    ASSERT_TRUE(QFile::remove(path));
    printWith(QStringLiteral("5"));
    EXPECT_EQ(boxes.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden.")});
    EXPECT_FALSE(report::lastPreview());
    const QList<QStringList> rows = printRows();
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows.at(0), (QStringList{QStringLiteral("Bergkäse"), QStringLiteral("g"), QStringLiteral("28"),
                                       QStringLiteral("Eiweiß"), QString()}));
}
