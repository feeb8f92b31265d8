#include "core/catalogue.h"
#include "fooddb/FoodPage.h"
#include "gui/info_test_support.h"
#include "gui/sortedcombobox.h"
#include "info/BestListPage.h"
#include "info/LinkLabel.h"
#include "info/NutrientDetailsPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace torval;

namespace {

class NutrientDetailsPageTest : public test::InfoPagesTest
{
protected:
    info::NutrientDetailsPage *page() { return w->detailsPage(); }
    void pick(const QString &entry)
    {
        const int i = page()->NSComboBox->indexOfText(entry, Qt::CaseSensitive);
        ASSERT_GE(i, 0) << entry.toStdString();
        page()->NSComboBox->setCurrentIndex(i);
        Q_EMIT page()->NSComboBox->activated(i);
    }
    QLabel *text(const char *name) { return page()->findChild<QLabel *>(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(NutrientDetailsPageTest, StartsOnAlcoholAndListsTheShortCaptions)
{
    start();
    EXPECT_EQ(page()->NSComboBox->currentIndex(), 0);
    EXPECT_EQ(page()->NSLabel2->text(), QStringLiteral("Nährstoffinformationen - Alkohol"));
    ASSERT_EQ(page()->NSComboBox->count(), kNutrientCount);
    for (int i = 0; i < kNutrientCount; ++i)
        EXPECT_EQ(page()->NSComboBox->itemText(i), nutrients()[chooserOrder()[i]].shortName()) << i;
    EXPECT_EQ(page()->NSComboBox->itemText(16), QStringLiteral("Tier. Eiweiß"));
    EXPECT_EQ(page()->NSComboBox->itemText(17), QStringLiteral("Unges. Fetts."));
    EXPECT_EQ(page()->NSComboBox->itemText(22), QStringLiteral("Vitamin C"));
    EXPECT_EQ(page()->NSComboBox->itemText(25), QStringLiteral("Zink"));
    EXPECT_EQ(page()->Label9->text(),
              QStringLiteral("Zu den besten 14 Nahrungsmittel, die diesen Nähr-/Wirkstoff liefern"));
}

TEST_F(NutrientDetailsPageTest, ShowsTheCatalogueRowOfTheChosenColumn)
{
    start();
    struct Case
    {
        const char16_t *entry;
        const char16_t *title;
    };
    const Case cases[] = {{u"Tier. Eiweiß", u"Nährstoffinformationen - Tierisches Eiweiß"},
                          {u"Unges. Fetts.", u"Nährstoffinformationen - Ungesättigte Fettsäuren"},
                          {u"Carotin", u"Nährstoffinformationen - Beta-Carotin"},
                          {u"Eiweiß", u"Nährstoffinformationen - Eiweiß"}};
    for (const Case &c : cases) {
        pick(QString::fromUtf16(c.entry));
        EXPECT_EQ(page()->NSLabel2->text(), QString::fromUtf16(c.title));
    }
}

TEST_F(NutrientDetailsPageTest, EightSectionsWithTheirTexts)
{
    start();
    pick(QStringLiteral("Vitamin C"));
    EXPECT_EQ(text("WirkgLabel")->text(), QStringLiteral("Schützt die Zellen.\nZweite Zeile."));
    EXPECT_EQ(text("AufnahmeLabel")->text(), QStringLiteral("Gut."));
    EXPECT_EQ(text("MangelLabel")->text(), QStringLiteral("Skorbut."));
    EXPECT_EQ(text("UeberdosisLabel")->text(), QStringLiteral("Selten."));
    EXPECT_EQ(text("ZubereitgLabel")->text(), QStringLiteral("Hitze zerstört."));
    EXPECT_EQ(text("MehrbedarfLabel")->text(), QStringLiteral("Raucher."));
    EXPECT_EQ(text("TippLabel")->text(), QStringLiteral("Paprika."));
    EXPECT_EQ(text("CheckLabel")->text(), QStringLiteral("Essen Sie Obst?"));
    // Zink has no texts in the fixture: the sections empty, the captions stay.
    pick(QStringLiteral("Zink"));
    EXPECT_EQ(page()->NSLabel2->text(), QStringLiteral("Nährstoffinformationen - Zink"));
    const QStringList captions = {
        QStringLiteral("Wirkung"),       QStringLiteral("Aufnahme"),    QStringLiteral("Mangelerscheinung"),
        QStringLiteral("Überdosierung"), QStringLiteral("Zubereitung"), QStringLiteral("Mehrbedarf"),
        QStringLiteral("Tipp"),          QStringLiteral("Check")};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(page()->SectionTexts[i]->text().isEmpty()) << i;
        EXPECT_EQ(page()->SectionCaptions[i]->text(), captions.at(i));
        EXPECT_FALSE(page()->SectionCaptions[i]->isHidden());
    }
}

TEST_F(NutrientDetailsPageTest, AMissingCatalogueRowLeavesThePageAsItWas)
{
    start();
    pick(QStringLiteral("Vitamin C"));
    tables().db().exec(QStringLiteral("DELETE FROM \"Naehrstoff.adt\" WHERE Kurzbezeichng = 'Zink'"));
    pick(QStringLiteral("Zink"));
    EXPECT_EQ(page()->NSLabel2->text(), QStringLiteral("Nährstoffinformationen - Vitamin C"));
    EXPECT_EQ(text("TippLabel")->text(), QStringLiteral("Paprika."));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(NutrientDetailsPageTest, LinkOpensTheBestListOfTheSameNutrient)
{
    start();
    for (const QString &entry : {QStringLiteral("Vitamin C"), QStringLiteral("Tier. Eiweiß"), QStringLiteral("Zink")}) {
        pick(entry);
        const int position = page()->NSComboBox->currentIndex();
        QTest::mouseClick(page()->Label9, Qt::LeftButton);
        EXPECT_EQ(currentPage(), QStringLiteral("TabSheet2"));
        EXPECT_EQ(w->bestListPage()->NSCombo->currentIndex(), position);
        EXPECT_EQ(w->bestListPage()->chosenColumn(), page()->chosenColumn());
    }
    pick(QStringLiteral("Vitamin C"));
    QTest::mouseClick(page()->Label9, Qt::LeftButton);
    EXPECT_EQ(w->bestListPage()->NSCombo->currentIndex(), 22);
    EXPECT_EQ(w->bestListPage()->NSLabel->text(), QStringLiteral("Nährstoffbestenliste (Vitamin C) in µg je 100 g"));
    EXPECT_EQ(w->bestListPage()->NMLabels[0]->text(), QStringLiteral("Apfelsine"));
}

TEST_F(NutrientDetailsPageTest, OtherPagesOpenANutrientByColumn)
{
    start();
    w->pageControl()->setCurrentIndex(4);
    w->showNutrientDetails(QStringLiteral("Unges_Fetts"));
    EXPECT_EQ(currentPage(), QStringLiteral("TabSheet3"));
    EXPECT_EQ(page()->NSComboBox->currentText(), QStringLiteral("Unges. Fetts."));
    EXPECT_EQ(page()->NSLabel2->text(), QStringLiteral("Nährstoffinformationen - Ungesättigte Fettsäuren"));
    w->showNutrientDetails(QStringLiteral("Energie"));
    EXPECT_EQ(page()->NSLabel2->text(), QStringLiteral("Nährstoffinformationen - Energie"));
}

TEST_F(NutrientDetailsPageTest, SectionCaptionsSearchTheFoodsForTheirText)
{
    start();
    QTest::mouseClick(page()->SectionCaptions[0], Qt::LeftButton);
    EXPECT_EQ(currentPage(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(w->foodPage()->SearchEdit->text(), QStringLiteral("Wirkung"));
    EXPECT_TRUE(boxes.shown.isEmpty()); // nothing found, nothing asked
}
