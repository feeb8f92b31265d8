#include "ReduktionFrm.h"
#include "core/clock.h"
#include "core/diet.h"
#include "core/energy.h"
#include "core/numfmt.h"
#include "gui/MaskEdit.h"
#include "gui/widgets.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::energy {

TReduktionForm::TReduktionForm(const QString &weightText, int target, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReduktionForm"));
    setWindowTitle(QStringLiteral("Reduktionsdiät"));

    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker1->setDate(Clock::today());
    EnergieLabel = new gui::MaskEdit(3, this);
    EnergieLabel->setObjectName(QStringLiteral("EnergieLabel"));
    EnergieLabel->setMaskText(QString::number(CalculatorDefaults::dietSavedKcal));
    StartgewichtEdit = new gui::MaskEdit(3, this);
    StartgewichtEdit->setObjectName(QStringLiteral("StartgewichtEdit"));
    StartgewichtEdit->setMaskText(weightText);
    ZielgewichtEdit = new gui::MaskEdit(3, this);
    ZielgewichtEdit->setObjectName(QStringLiteral("ZielgewichtEdit"));
    ZielgewichtEdit->setMaskText(QString::number(target));
    DateLabel = new QLabel(this);
    DateLabel->setObjectName(QStringLiteral("DateLabel"));
    QFont bold = DateLabel->font();
    bold.setBold(true);
    DateLabel->setFont(bold);
    Button1 = gui::namedButton(QStringLiteral("Button1"), QStringLiteral("&Schließen"), QString(), this);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString &caption, QWidget *field, const QString &unit) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(field);
        grid->addWidget(l, row, 0);
        grid->addWidget(field, row, 1, Qt::AlignLeft);
        if (!unit.isEmpty())
            grid->addWidget(new QLabel(unit, this), row, 2);
        ++row;
    };
    addRow(QStringLiteral("Diätbeginn:"), DateTimePicker1, QString());
    addRow(QStringLiteral("eingesparte Energie pro Tag:"), EnergieLabel, QStringLiteral("(in kcal)"));
    addRow(QStringLiteral("Startgewicht:"), StartgewichtEdit, QStringLiteral("(in kg)"));
    addRow(QStringLiteral("Zielgewicht:"), ZielgewichtEdit, QStringLiteral("(in kg)"));
    auto *endCaption = new QLabel(QStringLiteral("Diätende:"), this);
    endCaption->setFont(bold);
    grid->addWidget(endCaption, row, 0);
    grid->addWidget(DateLabel, row, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    recompute();
    connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TReduktionForm::recompute);
    for (gui::MaskEdit *e : {EnergieLabel, StartgewichtEdit, ZielgewichtEdit})
        connect(e, &gui::MaskEdit::changed, this, &TReduktionForm::recompute);
}

void TReduktionForm::recompute()
{
    const auto end = dietEndDate(DateTimePicker1->date(), StartgewichtEdit->maskText(), ZielgewichtEdit->maskText(),
                                 EnergieLabel->maskText());
    if (end)
        DateLabel->setText(formatDate(*end));
}

} // namespace torval::energy
