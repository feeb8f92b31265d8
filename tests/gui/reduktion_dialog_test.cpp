#include "energy/EnergyPage.h"
#include "energy/ReduktionFrm.h"
#include "energy_fixture.h"
#include "gui/MaskEdit.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

using namespace torval;
using energy::TReduktionForm;

namespace {

class ReduktionDialogTest : public test::EnergyFixture
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;
    energy::EnergyPage *p = nullptr;

    void SetUp() override
    {
        EnergyFixture::SetUp();
        Clock::setSource([] { return QDate(2003, 1, 20); });
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
};

} // namespace

TEST_F(ReduktionDialogTest, StartsFromTheCalculatorsWeightAndFollowsEveryChange)
{
    QStringList seen;
    whenModal<TReduktionForm>([&](TReduktionForm *d) {
        seen << d->windowTitle() << d->DateTimePicker1->date().toString(Qt::ISODate) << d->EnergieLabel->maskText()
             << d->StartgewichtEdit->maskText() << d->ZielgewichtEdit->maskText() << d->DateLabel->text();
        // The energy saved: 0 or nothing keeps the date shown.
        d->EnergieLabel->setMaskText(QStringLiteral("0"));
        seen << d->DateLabel->text();
        d->EnergieLabel->setMaskText(QString());
        seen << d->DateLabel->text();
        d->EnergieLabel->setMaskText(QStringLiteral("700"));
        seen << d->DateLabel->text();
        // Target equal to the start weight: the start date.
        d->ZielgewichtEdit->setMaskText(QStringLiteral("75"));
        seen << d->DateLabel->text();
        // Target above the start weight: before the start, no message.
        d->ZielgewichtEdit->setMaskText(QStringLiteral("80"));
        seen << d->DateLabel->text();
        // Moving the start moves the end by as many days.
        d->ZielgewichtEdit->setMaskText(QStringLiteral("70"));
        d->DateTimePicker1->setDate(QDate(2003, 2, 20));
        seen << d->DateLabel->text();
        d->Button1->click();
    });
    p->ReduktionBtn->click();
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("Reduktionsdiät"), QStringLiteral("2003-01-20"), QStringLiteral("500"),
                           QStringLiteral("75 "), QStringLiteral("70 "), QStringLiteral("01.04.2003"),
                           QStringLiteral("01.04.2003"), QStringLiteral("01.04.2003"), QStringLiteral("12.03.2003"),
                           QStringLiteral("20.01.2003"), QStringLiteral("29.11.2002"), QStringLiteral("12.04.2003")}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ReduktionDialogTest, EmptyWeightKeepsTheDialogClosed)
{
    p->GewichtEdit->setMaskText(QStringLiteral("   "));
    p->ReduktionBtn->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(boxes.texts(QStringLiteral("error")), QStringList{QStringLiteral("'' ist kein gültiger Integerwert.")});
}

TEST_F(ReduktionDialogTest, WeightWithALeadingBlank)
{
    p->GewichtEdit->setMaskText(QStringLiteral(" 90"));
    QStringList seen;
    whenModal<TReduktionForm>([&](TReduktionForm *d) {
        seen << d->StartgewichtEdit->maskText() << d->ZielgewichtEdit->maskText() << d->DateLabel->text();
        d->reject();
    });
    p->ReduktionBtn->click();
    EXPECT_EQ(seen, (QStringList{QStringLiteral(" 90"), QStringLiteral("85 "), QStringLiteral("01.04.2003")}));
}
