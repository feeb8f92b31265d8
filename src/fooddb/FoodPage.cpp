#include "FoodPage.h"
#include "FoodChooser.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "info/SingleFoodView.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::fooddb {

FoodPage::FoodPage(store::Tables &tables, QWidget *parent) : QWidget(parent), m_tables(tables)
{
    auto *panel = new QGroupBox(QStringLiteral("Navigation"), this);
    panel->setObjectName(QStringLiteral("NavigationPanel"));

    KategorieCombo = new gui::SortedComboBox(panel);
    KategorieCombo->setObjectName(QStringLiteral("KategorieCombo"));
    KategorieCombo->setToolTip(QStringLiteral("Nahrungsmittelkategorie auswählen"));
    ProduktCombo = new gui::SortedComboBox(panel);
    ProduktCombo->setObjectName(QStringLiteral("ProduktCombo"));
    ProduktCombo->setToolTip(QStringLiteral("Nahrungsmittel oder Gericht auswählen"));
    SearchEdit = new QLineEdit(panel);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setToolTip(QStringLiteral("Schnellsuche über ein Suchwort, Enter wenn fertig"));
    SearchBtn = new QPushButton(QStringLiteral("&Finden"), panel);
    SearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    SearchBtn->setToolTip(QStringLiteral("Suche wird mit obigem Wort gestartet (Enter)"));
    SearchBtn->setDefault(true);
    SpeedButton5 = new QPushButton(QStringLiteral("Ansicht drucken"), panel);
    SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
    EditBtn = new QPushButton(QStringLiteral("Nahrungsmittel bearbeiten"), panel);
    EditBtn->setObjectName(QStringLiteral("EditBtn"));
    EditBtn->setToolTip(QStringLiteral("Bearbeiten Sie das aktuell gewählte Nahrungsmittel"));
    BtnHelp = new QPushButton(QStringLiteral("F1 - Hilfe"), panel);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));

    auto *pl = new QVBoxLayout(panel);
    pl->addWidget(gui::buddyLabel(QStringLiteral("&Kategorie:"), KategorieCombo, panel));
    pl->addWidget(KategorieCombo);
    pl->addWidget(gui::buddyLabel(QStringLiteral("&Produkt:"), ProduktCombo, panel));
    pl->addWidget(ProduktCombo);
    pl->addWidget(gui::buddyLabel(QStringLiteral("&Suchbegriff:"), SearchEdit, panel));
    pl->addWidget(SearchEdit);
    pl->addWidget(SearchBtn);
    pl->addStretch();
    pl->addWidget(SpeedButton5);
    pl->addWidget(EditBtn);
    pl->addWidget(BtnHelp);
    // At least 200 pixels, wider where a larger font needs it.
    panel->setMinimumWidth(200);
    panel->setSizePolicy(QSizePolicy::Fixed, panel->sizePolicy().verticalPolicy());

    FoodView = new info::SingleFoodView(this);
    FoodView->setObjectName(QStringLiteral("SingleFoodView"));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(FoodView, 1);

    m_chooser = new FoodChooser(tables, KategorieCombo, ProduktCombo, SearchEdit, SearchBtn,
                                [this] { ProduktComboChange(); }, this);
}

void FoodPage::KategorieComboChange()
{
    m_chooser->categoryChanged();
}

void FoodPage::SearchBtnClick()
{
    m_chooser->searchClicked();
}

void FoodPage::ProduktComboChange()
{
    SearchEdit->setText(ProduktCombo->currentText());
    if (store::locateFood(m_tables.NMTable, ProduktCombo->currentText()))
        FoodView->showFood(m_tables.NMTable);
}

} // namespace torval::fooddb
