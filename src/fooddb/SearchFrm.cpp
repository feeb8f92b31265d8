#include "SearchFrm.h"
#include "gui/widgets.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::fooddb {

TSearchForm::TSearchForm(const QStringList &names, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("Suchergebnisse"));
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->addItems(names);
    ListBox->setAccessibleName(QStringLiteral("Gefundene Nahrungsmittel"));
    if (!names.isEmpty())
        ListBox->setCurrentRow(0);
    Button1 = gui::namedButton(QStringLiteral("Button1"), QStringLiteral("Auswählen"), QString(), this);
    Button1->setDefault(true);
    Button2 = gui::namedButton(QStringLiteral("Button2"), QStringLiteral("Abbrechen"), QString(), this);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListBox, &QListWidget::itemDoubleClicked, Button1, &QPushButton::click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ListBox);
    layout->addLayout(buttons);
    setFixedSize(360, 320);
}

QString TSearchForm::selectedName() const
{
    const QListWidgetItem *item = ListBox->currentItem();
    return item ? item->text() : QString();
}

} // namespace torval::fooddb
