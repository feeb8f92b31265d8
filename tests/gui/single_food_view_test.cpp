#include "core/catalogue.h"
#include "fooddb/FoodPage.h"
#include "gui/info_test_support.h"
#include "gui/sortedcombobox.h"
#include "info/BarGauge.h"
#include "info/LinkLabel.h"
#include "info/NutrientDetailsPage.h"
#include "info/SingleFoodView.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace torval;

namespace {

class SingleFoodViewTest : public test::InfoPagesTest
{
protected:
    info::SingleFoodView *view() { return w->foodPage()->FoodView; }
    int column(const char16_t *name) { return nutrientByColumn(QString::fromUtf16(name)); }
    QString value(const char16_t *name) { return view()->Values[column(name)]->text(); }
    int bar(const char16_t *name) { return view()->Gauges[column(name)]->value(); }
    void showFood(const QString &name)
    {
        w->foodPage()->SearchEdit->setText(name);
        w->foodPage()->SearchBtnClick();
    }
};

} // namespace

TEST_F(SingleFoodViewTest, StartUpShowsTheFirstFoodWithUnitsKilojoulesAndBars)
{
    start();
    // Eigelb: 322 kcal, 15,9 g protein, 2730 µg iron.
    EXPECT_EQ(view()->HeadingLabel->text(), QStringLiteral("Eigelb (100 g)"));
    EXPECT_EQ(value(u"Energie"), QStringLiteral("322"));
    EXPECT_EQ(view()->KJValueLabel->text(), QStringLiteral("1346")); // 1345,96
    EXPECT_EQ(view()->KJUnitLabel->text(), QStringLiteral("kJ"));
    EXPECT_EQ(bar(u"Energie"), 36); // 322 × 100 / 884 = 36,4
    EXPECT_EQ(value(u"Eiweiss"), QStringLiteral("15,9"));
    EXPECT_EQ(bar(u"Eiweiss"), 19); // 18,93
    EXPECT_EQ(value(u"Eisen"), QStringLiteral("2730"));
    EXPECT_EQ(view()->Units[column(u"Eisen")]->text(), QStringLiteral("µg"));
    EXPECT_EQ(view()->Units[column(u"Energie")]->text(), QStringLiteral("kcal"));
    EXPECT_EQ(view()->Units[column(u"Cholesterin")]->text(), QStringLiteral("mg"));
    EXPECT_EQ(view()->Units[column(u"Wasser")]->text(), QStringLiteral("g"));
    // Values are right-aligned against their unit.
    EXPECT_TRUE(view()->Values[0]->alignment() & Qt::AlignRight);
}

TEST_F(SingleFoodViewTest, GridHoldsTheCatalogueRowByRowFourToARow)
{
    start();
    auto *grid = qobject_cast<QGridLayout *>(view()->layout()->itemAt(1)->layout());
    ASSERT_TRUE(grid);
    for (int i = 0; i < kNutrientCount; ++i) {
        const Nutrient &n = nutrients()[i];
        auto *cell = view()->findChild<QWidget *>(QStringLiteral("Cell_") + n.columnName());
        ASSERT_TRUE(cell) << i;
        int row = -1, col = -1, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(cell), &row, &col, &rs, &cs);
        EXPECT_EQ(row, i / 4) << i;
        EXPECT_EQ(col, i % 4) << i;
        EXPECT_EQ(view()->Captions[i]->text(), n.shortName());
        EXPECT_EQ(view()->Gauges[i]->size(), QSize(15, 50));
        EXPECT_TRUE(cell->isAncestorOf(view()->Captions[i]));
    }
    // Vitamin B6 and C alone in the seventh row.
    EXPECT_EQ(grid->rowCount(), 7);
}

TEST_F(SingleFoodViewTest, FullScaleBarsAndAFoodAboveIt)
{
    start();
    showFood(QStringLiteral("Olivenöl"));
    EXPECT_EQ(view()->HeadingLabel->text(), QStringLiteral("Olivenöl (100 g)"));
    EXPECT_EQ(bar(u"Energie"), 100);
    EXPECT_EQ(bar(u"Fett"), 100);
    EXPECT_EQ(bar(u"Unges_Fetts"), 100); // 86000 is above the full scale of 70000
    EXPECT_EQ(value(u"Unges_Fetts"), QStringLiteral("86000"));
    EXPECT_EQ(view()->KJValueLabel->text(), QStringLiteral("3695"));
    EXPECT_EQ(bar(u"Vitamin_C"), 0);
}

TEST_F(SingleFoodViewTest, UnknownValuesShowAsUnknownNotAsZero)
{
    start();
    tables().db().exec(QStringLiteral("UPDATE \"Nahrung.adt\" SET Carotin = NULL, Energie = NULL "
                                      "WHERE Nahrungsmittel = 'Apfelsine'"));
    showFood(QStringLiteral("Apfelsine"));
    EXPECT_EQ(view()->HeadingLabel->text(), QStringLiteral("Apfelsine (100 g)"));
    EXPECT_EQ(value(u"Carotin"), QStringLiteral("k. A."));
    EXPECT_EQ(view()->Units[column(u"Carotin")]->text(), QString());
    EXPECT_EQ(bar(u"Carotin"), 0);
    EXPECT_EQ(view()->KJValueLabel->text(), QStringLiteral("k. A."));
    EXPECT_EQ(value(u"Vitamin_C"), QStringLiteral("50000"));
    EXPECT_EQ(bar(u"Vitamin_C"), 25);
}

TEST_F(SingleFoodViewTest, CaptionClickOpensTheNutrientDetails)
{
    start();
    struct Case
    {
        const char16_t *column;
        const char16_t *title;
    };
    const Case cases[] = {{u"Tier_EW", u"Nährstoffinformationen - Tierisches Eiweiß"},
                          {u"Unges_Fetts", u"Nährstoffinformationen - Ungesättigte Fettsäuren"},
                          {u"Vitamin_C", u"Nährstoffinformationen - Vitamin C"}};
    for (const Case &c : cases) {
        w->pageControl()->setCurrentIndex(0);
        info::LinkLabel *caption = view()->Captions[column(c.column)];
        QTest::mouseClick(caption, Qt::LeftButton);
        EXPECT_EQ(currentPage(), QStringLiteral("TabSheet3"));
        EXPECT_EQ(w->detailsPage()->NSComboBox->currentText(), caption->text());
        EXPECT_EQ(w->detailsPage()->NSLabel2->text(), QString::fromUtf16(c.title));
    }
    // The keyboard reaches the links too.
    w->pageControl()->setCurrentIndex(0);
    QTest::keyClick(view()->Captions[column(u"Zink")], Qt::Key_Return);
    EXPECT_EQ(w->detailsPage()->NSComboBox->currentText(), QStringLiteral("Zink"));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SingleFoodViewTest, PrintingTheViewPutsTheWindowImageOnOnePage)
{
    start();
    w->resize(792, 599);
    QTemporaryDir out;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.filePath(QStringLiteral("ansicht.pdf")));
    info::printWindowImage(w.get(), printer);
    QFile pdf(out.filePath(QStringLiteral("ansicht.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
}

TEST_F(SingleFoodViewTest, PrintingTheViewWithoutAPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a printer is set up; this test would print";
    start();
    w->foodPage()->SpeedButton5->click();
    ASSERT_EQ(boxes.texts(QStringLiteral("message")).size(), 1);
    EXPECT_EQ(boxes.texts(QStringLiteral("message")).first(),
              QStringLiteral("Es ist kein Drucker eingerichtet; die Ansicht kann nicht gedruckt werden."));
}
