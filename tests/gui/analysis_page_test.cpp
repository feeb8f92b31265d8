#include "analysis/MengenFrm.h"
#include "core/textfile.h"
#include "editor/REMain.h"
#include "gui/analysis_test_support.h"
#include "report/PrintTable.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace torval;

namespace {

class AnalysePageTest : public test::AnalysisPageTest
{
protected:
    QList<QStringList> printed()
    {
        QList<QStringList> rows;
        store::Table &t = tables().PrintTable;
        for (bool ok = t.first(); ok; ok = t.next()) {
            QStringList row;
            for (int i = 1; i <= 5; ++i)
                row << t.asString(QStringLiteral("Text") + QString::number(i));
            rows << row;
        }
        return rows;
    }
};

const QString kObst = QStringLiteral("Obst");
const QString kApfel = QStringLiteral("Apfel, roh");

} // namespace

TEST_F(AnalysePageTest, StartShowsTheEmptyDay)
{
    start();
    ASSERT_EQ(page().NSListBox->topLevelItemCount(), 26);
    EXPECT_EQ(page().NSListBox->headerItem()->text(0), QStringLiteral("Inhaltsstoffe"));
    EXPECT_EQ(page().NSListBox->headerItem()->text(4), QStringLiteral("Prozent"));
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(result(i, 2), QStringLiteral("0"));
        EXPECT_EQ(result(i, 4), QStringLiteral("0 %"));
    }
    EXPECT_EQ(result(0, 0), QStringLiteral("Energie"));
    EXPECT_EQ(result(0, 1), QStringLiteral("kcal"));
    EXPECT_EQ(result(25, 0), QStringLiteral("Vitamin C"));
    EXPECT_EQ(page().EWPLabel->text(), QStringLiteral("-"));
    EXPECT_EQ(page().FTPLabel->text(), QStringLiteral("-"));
    EXPECT_EQ(page().KHPLabel->text(), QStringLiteral("-"));
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("100"));
    EXPECT_TRUE(intake().isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());
    // Values stand right-aligned.
    EXPECT_TRUE(page().NSListBox->topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
}

TEST_F(AnalysePageTest, AddingAFoodAppendsItAndRecomputes)
{
    start();
    add(kObst, kApfel, QStringLiteral("250"));
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Apfel, roh;250")});
    EXPECT_EQ(page().intakeLines(), QStringList{QStringLiteral("Apfel, roh;250")});
    EXPECT_EQ(result(0, 2), QStringLiteral("130"));
    EXPECT_EQ(page().resultLines().at(0).section(u';', 2, 2), QStringLiteral("130"));
    add(kObst, kApfel, QStringLiteral("33")); // merged after "Ja"
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Apfel, roh;283")});
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("283"));
    EXPECT_EQ(result(0, 2), QStringLiteral("147,16"));
    // The ratio of protein 0,3, fat 0,2, carbohydrates 11,4 per 100 g.
    EXPECT_EQ(page().EWPLabel->text(), QStringLiteral("2,52"));
    EXPECT_EQ(page().FTPLabel->text(), QStringLiteral("1,68"));
    EXPECT_EQ(page().KHPLabel->text(), QStringLiteral("95,8"));
}

TEST_F(AnalysePageTest, MergeQuestionDecidesAndNoKeepsEverything)
{
    start();
    add(QStringLiteral("Milch und Milchprodukte"), QStringLiteral("Vollmilch"), QStringLiteral("200"));
    add(kObst, kApfel, QStringLiteral("100"));
    add(QStringLiteral("Getreide und Teigwaren"), QStringLiteral("Reis"), QStringLiteral("80"));
    const QStringList before = results();

    boxes.buttonAnswers.enqueue(gui::Dialogs::No);
    add(kObst, kApfel, QStringLiteral("150"));
    EXPECT_EQ(intake(), (QStringList{QStringLiteral("Vollmilch;200"), QStringLiteral("Apfel, roh;100"),
                                     QStringLiteral("Reis;80")}));
    EXPECT_EQ(results(), before);
    ASSERT_EQ(boxes.texts(QStringLiteral("dlg")).size(), 1);
    EXPECT_EQ(boxes.shown.last().type, gui::Dialogs::Type::Confirmation);
    EXPECT_EQ(boxes.shown.last().buttons, gui::Dialogs::Yes | gui::Dialogs::No);

    boxes.buttonAnswers.enqueue(gui::Dialogs::Yes);
    add(kObst, kApfel, QStringLiteral("150"));
    EXPECT_EQ(intake(), (QStringList{QStringLiteral("Vollmilch;200"), QStringLiteral("Apfel, roh;250"),
                                     QStringLiteral("Reis;80")}));
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("250"));
    EXPECT_NE(results(), before);
}

