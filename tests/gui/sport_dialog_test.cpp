#include "energy/EnergyPage.h"
#include "energy/SportFrm.h"
#include "energy_fixture.h"
#include "gui/MaskEdit.h"
#include "gui/RadioGroup.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace torval;
using energy::TSportForm;

namespace {

// Positions in the fixture's activity table after addSports below.
const int kBadminton = 0;
const int kGehen = 1;
const int kTennis = 2;

class SportDialogTest : public test::EnergyFixture
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;
    energy::EnergyPage *p = nullptr;

    void SetUp() override
    {
        EnergyFixture::SetUp();
        addSports({{QStringLiteral("Tennis"), 0.12775}});
        test::TestUser anna{QStringLiteral("Meier"), QStringLiteral("Anna")};
        anna.weight = QStringLiteral("80");
        addUsers({anna});
        w = start();
        p = w->energyPage();
        ASSERT_TRUE(p);
    }
    void TearDown() override
    {
        w.reset();
        EnergyFixture::TearDown();
    }

    static void add(TSportForm *d, int activity, const QString &minutes)
    {
        if (activity >= 0)
            d->RadioGroup1->item(activity)->click();
        d->MinutenEdit->setMaskText(minutes);
        d->SpeedButton1->click();
    }
    static QList<QStringList> rows(TSportForm *d)
    {
        QList<QStringList> out;
        for (int i = 0; i < d->lv->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *it = d->lv->topLevelItem(i);
            out << QStringList{it->text(0), it->text(1), it->text(2), it->text(3)};
        }
        return out;
    }
    // Opens the dialog from the page and runs f in it.
    void withDialog(const std::function<void(TSportForm *)> &f)
    {
        whenModal<TSportForm>(f);
        p->SportBtn->click();
    }
};

} // namespace

TEST_F(SportDialogTest, AddingTheSameActivityAgainReplacesItAtTheEnd)
{
    QList<QStringList> shown;
    QStringList activities;
    withDialog([&](TSportForm *d) {
        for (int i = 0; i < d->RadioGroup1->count(); ++i)
            activities << d->RadioGroup1->itemText(i);
        EXPECT_EQ(d->RadioGroup1->itemIndex(), -1);
        EXPECT_EQ(d->MinutenEdit->maskText(), QStringLiteral("10 "));
        add(d, kTennis, QStringLiteral("30"));
        add(d, kGehen, QStringLiteral("45"));
        add(d, kTennis, QStringLiteral("60"));
        shown = rows(d);
        d->DoItBtn->click();
    });
    EXPECT_EQ(activities,
              (QStringList{QStringLiteral("Badminton"), QStringLiteral("Gehen"), QStringLiteral("Tennis")}));
    // Gehen: 45 x 0,0612 x 80 = 220,32; Tennis: 60 x 0,12775 x 80 = 613,2.
    EXPECT_EQ(shown,
              (QList<QStringList>{
                  {QStringLiteral("Gehen"), QStringLiteral("45"), QStringLiteral("220"), QStringLiteral("1")},
                  {QStringLiteral("Tennis"), QStringLiteral("60"), QStringLiteral("613"), QStringLiteral("2")}}));
    EXPECT_EQ(w->runState().sportList(), QStringLiteral("45;220;1#60;613;2#"));
    EXPECT_EQ(w->runState().sportEnergy(), Fixed4::fromDouble(833));
    // The calculator took the sport in: 7 x 112 + 833.
    EXPECT_EQ(p->AULabel->text(), QStringLiteral("1617"));
    EXPECT_EQ(p->GesamtLabel->text(), QStringLiteral("3537"));
    EXPECT_EQ(w->runState().calculatorTotal(), Fixed4::fromDouble(3537));
}

TEST_F(SportDialogTest, StoredEntriesComeBackWithTheirNamesAndKeepTheirKcal)
{
    w->runState().setSportList(QStringLiteral("30;307;2#20;39;0#"));
    w->runState().setSportEnergy(Fixed4::fromDouble(346));
    p->GewichtEdit->setMaskText(QStringLiteral("50 "));
    QList<QStringList> shown;
    withDialog([&](TSportForm *d) {
        shown = rows(d);
        add(d, kBadminton, QStringLiteral("20 ")); // 20 x 0,0963 x 50 = 96,3
        shown << rows(d).last();
        d->DoItBtn->click();
    });
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], (QStringList{QStringLiteral("Tennis"), QStringLiteral("30"), QStringLiteral("307"),
                                     QStringLiteral("2")}));
    EXPECT_EQ(shown[1], (QStringList{QStringLiteral("Badminton"), QStringLiteral("20"), QStringLiteral("39"),
                                     QStringLiteral("0")}));
    // Entries already there keep their kcal; the one added uses the new weight.
    EXPECT_EQ(shown[2], (QStringList{QStringLiteral("Badminton"), QStringLiteral("20"), QStringLiteral("96"),
                                     QStringLiteral("0")}));
    EXPECT_EQ(w->runState().sportList(), QStringLiteral("30;307;2#20;96;0#"));
    EXPECT_EQ(w->runState().sportEnergy(), Fixed4::fromDouble(403));
}

