#include "app/UserSession.h"
#include "app/ZudorMainFrm.h"
#include "core/textfile.h"
#include "editor/REMain.h"
#include "energy/EnergyPage.h"
#include "fooddb/FoodPage.h"
#include "gui/MaskEdit.h"
#include "gui/sortedcombobox.h"
#include "info/BestListPage.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace torval;

namespace {

class MainWindowTest : public test::ProgramTest
{
protected:
    std::unique_ptr<app::TZudorMainForm> start(int width = 1024) { return newMainWindow(width); }
    QStringList items(QComboBox *c)
    {
        QStringList out;
        for (int i = 0; i < c->count(); ++i)
            out << c->itemText(i);
        return out;
    }
};

} // namespace

TEST_F(MainWindowTest, StartUpFillsBothCategoryChoosersAndShowsTheFirstFood)
{
    auto w = start();
    const QStringList expected = {QStringLiteral("Eier"),
                                  QStringLiteral("Fette und Öle"),
                                  QStringLiteral("Gerichte"),
                                  QStringLiteral("Getränke"),
                                  QStringLiteral("Getreide und Teigwaren"),
                                  QStringLiteral("Käse"),
                                  QStringLiteral("Milch und Milchprodukte"),
                                  QStringLiteral("Obst"),
                                  QStringLiteral("Süßwaren")};
    auto *kat = w->findChild<gui::SortedComboBox *>(QStringLiteral("KategorieCombo"));
    auto *kat2 = w->findChild<gui::SortedComboBox *>(QStringLiteral("KategorieCombo2"));
    ASSERT_TRUE(kat && kat2);
    EXPECT_EQ(items(kat), expected);
    EXPECT_EQ(items(kat2), expected);
    EXPECT_EQ(w->findChild<QLineEdit *>(QStringLiteral("SearchEdit"))->text(), QStringLiteral("Eigelb"));
    EXPECT_EQ(w->findChild<QLineEdit *>(QStringLiteral("SearchEdit2"))->text(), QStringLiteral("Eigelb"));
    EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("HeadingLabel"))->text(), QStringLiteral("Eigelb (100 g)"));
    EXPECT_EQ(w->pageControl()->count(), 8);
    EXPECT_EQ(w->pageControl()->tabText(w->pageControl()->currentIndex()), QStringLiteral("Tagesanalysen"));
    // USER.ADT is empty: the label is built from the empty name, first name and weight.
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< ,  ( kg) >"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("TORVAL Ernährungsberater"));
    EXPECT_EQ(w->size(), QSize(792, 599));
    // Filtering is off again: the day's computation sees every food.
    EXPECT_FALSE(w->tables()->NMTable.filtered());
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(MainWindowTest, PagesInTheirOrder)
{
    auto w = start();
    const QStringList captions = {QStringLiteral("Einzelanalysen"),   QStringLiteral("Bestenlisten"),
                                  QStringLiteral("Nährstoffdetails"), QStringLiteral("Energiebedarfsrechner"),
                                  QStringLiteral("Tagesanalysen"),    QStringLiteral("Rezeptebibliothek"),
                                  QStringLiteral("Artikeldatenbank"), QStringLiteral("Infos und Links")};
    for (int i = 0; i < captions.size(); ++i)
        EXPECT_EQ(w->pageControl()->tabText(i), captions[i]);
}

TEST_F(MainWindowTest, ScreenWidthWarningBelow800Only)
{
    for (const auto &[width, warned] : {std::pair{799, true}, std::pair{800, false}, std::pair{1920, false}}) {
        boxes.shown.clear();
        auto w = start(width);
        const QStringList dlgs = boxes.texts(QStringLiteral("dlg"));
        EXPECT_EQ(!dlgs.isEmpty(), warned) << width;
        if (warned) {
            EXPECT_TRUE(dlgs.first().startsWith(QStringLiteral("Das Programm wurde für eine Bildschirmauflösung")));
            EXPECT_TRUE(dlgs.first().contains(QStringLiteral("zu klein.\n\nBitte ändern Sie")));
            EXPECT_EQ(boxes.shown.first().type, gui::Dialogs::Type::Warning);
            EXPECT_EQ(boxes.shown.first().buttons, int(gui::Dialogs::Yes));
        }
        w->shutDown();
    }
}

TEST_F(MainWindowTest, OptionsFileRoundTripCarriesLineSeven)
{
    writeLines(dir.file(QStringLiteral("ZudorOpt.cfg")),
               {QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("x"),
                QStringLiteral("x"), QStringLiteral("Farbe=blau; ÄÖÜ"), QString(), QString()});
    auto w = start();
    EXPECT_EQ(w->session()->carriedLine(), QStringLiteral("Farbe=blau; ÄÖÜ"));
    w->close();
    const QStringList lines = readLines(dir.file(QStringLiteral("ZudorOpt.cfg")));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[6], QStringLiteral("Farbe=blau; ÄÖÜ"));
    EXPECT_FALSE(w->tables()->NMTable.isOpen());
}

