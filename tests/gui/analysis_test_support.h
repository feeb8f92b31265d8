#pragma once

// Shared by the tests of the page "Tagesanalysen" and its dialogs: the main
// window on a fresh program directory, scripted boxes, and short ways to
// choose foods and read the two lists.

#include "analysis/AnalysePage.h"
#include "app/ZudorMainFrm.h"
#include "gui/dialogs.h"
#include "gui/sortedcombobox.h"
#include "store/database.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace torval::test {

class AnalysisPageTest : public ProgramTest
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;

    void TearDown() override
    {
        closePreviews();
        w.reset();
        ProgramTest::TearDown();
    }

    // Adds a group row to the requirement table before the program starts.
    void addGroup(const QString &name, double energy)
    {
        store::Database db(dir.dataDir());
        QString values = QStringLiteral("'") + name + QStringLiteral("'");
        for (int i = 0; i < 26; ++i)
            values += u',' + QString::number(i == 0 ? energy : 100);
        db.exec(QStringLiteral("INSERT INTO \"Bedarf.adt\" VALUES (") + values + u')');
    }

    app::TZudorMainForm &start()
    {
        w = newMainWindow();
        return *w;
    }
    analysis::AnalysePage &page() { return *w->analysePage(); }
    store::Tables &tables() { return *w->tables(); }

    // Picks a food through the page's category and food choosers.
    void choose(const QString &category, const QString &food)
    {
        auto &p = page();
        const int k = p.KategorieCombo2->indexOfText(category);
        ASSERT_GE(k, 0) << category.toStdString();
        p.KategorieCombo2->selectSilently(k);
        p.KategorieCombo2Change();
        const int f = p.ProduktCombo2->indexOfText(food, Qt::CaseSensitive);
        ASSERT_GE(f, 0) << food.toStdString();
        p.ProduktCombo2->selectSilently(f);
        p.ProduktCombo2Change();
    }
    // Chooses a food, types the amount and presses "&Gewähltes Produkt hinzufügen".
    void add(const QString &category, const QString &food, const QString &amount)
    {
        choose(category, food);
        page().MengenEdit->setText(amount);
        page().AddBtn->click();
    }

    // The intake list as shown, "name;amount" per row.
    QStringList intake()
    {
        QStringList out;
        QTreeWidget *list = page().NMListBox;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(0) + u';' + list->topLevelItem(i)->text(1);
        return out;
    }
    // A cell of the result list.
    QString result(int row, int column) { return page().NSListBox->topLevelItem(row)->text(column); }
    // The whole result list as shown, the five columns joined by ";".
    QStringList results()
    {
        QStringList out;
        QTreeWidget *list = page().NSListBox;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << list->topLevelItem(i)->text(c);
            out << cells.join(u';');
        }
        return out;
    }
    void select(QTreeWidget *list, int row) { list->setCurrentItem(list->topLevelItem(row)); }
};

} // namespace torval::test
