#include "analysis/AnalyseLoadFrm.h"
#include "analysis/AnalyseSaveFrm.h"
#include "core/clock.h"
#include "gui/analysis_test_support.h"

#include <QRadioButton>
#include <QTableWidget>

using namespace torval;

namespace {

using SaveDlg = analysis::TAnalyseSaveForm;
using LoadDlg = analysis::TAnalyseLoadForm;

class SavedDaysTest : public test::AnalysisPageTest
{
protected:
    void SetUp() override
    {
        AnalysisPageTest::SetUp();
        Clock::setSource([] { return QDate(2004, 12, 9); });
    }
    void TearDown() override
    {
        Clock::reset();
        AnalysisPageTest::TearDown();
    }
    void threeFoods()
    {
        add(QStringLiteral("Süßwaren"), QStringLiteral("Rosinenbrötchen"), QStringLiteral("100"));
        add(QStringLiteral("Obst"), QStringLiteral("Apfel, roh"), QStringLiteral("150"));
        add(QStringLiteral("Milch und Milchprodukte"), QStringLiteral("Vollmilch"), QStringLiteral("250"));
    }
    // Saves the day under a name through the dialog.
    void save(const QString &name, const QString &date = QStringLiteral("09.12.2004"))
    {
        whenModal<SaveDlg>([=](SaveDlg *d) {
            d->BezeichngEdit->setText(name);
            d->DatumEdit->setText(date);
            d->SaveBtn->click();
        });
        page().SaveBtn->click();
    }
    QStringList gridNames(LoadDlg *d)
    {
        QStringList out;
        for (int r = 0; r < d->DBGrid1->rowCount(); ++r)
            out << d->DBGrid1->item(r, 0)->text();
        return out;
    }
    int headerCount() { return tables().AnalyseTable.recordCount(); }
};

} // namespace

TEST_F(SavedDaysTest, SaveDialogIsPrefilled)
{
    start();
    threeFoods();
    whenModal<SaveDlg>([](SaveDlg *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Analyse speichern"));
        EXPECT_EQ(d->BezeichngEdit->text(), QStringLiteral("Analyse vom 09.12.2004"));
        EXPECT_EQ(d->DatumEdit->text(), QStringLiteral("09.12.2004"));
        EXPECT_EQ(d->AutorEdit->text(), QStringLiteral("Hauptbenutzer"));
        EXPECT_EQ(d->InfoEdit->text(), QStringLiteral("Anzahl der einbezogenen Nahrungsmittel: 3"));
        d->CancelBtn->click();
    });
    page().SaveBtn->click();
    EXPECT_EQ(headerCount(), 0);
}

TEST_F(SavedDaysTest, RoundTripAcrossARestart)
{
    start();
    threeFoods();
    const QStringList shown = results();
    save(QStringLiteral("Mein Tag"));
    EXPECT_EQ(headerCount(), 1);
    EXPECT_EQ(tables().AnalyseTable.asString(QStringLiteral("Info")),
              QStringLiteral("Anzahl der einbezogenen Nahrungsmittel: 3"));

    w.reset();
    start();
    EXPECT_TRUE(intake().isEmpty());
    whenModal<LoadDlg>([this](LoadDlg *d) {
        EXPECT_EQ(gridNames(d), QStringList{QStringLiteral("Mein Tag")});
        EXPECT_EQ(d->DBGrid1->item(0, 1)->text(), QStringLiteral("09.12.2004"));
        EXPECT_TRUE(d->ByNameRadio->isChecked());
        d->Button1->click();
    });
    page().LoadBtn->click();
    // In food-number order, not in the order of entering.
    EXPECT_EQ(intake(), (QStringList{QStringLiteral("Apfel, roh;150"), QStringLiteral("Vollmilch;250"),
                                     QStringLiteral("Rosinenbrötchen;100")}));
    EXPECT_EQ(results(), shown);
}