TEST_F(MainWindowTest, FirstRunWritesTheOptionsFileAtTheEnd)
{
    ASSERT_FALSE(QFile::exists(dir.file(QStringLiteral("ZudorOpt.cfg"))));
    auto w = start();
    w->shutDown();
    const QStringList lines = readLines(dir.file(QStringLiteral("ZudorOpt.cfg")));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("Frauen 19-24")); // no stored group: the default group
    EXPECT_EQ(lines[6], QString());
}

TEST_F(MainWindowTest, UnwritableOptionsFileShowsTheErrorAndStillClosesTables)
{
    auto w = start();
    // A directory where the file should go makes the write fail.
    QDir().mkpath(dir.file(QStringLiteral("ZudorOpt.cfg")));
    w->shutDown();
    const QStringList errors = boxes.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("ZudorOpt.cfg"))) << errors.first().toStdString();
    EXPECT_TRUE(errors.first().endsWith(u'.'));
    EXPECT_FALSE(w->tables()->NMTable.isOpen());
}

TEST_F(MainWindowTest, MissingTablesEndStartUpWithTheErrorAndTheWindowStillOpens)
{
    const QStringList options = {QStringLiteral("Frauen 19-24"),
                                 QStringLiteral("75 "),
                                 QStringLiteral("0"),
                                 QStringLiteral("1"),
                                 QStringLiteral("7 "),
                                 QStringLiteral("not checked"),
                                 QStringLiteral("MEINE OPTION"),
                                 QStringLiteral("Meier"),
                                 QStringLiteral("Anna")};
    writeLines(dir.file(QStringLiteral("ZudorOpt.cfg")), options);
    QFile::remove(dir.file(QStringLiteral("Data/torval.db")));
    auto w = start();
    const QStringList errors = boxes.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("kann nicht geöffnet werden"))) << errors.first().toStdString();
    EXPECT_EQ(w->pageControl()->count(), 8);
    w->show();
    w->shutDown();
    // The options file was never read, so it is left as it was.
    EXPECT_EQ(readLines(dir.file(QStringLiteral("ZudorOpt.cfg"))), options);
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesTheEditorToo)
{
    auto w = start();
    writeLines(dir.file(QStringLiteral("notiz.txt")), {QStringLiteral("Hallo")});
    w->OpenInReportEditor(dir.file(QStringLiteral("notiz.txt")));
    ASSERT_TRUE(w->RichMainForm() && w->RichMainForm()->isVisible());
    w->shutDown();
    EXPECT_FALSE(w->RichMainForm()->isVisible());
}

TEST_F(MainWindowTest, F1PressesTheHelpButtonOfTheActivePage)
{
    auto w = start();
    w->setFirstShowPending(false); // no user selection on showing (tested with the users)
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const QStringList buttons = {QStringLiteral("BtnHelp"),  QStringLiteral("BtnHelp2"), QStringLiteral("BtnHelp3"),
                                 QStringLiteral("BtnHelp4"), QStringLiteral("BtnHelp5"), QStringLiteral("BtnHelp6"),
                                 QStringLiteral("BtnHelp7"), QStringLiteral("BtnHelp8")};
    for (int i = 0; i < 8; ++i) {
        w->pageControl()->setCurrentIndex(i);
        auto *b = w->findChild<QPushButton *>(buttons[i]);
        ASSERT_TRUE(b) << i;
        EXPECT_TRUE(w->pageControl()->widget(i)->isAncestorOf(b)) << i;
        QSignalSpy spy(b, &QPushButton::clicked);
        QTest::keyClick(w.get(), Qt::Key_F1);
        EXPECT_EQ(spy.count(), 1) << i;
    }
}

TEST_F(MainWindowTest, FirstRunSetsTheDefaultGroupAndTheDayFollows)
{
    {
        store::Tables t(dir.dataDir());
        t.openAll();
        t.UserTable.append();
        t.UserTable.setString(QStringLiteral("Name"), QStringLiteral("Meier"));
        t.UserTable.setString(QStringLiteral("BedarfGruppe"), QStringLiteral("Männer 19-24"));
        t.UserTable.post();
    }
    auto w = start();
    auto *results = w->findChild<QTreeWidget *>(QStringLiteral("NSListBox"));
    ASSERT_TRUE(results);
    EXPECT_EQ(w->tables()->BedarfTable.asString(QStringLiteral("Gruppe")), QStringLiteral("Männer 19-24"));
    EXPECT_EQ(results->topLevelItem(0)->text(3), QStringLiteral("2760"));
    w->FormActivate(); // the first activation without an options file
    EXPECT_EQ(w->tables()->BedarfTable.asString(QStringLiteral("Gruppe")), QStringLiteral("Frauen 19-24"));
    EXPECT_EQ(results->topLevelItem(0)->text(3), QStringLiteral("2300"));
    w->shutDown();
}

