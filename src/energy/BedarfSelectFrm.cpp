#include "BedarfSelectFrm.h"
#include "core/groups.h"
#include "gui/widgets.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace torval::energy {

TBedarfSelectForm::TBedarfSelectForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BedarfSelectForm"));
    setWindowTitle(QStringLiteral("Personenkreis spezifizieren"));

    RadioGroup1 = new QGroupBox(QStringLiteral("Personenkreis:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    auto *grid = new QGridLayout(RadioGroup1);
    const QStringList &names = groupNames();
    const int rows = int((names.size() + 1) / 2);
    for (int i = 0; i < names.size(); ++i) {
        auto *b = new QRadioButton(names.at(i), RadioGroup1);
        b->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        m_buttons->addButton(b, i);
        items << b;
        grid->addWidget(b, i % rows, i / rows);
    }

    SelectBtn = gui::namedButton(QStringLiteral("SelectBtn"), QStringLiteral("Auswählen"), QString(), this);
    SelectBtn->setDefault(true);
    CancelBtn = gui::namedButton(QStringLiteral("CancelBtn"), QStringLiteral("Abbrechen"), QString(), this);
    connect(SelectBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SelectBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TBedarfSelectForm::markGroup(const QString &group)
{
    // An exclusive group cannot show "none marked" while one is checked.
    m_buttons->setExclusive(false);
    for (QRadioButton *b : std::as_const(items))
        b->setChecked(false);
    m_buttons->setExclusive(true);
    for (QRadioButton *b : std::as_const(items))
        if (b->text().compare(group, Qt::CaseInsensitive) == 0) {
            b->setChecked(true);
            break;
        }
}

QString TBedarfSelectForm::markedGroup() const
{
    const QAbstractButton *b = m_buttons->checkedButton();
    return b ? b->text() : QString();
}

} // namespace torval::energy