TEST_F(AnalysePageTest, BadInputOnTheList)
{
    start();
    // Empty or blank amount.
    for (const QString &amount : {QString(), QStringLiteral("   ")}) {
        add(kObst, kApfel, amount);
        EXPECT_TRUE(intake().isEmpty());
    }
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList(2, QStringLiteral("Tragen Sie bitte auch die Menge in Gramm ein!")));
    boxes.shown.clear();
    // "Menge ändern" without a selected line.
    page().MengeBtn->click();
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Wählen Sie bitte vorher einen Eintrag aus!")});
    // "Gewählten Eintrag löschen" without one recomputes and removes nothing.
    add(kObst, kApfel, QStringLiteral("100"));
    page().NMListBox->clearSelection();
    page().DeleteBtn->click();
    EXPECT_EQ(intake().size(), 1);
    // Deleting a line leaves no other line chosen: a second press deletes
    // nothing, "Menge ändern" asks for a line.
    add(kObst, QStringLiteral("Weintraube"), QStringLiteral("50"));
    add(kObst, QStringLiteral("Apfelsine"), QStringLiteral("80"));
    select(page().NMListBox, 1);
    page().DeleteBtn->click();
    page().DeleteBtn->click();
    EXPECT_EQ(intake(), (QStringList{QStringLiteral("Apfel, roh;100"), QStringLiteral("Apfelsine;80")}));
    boxes.shown.clear();
    page().MengeBtn->click();
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Wählen Sie bitte vorher einen Eintrag aus!")});
    // The amount field takes whole grams of up to four digits only.
    QLineEdit *amount = page().MengenEdit;
    for (const auto &[typed, kept] : {std::pair{",", ""}, std::pair{"7,5", "75"}, std::pair{"12345", "1234"}}) {
        amount->clear();
        QTest::keyClicks(amount, QString::fromLatin1(typed));
        EXPECT_EQ(amount->text(), QString::fromLatin1(kept)) << typed;
    }
}

TEST_F(AnalysePageTest, ChangedAmountIsTakenAsTypedAndANonNumberStopsTheComputation)
{
    start();
    add(QStringLiteral("Süßwaren"), QStringLiteral("Rosinenbrötchen"), QStringLiteral("100"));
    select(page().NMListBox, 0);
    boxes.inputs.enqueue(QStringLiteral("75"));
    page().MengeBtn->click();
    ASSERT_EQ(boxes.texts(QStringLiteral("input")), QStringList{QStringLiteral("Neue Menge (in Gramm):")});
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Rosinenbrötchen;75")});
    EXPECT_EQ(result(0, 2), QStringLiteral("217,5"));
    const QStringList shown = results();

    // Cancelled: nothing changes.
    page().MengeBtn->click();
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Rosinenbrötchen;75")});

    // Not a number: the line takes it, the results stay as they were and
    // every computation reports it until the line is changed.
    boxes.inputs.enqueue(QStringLiteral("ein Stück"));
    page().MengeBtn->click();
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Rosinenbrötchen;ein Stück")});
    EXPECT_EQ(results(), shown);
    EXPECT_EQ(boxes.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("'ein Stück' ist kein gültiger Gleitkommawert.")});
    add(kObst, kApfel, QStringLiteral("100"));
    EXPECT_EQ(boxes.texts(QStringLiteral("error")).size(), 2);
    EXPECT_EQ(results(), shown);
    // The merge of such a line stops with the conversion message.
    add(QStringLiteral("Süßwaren"), QStringLiteral("Rosinenbrötchen"), QStringLiteral("100"));
    EXPECT_EQ(boxes.texts(QStringLiteral("error")).size(), 3);
    EXPECT_EQ(intake().size(), 2);

    select(page().NMListBox, 0);
    boxes.inputs.enqueue(QStringLiteral("50"));
    page().MengeBtn->click();
    EXPECT_EQ(result(0, 2), QStringLiteral("197")); // 145 + 52
}

