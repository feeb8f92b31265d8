// Two program windows on one data folder, each in its own process, as when a
// user starts the program twice: both keep working and nothing either of
// them stores is lost.

#include "analysis/AnalysePage.h"
#include "energy/EnergyPage.h"
#include "fooddb/FoodPage.h"
#include "gui/MaskEdit.h"
#include "gui/sortedcombobox.h"
#include "info/BestListPage.h"
#include "store/analyses.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace torval;

namespace {
class TwoWindows : public test::ProgramTest
{
};
} // namespace

TEST_F(TwoWindows, BothKeepWorkingAndNothingTheyStoreIsLost)
{
    auto w = newMainWindow();
    w->setFirstShowPending(false);
    // The first window shows a best list and the results of a search with
    // many hits, and keeps them on the screen.
    w->bestListPage()->NSCombo->setCurrentIndex(7);
    Q_EMIT w->bestListPage()->NSCombo->picked();
    w->foodPage()->SearchEdit->setText(QStringLiteral("a"));
    test::ifModal<QDialog>([](QDialog *d) { d->reject(); });
    w->foodPage()->SearchBtn->click();

    // Meanwhile the second window saves forty days and the user's settings.
    QProcess second;
    second.start(QStringLiteral(TORVAL_SECOND_WINDOW), {dir.path(), QStringLiteral("40")});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    // The first window goes on saving, and stores its settings at the end.
    store::saveAnalysis(*w->tables(),
                        {QStringLiteral("Erstes Fenster"), QDate(2026, 12, 11), QStringLiteral("Hauptbenutzer"), QString()},
                        {QStringLiteral("Eigelb;20")}, false);
    w->energyPage()->StundenEdit->setMaskText(QStringLiteral("4 "));
    boxes.shown.clear();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(boxes.shown.isEmpty()) << boxes.shown.value(0).text.toStdString();

    store::Tables check(dir.dataDir());
    check.openAll();
    EXPECT_EQ(check.AnalyseTable.recordCount(), 41);
    EXPECT_TRUE(check.AnalyseTable.locate(QStringLiteral("Bezeichnung"), QStringLiteral("Zweites Fenster 39")));
    EXPECT_TRUE(check.AnalyseTable.locate(QStringLiteral("Bezeichnung"), QStringLiteral("Erstes Fenster")));
    check.UserTable.first();
    EXPECT_EQ(check.UserTable.asString(QStringLiteral("Stunden")), QStringLiteral("4"));
}