TEST_F(MainWindowTest, LogoKeepsItsDistanceFromTheRightEdge)
{
    auto w = start();
    w->setFirstShowPending(false); // no user selection on showing (tested with the users)
    w->show();
    w->resize(1000, 700);
    QTest::qWait(0);
    EXPECT_EQ(w->logo()->x(), w->width() - 145);
}

TEST_F(MainWindowTest, AnEmptyDatabaseFileGivesOneMessageAndIsLeftAlone)
{
    QFile f(dir.file(QStringLiteral("Data/torval.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    auto w = start();
    EXPECT_EQ(boxes.shown.size(), 1);
    const QStringList errors = boxes.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("ist leer"))) << errors.first().toStdString();
    EXPECT_EQ(w->tables(), nullptr);
    EXPECT_EQ(w->pageControl()->count(), 8);
    w->shutDown();
    EXPECT_EQ(QFileInfo(dir.file(QStringLiteral("Data/torval.db"))).size(), 0);
}

TEST_F(MainWindowTest, NoReadOfTheDatabaseOutlivesStartUpOrAHandler)
{
    auto w = start();
    store::Database &db = w->tables()->db();
    EXPECT_FALSE(db.hasOpenRead());
    // A search with many results, a category change, a best list.
    w->foodPage()->SearchEdit->setText(QStringLiteral("a"));
    test::ifModal<QDialog>([](QDialog *d) { d->reject(); });
    w->foodPage()->SearchBtn->click();
    EXPECT_FALSE(db.hasOpenRead());
    w->bestListPage()->NSCombo->setCurrentIndex(7);
    Q_EMIT w->bestListPage()->NSCombo->picked();
    EXPECT_FALSE(db.hasOpenRead());
    w->shutDown();
}

TEST_F(MainWindowTest, TheStatusBarNamesTheProgramNotAnAddress)
{
    auto w = start();
    EXPECT_EQ(w->statusText(), QStringLiteral("TORVAL Ernährungsberater"));
}

TEST_F(MainWindowTest, FunctionsOfLaterVersionsSaySo)
{
    auto w = start();
    for (const char *name : {"EditBtn", "HelpBtn", "BtnHelp", "BtnHelp5", "BtnHelp6"}) {
        boxes.shown.clear();
        auto *b = w->findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        b->click();
        const QStringList messages = boxes.texts(QStringLiteral("message"));
        ASSERT_EQ(messages.size(), 1) << name;
        EXPECT_TRUE(messages.first().contains(QStringLiteral("in dieser Version noch nicht enthalten"))) << name;
    }
}

TEST_F(MainWindowTest, SettingsThatCannotBeStoredAtCloseAreAskedAbout)
{
    struct Case
    {
        gui::Dialogs::Button answer;
        bool closed;
    };
    for (const Case c : {Case{gui::Dialogs::No, true}, Case{gui::Dialogs::Cancel, false}}) {
        boxes.shown.clear();
        auto w = start();
        w->setFirstShowPending(false);
        w->show();
        // Another program window writes for longer than the store waits.
        store::Tables other(dir.dataDir());
        const int wait = store::Database::busyWait();
        w->tables()->db().setBusyWait(100);
        other.db().begin();
        other.db().exec(QStringLiteral("INSERT INTO \"PRINT.ADT\" (Text1) VALUES ('x')"));
        boxes.buttonAnswers.enqueue(c.answer);
        EXPECT_EQ(w->close(), c.closed);
        const auto asked = boxes.texts(QStringLiteral("dlg"));
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked.first().startsWith(QStringLiteral("Ihre Einstellungen konnten nicht gespeichert werden:\n\n"
                                                            "Die Datenbank wird gerade von einem anderen "
                                                            "Programmfenster benutzt.")))
            << asked.first().toStdString();
        other.db().rollback();
        w->tables()->db().setBusyWait(wait);
        if (!c.closed) {
            // Kept open: once the other window is done, closing stores them.
            w->energyPage()->StundenEdit->setMaskText(QStringLiteral("3 "));
            EXPECT_TRUE(w->close());
            store::Tables check(dir.dataDir());
            check.openAll();
            EXPECT_EQ(check.UserTable.asString(QStringLiteral("Stunden")), QStringLiteral("3"));
        }
    }
}