TEST_F(SavedDaysTest, SaveRefusals)
{
    start();
    // Nothing to save.
    page().SaveBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("Es wurden keine Nahrungsmittel ausgewählt.\n\n"
                                                  "Somit kann nichts gespeichert werden."));
    EXPECT_EQ(boxes.shown[0].type, gui::Dialogs::Type::Information);
    EXPECT_EQ(boxes.shown[0].buttons, int(gui::Dialogs::Yes));
    boxes.shown.clear();

    threeFoods();
    save(QStringLiteral("Montag"));
    boxes.shown.clear();

    // Invalid date, empty name, declined overwrite: the dialog stays open and
    // says why; nothing is written.
    whenModal<SaveDlg>([this](SaveDlg *d) {
        d->DatumEdit->setText(QStringLiteral("31.02.2004"));
        d->BezeichngEdit->clear();
        d->SaveBtn->click();
        EXPECT_TRUE(d->isVisible());
        d->DatumEdit->setText(QStringLiteral("28.02.2004"));
        d->SaveBtn->click();
        EXPECT_TRUE(d->isVisible());
        d->BezeichngEdit->setText(QStringLiteral("Montag"));
        boxes.buttonAnswers.enqueue(gui::Dialogs::No);
        d->SaveBtn->click();
        EXPECT_TRUE(d->isVisible());
        d->CancelBtn->click();
    });
    page().SaveBtn->click();
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              (QStringList{QStringLiteral("Das Datum ist ungültig."),
                           QStringLiteral("Es wurde keine Bezeichnung eingetragen."),
                           QStringLiteral("Ändern Sie bitte die Bezeichnung!")}));
    EXPECT_EQ(boxes.texts(QStringLiteral("dlg")),
              QStringList{QStringLiteral("Ein Datensatz mit einer solchen Bezeichnung existiert bereits.\n\n"
                                         "Wollen Sie diesen überschreiben?")});
    EXPECT_EQ(headerCount(), 1);

    // A line whose amount is not a number: refused before the dialog opens.
    boxes.shown.clear();
    select(page().NMListBox, 1);
    boxes.inputs.enqueue(QStringLiteral("ein Apfel"));
    page().MengeBtn->click();
    boxes.shown.clear();
    page().SaveBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].type, gui::Dialogs::Type::Warning);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("Apfel, roh")));
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("'ein Apfel'")));
    EXPECT_EQ(headerCount(), 1);
}

TEST_F(SavedDaysTest, OverwritingWithJaReplacesTheAnalysis)
{
    start();
    threeFoods();
    save(QStringLiteral("Montag"));
    page().DeleteAllBtn->click();
    add(QStringLiteral("Obst"), QStringLiteral("Weintraube"), QStringLiteral("80"));
    boxes.buttonAnswers.enqueue(gui::Dialogs::Yes);
    save(QStringLiteral("Montag"));
    EXPECT_EQ(headerCount(), 1);
    page().DeleteAllBtn->click();
    whenModal<LoadDlg>([](LoadDlg *d) { d->Button1->click(); });
    page().LoadBtn->click();
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Weintraube;80")});
}

TEST_F(SavedDaysTest, LoadDialogSortsDeletesAndCancels)
{
    start();
    threeFoods();
    save(QStringLiteral("Zeta"), QStringLiteral("01.01.2004"));
    save(QStringLiteral("Alpha"), QStringLiteral("03.01.2004"));
    save(QStringLiteral("Mitte"), QStringLiteral("02.01.2004"));
    const QStringList day = intake();

    whenModal<LoadDlg>([this](LoadDlg *d) {
        EXPECT_EQ(gridNames(d),
                  (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Mitte")}));
        d->ByNameRadio->click();
        EXPECT_EQ(gridNames(d),
                  (QStringList{QStringLiteral("Alpha"), QStringLiteral("Mitte"), QStringLiteral("Zeta")}));
        d->ByDateRadio->click();
        EXPECT_EQ(gridNames(d),
                  (QStringList{QStringLiteral("Zeta"), QStringLiteral("Mitte"), QStringLiteral("Alpha")}));
        // Declined, then confirmed deletion of the selected row.
        d->DBGrid1->selectRow(1);
        boxes.buttonAnswers.enqueue(gui::Dialogs::No);
        d->Button2->click();
        EXPECT_EQ(gridNames(d).size(), 3);
        boxes.buttonAnswers.enqueue(gui::Dialogs::Yes);
        d->Button2->click();
        EXPECT_EQ(gridNames(d), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha")}));
        d->Button3->click();
    });
    page().LoadBtn->click();
    EXPECT_EQ(boxes.texts(QStringLiteral("dlg")),
              QStringList(2, QStringLiteral("Wollen Sie den ausgewählten Analysedatensatz wirklich löschen?")));
    EXPECT_EQ(intake(), day); // cancelled: the list is untouched
    EXPECT_EQ(headerCount(), 2);

    // The order chosen stays for the run; the dialog opens on "nach Bezeichnung".
    whenModal<LoadDlg>([this](LoadDlg *d) {
        EXPECT_TRUE(d->ByNameRadio->isChecked());
        EXPECT_EQ(gridNames(d), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha")}));
        d->Button3->click();
    });
    page().LoadBtn->click();
}

TEST_F(SavedDaysTest, LoadingWithNothingStoredEmptiesTheList)
{
    start();
    threeFoods();
    whenModal<LoadDlg>([](LoadDlg *d) {
        EXPECT_EQ(d->DBGrid1->rowCount(), 0);
        d->Button2->click(); // nothing to delete, nothing asked
        d->Button1->click();
    });
    page().LoadBtn->click();
    EXPECT_TRUE(intake().isEmpty());
    EXPECT_TRUE(boxes.texts(QStringLiteral("dlg")).isEmpty());
    EXPECT_EQ(result(0, 2), QStringLiteral("0"));
}
