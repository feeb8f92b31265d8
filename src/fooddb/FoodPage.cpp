#include "FoodPage.h"
#include "FoodChooser.h"
#include "gui/ChooserPanel.h"
#include "gui/dialogs.h"
#include "gui/help.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "info/SingleFoodView.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::fooddb {

FoodPage::FoodPage(store::Tables &tables, QWidget *parent) : QWidget(parent), m_tables(tables)
{
    auto *panel = new gui::ChooserPanel(
        QStringLiteral("Navigation"),
        {QStringLiteral("KategorieCombo"), QStringLiteral("&Kategorie:"),
         QStringLiteral("Nahrungsmittelkategorie auswählen"), QStringLiteral("ProduktCombo"),
         QStringLiteral("&Produkt:"), QStringLiteral("Nahrungsmittel oder Gericht auswählen"),
         QStringLiteral("SearchEdit"), QStringLiteral("Schnellsuche über ein Suchwort, Enter wenn fertig"),
         QStringLiteral("SearchBtn"), QStringLiteral("Suche wird mit obigem Wort gestartet (Enter)")},
        this);
    panel->setObjectName(QStringLiteral("NavigationPanel"));
    KategorieCombo = panel->categories;
    ProduktCombo = panel->items;
    SearchEdit = panel->search;
    SearchBtn = panel->searchButton;
    SpeedButton5 =
        gui::namedButton(QStringLiteral("SpeedButton5"), QStringLiteral("Ansicht drucken"), QString(), panel);
    EditBtn = gui::namedButton(QStringLiteral("EditBtn"), QStringLiteral("Nahrungsmittel bearbeiten"),
                               QStringLiteral("Bearbeiten Sie das aktuell gewählte Nahrungsmittel"), panel);
    BtnHelp = gui::helpButton(QStringLiteral("BtnHelp"), 5, panel);

    QVBoxLayout *pl = panel->panelLayout();
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

    m_chooser = new FoodChooser(
        tables, panel, [this] { ProduktComboChange(); }, this);
    gui::setPageDefaultButton(this, SearchBtn);
    gui::onClick(EditBtn, this, &FoodPage::EditBtnClick);
}

void FoodPage::EditBtnClick()
{
    gui::dialogs().showMessage(
        QStringLiteral("Das Bearbeiten der Nahrungsmittel ist in dieser Version noch nicht enthalten."));
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
