#include "energy/EnergyPage.h"
#include "energy_fixture.h"
#include "gui/MaskEdit.h"
#include "gui/RadioGroup.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <array>

using namespace torval;

namespace {

class EnergyPageTest : public test::EnergyFixture
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;
    energy::EnergyPage *p = nullptr;

    void SetUp() override
    {
        EnergyFixture::SetUp();
        addUsers({{QStringLiteral("Meier"), QStringLiteral("Anna")}});
        w = start();
        p = w->energyPage();
        ASSERT_TRUE(p);
    }
    void TearDown() override
    {
        w.reset();
        EnergyFixture::TearDown();
    }

    // Types into a masked field as a user does: everything selected, then keys.
    void type(gui::MaskEdit *e, const QString &keys)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        e->setCursorPosition(0);
        QTest::keyClicks(e, keys);
    }
    QStringList values() { return {p->GULabel->text(), p->AULabel->text(), p->GesamtLabel->text()}; }
    // The target of the day's Energie line, as the daily analysis shows it.
    QString energyTarget()
    {
        auto *list = w->findChild<QTreeWidget *>(QStringLiteral("NSListBox"));
        if (!list)
            return QString();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            if (list->topLevelItem(i)->text(0) == u"Energie")
                return list->topLevelItem(i)->text(3);
        return QString();
    }
};

} // namespace