TEST_F(AnalysePageTest, UnknownFoodIsReportedOnEveryRunAndDeletingAllGivesZeros)
{
    start();
    page().setIntakeLines({QStringLiteral("Marsriegel;50"), QStringLiteral("Apfel, roh;100")});
    w->RecalcAnalyse();
    w->RecalcAnalyse();
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList(2, QStringLiteral("Das Nahrungsmittel Marsriegel wurde nicht gefunden.")));
    EXPECT_EQ(result(0, 2), QStringLiteral("52"));
    select(page().NMListBox, 0);
    page().DeleteBtn->click();
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Apfel, roh;100")});
    EXPECT_EQ(boxes.texts(QStringLiteral("message")).size(), 2);
    page().DeleteAllBtn->click();
    EXPECT_TRUE(intake().isEmpty());
    EXPECT_EQ(result(0, 2), QStringLiteral("0"));
    EXPECT_EQ(page().KHPLabel->text(), QStringLiteral("-"));
    page().DeleteAllBtn->click(); // on an empty list too
    EXPECT_EQ(page().NSListBox->topLevelItemCount(), 26);
}

TEST_F(AnalysePageTest, CalculatorTotalStandsInForTheGroupsEnergyWhileTicked)
{
    start();
    add(kObst, kApfel, QStringLiteral("250"));
    const QString groupEnergy = result(0, 3);
    w->runState().setUseCalculatorTotal(true);
    w->runState().setCalculatorTotal(Fixed4::fromDouble(2584));
    w->RecalcAnalyse();
    EXPECT_EQ(result(0, 3), QStringLiteral("2584"));
    EXPECT_EQ(result(0, 4), QStringLiteral("5 %"));
    w->runState().setCalculatorTotal(Fixed4());
    w->RecalcAnalyse();
    EXPECT_EQ(result(0, 3), groupEnergy);
    w->runState().setUseCalculatorTotal(false);
    w->runState().setCalculatorTotal(Fixed4::fromDouble(2584));
    w->RecalcAnalyse();
    EXPECT_EQ(result(0, 3), groupEnergy);
}

TEST_F(AnalysePageTest, DoubleClickOnAResultLineOpensItsNutrientDetails)
{
    start();
    QTreeWidgetItem *item = page().NSListBox->topLevelItem(5);
    ASSERT_EQ(item->text(0), QStringLiteral("Unges. Fettsäuren"));
    page().NSListBox->setCurrentItem(item);
    Q_EMIT page().NSListBox->itemDoubleClicked(item, 0);
    EXPECT_EQ(w->pageControl()->tabText(w->pageControl()->currentIndex()), QStringLiteral("Nährstoffdetails"));
    auto *chooser = w->findChild<QComboBox *>(QStringLiteral("NSComboBox"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->currentText(), QStringLiteral("Unges. Fetts."));
}

TEST_F(AnalysePageTest, EvaluationWritesTheFileAndOpensItInTheEditor)
{
    start();
    add(kObst, kApfel, QStringLiteral("250"));
    page().AuswertgBtn->click();
    const QString path = dir.file(QStringLiteral("Auswertg.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("ENERGIE:\r\nDie Energieaufnahme dieses Tages fiel zu gering aus."));
    EXPECT_TRUE(data.endsWith("\r\n\r\n"));
    EXPECT_EQ(data.count("\r\n\r\n"), 26);

    editor::TRichMainForm *editor = w->RichMainForm();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Auswertg.txt"));
    EXPECT_EQ(QFileInfo(editor->documentName()), QFileInfo(path));
    EXPECT_TRUE(editor->Editor->toPlainText().startsWith(QStringLiteral("ENERGIE:\nDie Energieaufnahme")));
    EXPECT_EQ(editor->Editor->textCursor().position(), 0);
    QTextCursor c(editor->Editor->document());
    c.setPosition(40);
    EXPECT_EQ(c.charFormat().fontPointSize(), 12);
    EXPECT_FALSE(editor->Editor->document()->isModified());

    // Pressing again gives the same file; the editor shows the new text.
    editor->Editor->setPlainText(QStringLiteral("anders"));
    editor->showMinimized();
    page().AuswertgBtn->click();
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), data);
    EXPECT_TRUE(editor->Editor->toPlainText().startsWith(QStringLiteral("ENERGIE:")));
    EXPECT_FALSE(editor->isMinimized());
}

TEST_F(AnalysePageTest, PrintedListsFillThePrintTable)
{
    start();
    add(kObst, kApfel, QStringLiteral("250"));
    page().SpeedButton1->click();
    page().SpeedButton1->click();
    QList<QStringList> rows = printed();
    ASSERT_EQ(rows.size(), 26);
    EXPECT_EQ(rows[0], (QStringList{QStringLiteral("Energie"), QStringLiteral("kcal"), QStringLiteral("130"),
                                    result(0, 3), result(0, 4)}));
    EXPECT_TRUE(rows[0][4].endsWith(QStringLiteral(" %")));
    EXPECT_TRUE(boxes.texts(QStringLiteral("error")).isEmpty());
    EXPECT_NE(report::lastPreview(), nullptr);

    page().setIntakeLines(
        {QStringLiteral("Apfel, roh;250"), QStringLiteral("Reis;100 "), QStringLiteral("Vollmilch;7,5")});
    page().SpeedButton2->click();
    rows = printed();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1], (QStringList{QStringLiteral("Reis"), QStringLiteral("100 "), QString(), QString(), QString()}));

    // The shopping list of an empty day: a message, the print table as it was.
    page().DeleteAllBtn->click();
    page().SpeedButton2->click();
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Es wurden noch keine Nahrungsmittel in die obere Liste eingefügt.")});
    EXPECT_EQ(printed().size(), 3);
}