TEST_F(SportDialogTest, CancellingChangesNothing)
{
    w->runState().setSportList(QStringLiteral("30;307;2#"));
    w->runState().setSportEnergy(Fixed4::fromDouble(307));
    p->GewichtEditChange();
    const QString au = p->AULabel->text();
    for (int way = 0; way < 3; ++way) {
        withDialog([way](TSportForm *d) {
            add(d, kGehen, QStringLiteral("45"));
            d->lv->setCurrentItem(d->lv->topLevelItem(0));
            d->SpeedButton2->click();
            if (way == 0)
                d->CloseBtn->click();
            else if (way == 1)
                d->reject(); // Esc
            else
                d->close();
        });
        EXPECT_EQ(w->runState().sportList(), QStringLiteral("30;307;2#")) << way;
        EXPECT_EQ(w->runState().sportEnergy(), Fixed4::fromDouble(307)) << way;
        EXPECT_EQ(p->AULabel->text(), au) << way;
    }
}

TEST_F(SportDialogTest, ConfirmingAnEmptyListDropsTheSport)
{
    w->runState().setSportList(QStringLiteral("30;307;2#"));
    w->runState().setSportEnergy(Fixed4::fromDouble(307));
    p->GewichtEditChange();
    EXPECT_EQ(p->AULabel->text(), QStringLiteral("1091"));
    int afterFirstRemove = -1;
    int afterSecondRemove = -1;
    withDialog([&](TSportForm *d) {
        add(d, kGehen, QStringLiteral("45"));
        d->lv->setCurrentItem(d->lv->topLevelItem(0));
        d->SpeedButton2->click();
        afterFirstRemove = d->lv->topLevelItemCount();
        // Nothing is selected now: a second press removes nothing.
        d->SpeedButton2->click();
        afterSecondRemove = d->lv->topLevelItemCount();
        d->lv->setCurrentItem(d->lv->topLevelItem(0));
        d->SpeedButton2->click();
        d->DoItBtn->click();
    });
    EXPECT_EQ(afterFirstRemove, 1);
    EXPECT_EQ(afterSecondRemove, 1);
    EXPECT_EQ(w->runState().sportList(), QString());
    EXPECT_EQ(w->runState().sportEnergy(), Fixed4());
    EXPECT_EQ(p->AULabel->text(), QStringLiteral("784"));
}

TEST_F(SportDialogTest, NothingIsAddedWithoutActivityOrMinutes)
{
    int rowsAfter = -1;
    withDialog([&](TSportForm *d) {
        add(d, -1, QStringLiteral("30"));
        add(d, kTennis, QStringLiteral("   "));
        add(d, kTennis, QStringLiteral("3 0"));
        rowsAfter = d->lv->topLevelItemCount();
        d->DoItBtn->click();
    });
    EXPECT_EQ(rowsAfter, 0);
    const QStringList errors = boxes.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[0], QStringLiteral("'' ist kein gültiger Integerwert."));
    EXPECT_EQ(errors[1], QStringLiteral("'3 0' ist kein gültiger Integerwert."));
}

TEST_F(SportDialogTest, MissingActivityTableStillShowsTheUsersEntries)
{
    w->tables()->db().exec(QStringLiteral("DROP TABLE \"SPORTFAKTOR.ADT\""));
    w->runState().setSportList(QStringLiteral("30;307;2#"));
    int offered = -1;
    QList<QStringList> shown;
    withDialog([&](TSportForm *d) {
        offered = d->RadioGroup1->count();
        shown = rows(d);
        d->DoItBtn->click();
    });
    EXPECT_EQ(boxes.texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Tabelle mit den Sportdaten konnte nicht geöffnet werden.")});
    EXPECT_EQ(offered, 0);
    EXPECT_EQ(shown,
              (QList<QStringList>{{QString(), QStringLiteral("30"), QStringLiteral("307"), QStringLiteral("2")}}));
    EXPECT_EQ(w->runState().sportList(), QStringLiteral("30;307;2#"));
    EXPECT_EQ(w->runState().sportEnergy(), Fixed4::fromDouble(307));
}

TEST_F(SportDialogTest, EmptyWeightKeepsTheDialogClosed)
{
    w->runState().setSportList(QStringLiteral("30;307;2#"));
    p->GewichtEdit->setMaskText(QString());
    p->SportBtn->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(boxes.texts(QStringLiteral("error")), QStringList{QStringLiteral("'' ist kein gültiger Integerwert.")});
    EXPECT_EQ(w->runState().sportList(), QStringLiteral("30;307;2#"));
}

TEST_F(SportDialogTest, ListLayout)
{
    withDialog([](TSportForm *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Sportliche Aktivitäten"));
        EXPECT_EQ(d->RadioGroup1->title(), QStringLiteral("Sportliche Aktivitäten:"));
        const QTreeWidgetItem *h = d->lv->headerItem();
        EXPECT_EQ(h->text(0), QStringLiteral("Tätigkeit"));
        EXPECT_EQ(h->text(1), QStringLiteral("Minuten"));
        EXPECT_EQ(h->text(2), QStringLiteral("Kalorien"));
        EXPECT_EQ(h->text(3), QStringLiteral("ID"));
        EXPECT_FALSE(d->lv->header()->sectionsClickable());
        add(d, kTennis, QStringLiteral("30"));
        EXPECT_TRUE(d->lv->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
        EXPECT_TRUE(d->lv->topLevelItem(0)->textAlignment(2) & Qt::AlignRight);
        EXPECT_TRUE(d->DoItBtn->isDefault());
        EXPECT_EQ(d->DoItBtn->text(), QStringLiteral("&Übernehmen"));
        d->CloseBtn->click();
    });
}
