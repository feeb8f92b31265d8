#include "core/textfile.h"
#include "energy/BedarfSelectFrm.h"
#include "gui/RadioGroup.h"
#include "gui/analysis_test_support.h"

#include <QRadioButton>

using namespace torval;

namespace {

using Dlg = energy::TBedarfSelectForm;

class GroupDialogTest : public test::AnalysisPageTest
{
protected:
    void addUser(const QString &group, int sex)
    {
        store::Table &users = tables().UserTable;
        users.append();
        users.setString(QStringLiteral("Name"), QStringLiteral("Meier"));
        users.setString(QStringLiteral("Vorname"), QStringLiteral("Anna"));
        users.setString(QStringLiteral("BedarfGruppe"), group);
        users.setInteger(QStringLiteral("Geschlecht"), sex);
        users.setInteger(QStringLiteral("Gewicht"), 60);
        users.post();
        w->LoadUserSettings();
        w->RecalcAnalyse();
    }
    // Opens the dialog with "Persönliche Daten (Bedarf)", marks an item and
    // presses a button; returns the item marked on opening.
    QString choose(const QString &item, bool select = true)
    {
        QString marked;
        whenModal<Dlg>([&](Dlg *d) {
            marked = d->markedGroup();
            for (QRadioButton *b : d->items)
                if (b->text() == item)
                    b->setChecked(true);
            (select ? d->SelectBtn : d->CancelBtn)->click();
        });
        page().PersDatenBtn->click();
        return marked;
    }
    QString group() { return tables().BedarfTable.asString(QStringLiteral("Gruppe")); }
    QString userField(const char *f) { return tables().UserTable.asString(QString::fromLatin1(f)); }
    int sexChoice() { return w->findChild<gui::RadioGroup *>(QStringLiteral("GeschlechtGroup"))->itemIndex(); }
};

} // namespace

TEST_F(GroupDialogTest, DialogOffersTheTwentyGroupsInOrder)
{
    start();
    whenModal<Dlg>([](Dlg *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Personenkreis spezifizieren"));
        EXPECT_EQ(d->RadioGroup1->title(), QStringLiteral("Personenkreis:"));
        ASSERT_EQ(d->items.size(), 20);
        EXPECT_EQ(d->items[0]->text(), QStringLiteral("Säuglinge 0-3 Monate"));
        EXPECT_EQ(d->items[11]->text(), QStringLiteral("Schwangere ab 4. Monat"));
        EXPECT_EQ(d->items[19]->text(), QStringLiteral("Männer >65"));
        EXPECT_EQ(d->SelectBtn->text(), QStringLiteral("Auswählen"));
        EXPECT_TRUE(d->SelectBtn->isDefault());
        d->CancelBtn->click();
    });
    page().PersDatenBtn->click();
}

TEST_F(GroupDialogTest, ChoosingAMensGroupSwitchesSexStoresItAndRecomputes)
{
    addGroup(QStringLiteral("Männer 25-50"), 2900);
    start();
    add(QStringLiteral("Obst"), QStringLiteral("Apfel, roh"), QStringLiteral("250"));
    addUser(QStringLiteral("Frauen 19-24"), 1);
    ASSERT_EQ(sexChoice(), 1);
    EXPECT_EQ(result(0, 3), QStringLiteral("2300"));

    EXPECT_EQ(choose(QStringLiteral("Männer 25-50")), QStringLiteral("Frauen 19-24"));
    EXPECT_EQ(group(), QStringLiteral("Männer 25-50"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("Männer 25-50"));
    EXPECT_EQ(userField("Geschlecht"), QStringLiteral("0"));
    EXPECT_EQ(sexChoice(), 0);
    EXPECT_EQ(result(0, 3), QStringLiteral("2900"));
    EXPECT_EQ(result(0, 4), QStringLiteral("4 %"));
    EXPECT_EQ(result(1, 3), QStringLiteral("100"));
}

TEST_F(GroupDialogTest, ChildrensAndPregnancyGroupsLeaveTheSexAlone)
{
    start();
    addUser(QStringLiteral("Männer 19-24"), 0);
    choose(QStringLiteral("Schwangere ab 4. Monat"));
    EXPECT_EQ(group(), QStringLiteral("Schwangere ab 4. Monat"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("Schwangere ab 4. Monat"));
    EXPECT_EQ(userField("Geschlecht"), QStringLiteral("0"));
    EXPECT_EQ(sexChoice(), 0);
    EXPECT_EQ(result(0, 3), QStringLiteral("2530"));
    // The dialog starts from the group in force.
    EXPECT_EQ(choose(QStringLiteral("Schwangere ab 4. Monat"), false), QStringLiteral("Schwangere ab 4. Monat"));
}

TEST_F(GroupDialogTest, CancelAndMissingGroupChangeNothing)
{
    start();
    addUser(QStringLiteral("Männer 19-24"), 0);
    const QStringList shown = results();
    choose(QStringLiteral("Frauen 19-24"), false);
    EXPECT_EQ(group(), QStringLiteral("Männer 19-24"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("Männer 19-24"));

    choose(QStringLiteral("Kinder 10-12 (w)"));
    EXPECT_EQ(
        boxes.texts(QStringLiteral("message")),
        QStringList{QStringLiteral("Die Personengruppe Kinder 10-12 (w) wurde in der Datenbank nicht gefunden.\n\n"
                                   "Bitte wenden Sie sich an die Hersteller!")});
    EXPECT_EQ(group(), QStringLiteral("Männer 19-24"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("Männer 19-24"));
    EXPECT_EQ(results(), shown);
}

TEST_F(GroupDialogTest, AStoredNameInAnotherCaseFallsBackToTheDefaultGroup)
{
    start();
    addUser(QStringLiteral("männer 19-24"), 0);
    // Re-established on opening: not found exactly, so "Frauen 19-24".
    EXPECT_EQ(choose(QString(), false), QStringLiteral("Frauen 19-24"));
    EXPECT_EQ(group(), QStringLiteral("Frauen 19-24"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("männer 19-24"));
}

TEST_F(GroupDialogTest, CancellingOnAFirstRunKeepsTheDefaultGroupInForce)
{
    start();
    addUser(QStringLiteral("Männer 19-24"), 0);
    w->FormActivate(); // first run: the default group comes into force
    ASSERT_EQ(group(), QStringLiteral("Frauen 19-24"));
    const QStringList shown = results();
    ASSERT_EQ(result(0, 3), QStringLiteral("2300"));

    // The dialog proposes the user's stored group ...
    EXPECT_EQ(choose(QStringLiteral("Männer 19-24"), false), QStringLiteral("Männer 19-24"));
    // ... but cancelling leaves the group in force, the record and the day
    // as they were, also for the next computation and the options file.
    EXPECT_EQ(group(), QStringLiteral("Frauen 19-24"));
    EXPECT_EQ(userField("BedarfGruppe"), QStringLiteral("Männer 19-24"));
    w->RecalcAnalyse();
    EXPECT_EQ(results(), shown);
    w->shutDown();
    EXPECT_EQ(readLines(dir.file(QStringLiteral("ZudorOpt.cfg"))).value(0), QStringLiteral("Frauen 19-24"));
}