TEST_F(AnalysePageTest, HouseholdMeasuresWriteTheAmountField)
{
    start();
    using Dlg = analysis::TMengenForm;
    auto pick = [](Dlg *d, int page, const QString &name) {
        d->PageControl1->setCurrentIndex(page);
        QTreeWidget *list = d->ListViews.at(page);
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
    };
    struct Case
    {
        int page;
        QString name;
        int times;
        QString amount;
    };
    const Case cases[] = {
        {1, QStringLiteral("Teelöffel"), 3, QStringLiteral("21")},
        {6, QStringLiteral("Weintraube (mittelgroß)"), 2, QStringLiteral("15")},
        {1, QStringLiteral("Esslöffel (Flüssigkeiten, Getreide)"), 0, QStringLiteral("0")},
        {1, QStringLiteral("Teelöffel"), -1, QStringLiteral("0")}, // -1: the multiplier emptied
    };
    for (const Case &c : cases) {
        whenModal<Dlg>([&](Dlg *d) {
            EXPECT_FALSE(d->TakeItBtn->isEnabled());
            EXPECT_EQ(d->Label1->text(), QStringLiteral("mal 100 g (Wasser)"));
            EXPECT_EQ(d->SpinEdit1->value(), 0);
            pick(d, c.page, c.name);
            EXPECT_TRUE(d->TakeItBtn->isEnabled());
            if (c.times >= 0) {
                d->SpinEdit1->setValue(c.times);
            } else {
                d->SpinEdit1->setValue(3);
                d->SpinEdit1->findChild<QLineEdit *>()->clear();
            }
            d->TakeItBtn->click();
        });
        page().MengenBtn->click();
        EXPECT_EQ(page().MengenEdit->text(), c.amount) << c.name.toStdString();
    }
    // Adding the food then takes the measured amount.
    page().MengenEdit->setText(QStringLiteral("7,5"));
    choose(kObst, QStringLiteral("Weintraube"));
    page().AddBtn->click();
    EXPECT_EQ(intake(), QStringList{QStringLiteral("Weintraube;7,5")});

    // A click into a list of a later page without a row takes the measure
    // of the label, still 100 g of water.
    whenModal<Dlg>([&](Dlg *d) {
        d->PageControl1->setCurrentIndex(6);
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(d->ListViews.at(6), &focus);
        EXPECT_TRUE(d->TakeItBtn->isEnabled());
        d->SpinEdit1->setValue(2);
        d->TakeItBtn->click();
    });
    page().MengenBtn->click();
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("200"));

    // On the page "Einheiten" such a click leaves "&Übernehmen" disabled.
    whenModal<Dlg>([&](Dlg *d) {
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(d->ListViews.at(0), &focus);
        EXPECT_FALSE(d->TakeItBtn->isEnabled());
        d->CloseBtn->click();
    });
    page().MengenBtn->click();
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("200"));

    // A range cannot be taken over.
    whenModal<Dlg>([&](Dlg *d) {
        pick(d, 9, QStringLiteral("Bonbon"));
        EXPECT_EQ(d->Label1->text(), QStringLiteral("mal 5 - 10 g (Bonbon)"));
        d->SpinEdit1->setValue(2);
        d->TakeItBtn->click();
    });
    page().MengenBtn->click();
    EXPECT_EQ(page().MengenEdit->text(), QStringLiteral("200"));
    EXPECT_EQ(boxes.texts(QStringLiteral("error")),
              QStringList{QStringLiteral("'5 - 10' ist kein gültiger Gleitkommawert.")});
    EXPECT_TRUE(intake().size() == 1);
}
