#include "app/ZudorMainFrm.h"
#include "fooddb/FoodPage.h"
#include "fooddb/SearchFrm.h"
#include "gui/sortedcombobox.h"
#include "info/SingleFoodView.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace torval;

namespace {

class SearchTest : public test::ProgramTest
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;
    fooddb::FoodPage *page = nullptr;

    void SetUp() override
    {
        ProgramTest::SetUp();
        w = newMainWindow();
        page = w->foodPage();
    }
    void TearDown() override
    {
        w.reset();
        ProgramTest::TearDown();
    }

    // Searches for word; when the results dialog opens, act on it.
    QStringList search(const QString &word, std::function<void(fooddb::TSearchForm *)> onDialog = {})
    {
        QStringList listed;
        bool opened = false;
        test::ifModal<fooddb::TSearchForm>([&](fooddb::TSearchForm *dlg) {
            opened = true;
            for (int i = 0; i < dlg->ListBox->count(); ++i)
                listed << dlg->ListBox->item(i)->text();
            if (onDialog)
                onDialog(dlg);
            else
                dlg->Button2->click();
        });
        page->SearchEdit->setText(word);
        page->SearchBtn->click();
        if (!opened)
            QCoreApplication::processEvents(); // let the timer pass when no dialog opened
        return listed;
    }
    QString shown() const { return page->ProduktCombo->currentText(); }
};

} // namespace

TEST_F(SearchTest, SeveralMatchesOpenTheResultsInResultOrder)
{
    QString selected;
    const QStringList listed = search(QStringLiteral("apfel"), [&](fooddb::TSearchForm *dlg) {
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Suchergebnisse"));
        EXPECT_EQ(dlg->ListBox->currentRow(), 0);
        dlg->ListBox->setCurrentRow(2);
        dlg->Button1->click();
    });
    EXPECT_EQ(listed,
              (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("Bratapfel"), QStringLiteral("Apfelsaft"),
                           QStringLiteral("Apfel, roh"), QStringLiteral("Apfelsine")}));
    EXPECT_EQ(page->KategorieCombo->currentText(), QStringLiteral("Getränke"));
    EXPECT_EQ(shown(), QStringLiteral("Apfelsaft"));
    EXPECT_EQ(page->SearchEdit->text(), QStringLiteral("Apfelsaft"));
    EXPECT_EQ(page->FoodView->HeadingLabel->text(), QStringLiteral("Apfelsaft (100 g)"));
}

TEST_F(SearchTest, CancelLeavesEverythingAsItWas)
{
    const QString category = page->KategorieCombo->currentText();
    const QString food = shown();
    search(QStringLiteral("apfel"));
    EXPECT_EQ(page->KategorieCombo->currentText(), category);
    EXPECT_EQ(shown(), food);
    EXPECT_EQ(page->SearchEdit->text(), QStringLiteral("apfel"));
}

TEST_F(SearchTest, SingleMatchSwitchesAtOnce)
{
    const QStringList listed = search(QStringLiteral("öl"));
    EXPECT_TRUE(listed.isEmpty());
    EXPECT_EQ(page->KategorieCombo->currentText(), QStringLiteral("Fette und Öle"));
    EXPECT_EQ(shown(), QStringLiteral("Olivenöl"));
    EXPECT_EQ(page->SearchEdit->text(), QStringLiteral("Olivenöl"));
}

TEST_F(SearchTest, NoMatchAndEmptyWordChangeNothing)
{
    const QString food = shown();
    search(QStringLiteral("Birne"));
    search(QString());
    search(QStringLiteral("o'brien")); // a quote finds what it names instead of failing
    EXPECT_EQ(shown(), food);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(SearchTest, EiMatchesEigelbAndReis)
{
    QStringList listed = search(QStringLiteral("Ei"), [](fooddb::TSearchForm *dlg) {
        dlg->ListBox->setCurrentRow(1);
        dlg->Button1->click();
    });
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Eigelb"), QStringLiteral("Reis"), QStringLiteral("Weintraube")}));
    EXPECT_EQ(shown(), QStringLiteral("Reis"));
}

TEST_F(SearchTest, CategoryListsDuplicateNamesOnceAndShowsTheFirstAlphabetically)
{
    page->KategorieCombo->setCurrentIndex(page->KategorieCombo->indexOfText(QStringLiteral("Käse")));
    page->KategorieComboChange();
    EXPECT_EQ(page->ProduktCombo->count(), 1);
    page->KategorieCombo->setCurrentIndex(page->KategorieCombo->indexOfText(QStringLiteral("Obst")));
    page->KategorieComboChange();
    QStringList names;
    for (int i = 0; i < page->ProduktCombo->count(); ++i)
        names << page->ProduktCombo->itemText(i);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Apfel, roh"), QStringLiteral("APFELMUS"), QStringLiteral("Apfelsine"),
                                  QStringLiteral("Bratapfel"), QStringLiteral("Weintraube")}));
    EXPECT_EQ(shown(), QStringLiteral("Apfel, roh"));
    EXPECT_EQ(page->SearchEdit->text(), QStringLiteral("Apfel, roh"));
    EXPECT_FALSE(w->tables()->NMTable.filtered());
}

TEST_F(SearchTest, EnterAnywhereOnThePagePressesTheSearchButton)
{
    w->showPage(page);
    page->SearchEdit->setText(QStringLiteral("Weintr"));
    page->ProduktCombo->setFocus();
    QTest::keyClick(page->ProduktCombo, Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("Weintraube"));
}

TEST_F(SearchTest, EnterInAnOpenDropDownListChoosesTheEntryAndDoesNotSearch)
{
    w->setFirstShowPending(false);
    w->showPage(page);
    w->show();
    page->KategorieCombo->setCurrentIndex(page->KategorieCombo->indexOfText(QStringLiteral("Obst")));
    page->KategorieComboChange();
    bool searched = false;
    test::ifModal<fooddb::TSearchForm>([&](fooddb::TSearchForm *dlg) {
        searched = true;
        dlg->reject();
    });
    page->ProduktCombo->setFocus();
    page->ProduktCombo->showPopup();
    QAbstractItemView *list = page->ProduktCombo->view();
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(searched);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(shown(), QStringLiteral("APFELMUS"));
    EXPECT_EQ(page->SearchEdit->text(), QStringLiteral("APFELMUS"));
}

TEST_F(SearchTest, EnterOnAFocusedButtonPressesThatButton)
{
    w->setFirstShowPending(false);
    w->showPage(page);
    w->show();
    QSignalSpy edit(page->EditBtn, &QPushButton::clicked);
    QSignalSpy search(page->SearchBtn, &QPushButton::clicked);
    page->EditBtn->setFocus();
    QTest::keyClick(page->EditBtn, Qt::Key_Return);
    EXPECT_EQ(edit.count(), 1);
    EXPECT_EQ(search.count(), 0);
}

TEST_F(SearchTest, EnterInTheSearchBoxSearches)
{
    page->SearchEdit->setText(QStringLiteral("Weintr"));
    QTest::keyClick(page->SearchEdit, Qt::Key_Return);
    EXPECT_EQ(shown(), QStringLiteral("Weintraube"));
}