TEST_F(EnergyPageTest, TheCaptionsAndDefaults)
{
    EXPECT_EQ(w->page(3), p);
    EXPECT_EQ(p->objectName(), QStringLiteral("TabSheet4"));
    EXPECT_EQ(values(), (QStringList{QStringLiteral("1800"), QStringLiteral("784"), QStringLiteral("2584")}));
    EXPECT_EQ(w->runState().calculatorTotal(), Fixed4::fromDouble(2584));
    EXPECT_EQ(p->GewichtEdit->maskText(), QStringLiteral("75 "));
    EXPECT_EQ(p->StundenEdit->maskText(), QStringLiteral("7 "));
    EXPECT_EQ(p->GeschlechtGroup->title(), QStringLiteral("Geschlecht:"));
    EXPECT_EQ(p->GeschlechtGroup->itemText(0), QStringLiteral("männlich"));
    EXPECT_EQ(p->GeschlechtGroup->itemText(1), QStringLiteral("weiblich"));
    EXPECT_EQ(p->TaetigkeitGroup->title(), QStringLiteral("körperliche Tätigkeit:"));
    EXPECT_EQ(p->TaetigkeitGroup->toolTip(), QStringLiteral("z.B. leichte körperliche Arbeit, Fahren, Radfahren"));
    EXPECT_EQ(p->SumKcalCheckBox->objectName(), QStringLiteral("SumKcalCheckBox"));
    EXPECT_EQ(p->SumKcalCheckBox->text(), QStringLiteral("Diese Summe für die Tagesanalyse nutzen"));
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna (75 kg) >"));
    for (const char *caption : {"Körpergewicht in kg:", "Stundenzahl oberer Aktivitäten:"}) {
        bool found = false;
        for (const QLabel *l : p->findChildren<QLabel *>())
            if (l->text() == QString::fromUtf8(caption)) {
                found = true;
                EXPECT_TRUE(l->buddy()) << caption;
            }
        EXPECT_TRUE(found) << caption;
    }
    EXPECT_EQ(p->GULabel->alignment() & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(EnergyPageTest, WorkedValuesThroughTheControls)
{
    struct Case
    {
        const char *name;
        QString weight;
        int sex;
        int level;
        QString hours;
        std::array<int, 3> expected;
    };
    const Case cases[] = {
        {"defaults", QStringLiteral("75"), 0, 1, QStringLiteral("7"), {1800, 784, 2584}},
        {"weiblich", QStringLiteral("75"), 1, 1, QStringLiteral("7"), {1636, 630, 2266}},
        {"60 kg weiblich leicht 8 h", QStringLiteral("60"), 1, 0, QStringLiteral("8"), {1309, 320, 1629}},
        {"schwerste männlich", QStringLiteral("100"), 0, 3, QStringLiteral("10"), {2400, 2300, 4700}},
        {"nothing", QStringLiteral("0"), 0, 1, QStringLiteral("0"), {0, 0, 0}},
    };
    for (const Case &c : cases) {
        type(p->GewichtEdit, c.weight);
        p->GeschlechtGroup->item(c.sex)->click();
        p->TaetigkeitGroup->item(c.level)->click();
        type(p->StundenEdit, c.hours);
        EXPECT_EQ(values(), (QStringList{QString::number(c.expected[0]), QString::number(c.expected[1]),
                                         QString::number(c.expected[2])}))
            << c.name;
        EXPECT_EQ(w->runState().calculatorTotal(), Fixed4::fromDouble(c.expected[2])) << c.name;
        EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna (") + c.weight + QStringLiteral(" kg) >"))
            << c.name;
    }
}

TEST_F(EnergyPageTest, EveryKeystrokeRecomputes)
{
    type(p->GewichtEdit, QStringLiteral("6"));
    EXPECT_EQ(p->GewichtEdit->maskText(), QStringLiteral("6  "));
    EXPECT_EQ(p->GULabel->text(), QStringLiteral("144"));
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna (6 kg) >"));
    QTest::keyClicks(p->GewichtEdit, QStringLiteral("0"));
    EXPECT_EQ(p->GewichtEdit->maskText(), QStringLiteral("60 "));
    EXPECT_EQ(p->GULabel->text(), QStringLiteral("1440"));
    // The hint follows the level.
    p->TaetigkeitGroup->item(2)->click();
    EXPECT_EQ(p->TaetigkeitGroup->toolTip(),
              QStringLiteral("z.B. schwere körperliche Arbeit, Bau, Transport, Treppensteigen"));
    EXPECT_EQ(p->AULabel->text(), QStringLiteral("1225"));
}

TEST_F(EnergyPageTest, EmptyOrBrokenFieldsKeepTheValuesShown)
{
    const QStringList before = values();
    const Fixed4 total = w->runState().calculatorTotal();
    type(p->StundenEdit, QString());
    EXPECT_EQ(p->StundenEdit->maskText(), QStringLiteral("  "));
    EXPECT_EQ(values(), before);
    EXPECT_EQ(w->runState().calculatorTotal(), total);
    type(p->StundenEdit, QStringLiteral("7"));

    // A blank between two digits: the label shows the text, the values stay.
    p->GewichtEdit->setMaskText(QStringLiteral("9 9"));
    EXPECT_EQ(p->GewichtEdit->maskText(), QStringLiteral("9 9"));
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna (9 9 kg) >"));
    EXPECT_EQ(values(), before);
    EXPECT_EQ(w->runState().calculatorTotal(), total);

    type(p->GewichtEdit, QString());
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna ( kg) >"));
    EXPECT_EQ(values(), before);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(EnergyPageTest, CheckBoxSwitchesTheDaysEnergyTargetAtOnce)
{
    EXPECT_FALSE(w->runState().useCalculatorTotal());
    // Anna has no group of her own: "Frauen 19-24" of the fixture, 2300 kcal.
    EXPECT_EQ(energyTarget(), QStringLiteral("2300"));
    p->SumKcalCheckBox->click();
    EXPECT_TRUE(w->runState().useCalculatorTotal());
    EXPECT_EQ(energyTarget(), QStringLiteral("2584"));
    // While ticked, each change of the total reaches the day at once.
    type(p->GewichtEdit, QStringLiteral("80"));
    EXPECT_EQ(energyTarget(), QStringLiteral("2704"));
    // Clearing the hours keeps the old total, and the day keeps using it.
    type(p->StundenEdit, QString());
    EXPECT_EQ(energyTarget(), QStringLiteral("2704"));
    type(p->StundenEdit, QStringLiteral("7"));
    // 0 kg and 0 hours: the total 0 is not used, the group's value is.
    type(p->GewichtEdit, QStringLiteral("0"));
    type(p->StundenEdit, QStringLiteral("0"));
    EXPECT_EQ(p->GesamtLabel->text(), QStringLiteral("0"));
    EXPECT_EQ(energyTarget(), QStringLiteral("2300"));
    type(p->GewichtEdit, QStringLiteral("75"));
    type(p->StundenEdit, QStringLiteral("7"));
    EXPECT_EQ(energyTarget(), QStringLiteral("2584"));
    p->SumKcalCheckBox->click();
    EXPECT_EQ(energyTarget(), QStringLiteral("2300"));
    EXPECT_FALSE(w->runState().useCalculatorTotal());
}

TEST_F(EnergyPageTest, OptionsFileKeepsTheMaskBlanks)
{
    type(p->GewichtEdit, QStringLiteral("82"));
    p->GeschlechtGroup->item(1)->click();
    p->TaetigkeitGroup->item(3)->click();
    type(p->StundenEdit, QStringLiteral("5"));
    p->SumKcalCheckBox->click();
    w->close();
    const QStringList lines = readLines(dir.file(QStringLiteral("ZudorOpt.cfg")));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.mid(1, 5), (QStringList{QStringLiteral("82 "), QStringLiteral("1"), QStringLiteral("3"),
                                            QStringLiteral("5 "), QStringLiteral("SumkcalCheckBox")}));
    EXPECT_EQ(lines[7], QStringLiteral("Meier"));
    EXPECT_EQ(lines[8], QStringLiteral("Anna"));
}

TEST_F(EnergyPageTest, SettingsRoundTripFromRunToRun)
{
    addSports({{QStringLiteral("Tennis"), 0.12775}});
    type(p->GewichtEdit, QStringLiteral("82"));
    p->GeschlechtGroup->item(1)->click();
    p->TaetigkeitGroup->item(2)->click();
    type(p->StundenEdit, QStringLiteral("5"));
    p->SumKcalCheckBox->click();
    whenModal<QDialog>([](QDialog *d) {
        auto *activities = d->findChild<gui::RadioGroup *>(QStringLiteral("RadioGroup1"));
        activities->item(2)->click(); // Tennis
        auto *minutes = d->findChild<gui::MaskEdit *>(QStringLiteral("MinutenEdit"));
        minutes->setMaskText(QStringLiteral("30"));
        d->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        d->findChild<QPushButton *>(QStringLiteral("DoItBtn"))->click();
    });
    p->SportBtn->click();
    ASSERT_EQ(w->runState().sportList(), QStringLiteral("30;314;2#")); // 30 x 0,12775 x 82 = 314,265
    const QStringList shown = values();
    w->close();
    w.reset();

    w = start();
    p = w->energyPage();
    EXPECT_EQ(store::userEntry(w->tables()->UserTable), QStringLiteral("Meier, Anna"));
    EXPECT_EQ(p->GewichtEdit->maskText(), QStringLiteral("82 "));
    EXPECT_EQ(p->GeschlechtGroup->itemIndex(), 1);
    EXPECT_EQ(p->TaetigkeitGroup->itemIndex(), 2);
    EXPECT_EQ(p->StundenEdit->maskText(), QStringLiteral("5 "));
    EXPECT_TRUE(p->SumKcalCheckBox->isChecked());
    EXPECT_EQ(w->runState().sportList(), QStringLiteral("30;314;2#"));
    EXPECT_EQ(w->runState().sportEnergy(), Fixed4::fromDouble(314));
    EXPECT_EQ(values(), shown);
    EXPECT_EQ(values(), (QStringList{QStringLiteral("1789"), QStringLiteral("964"), QStringLiteral("2753")}));
    EXPECT_EQ(w->userLabel()->text(), QStringLiteral("< Meier, Anna (82 kg) >"));
    EXPECT_EQ(w->tables()->BedarfTable.asString(QStringLiteral("Gruppe")), QStringLiteral("Frauen 19-24"));
}
