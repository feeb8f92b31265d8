#include "AnalysePage.h"
#include "fooddb/FoodChooser.h"
#include "gui/sortedcombobox.h"
#include "store/tables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace torval::analysis {

AnalysePage::AnalysePage(store::Tables &tables, QWidget *parent) : QWidget(parent), m_tables(tables)
{
    auto *panel = new QGroupBox(QStringLiteral("Nahrungsmittel wählen"), this);
    KategorieCombo2 = new gui::SortedComboBox(panel);
    KategorieCombo2->setObjectName(QStringLiteral("KategorieCombo2"));
    KategorieCombo2->setToolTip(QStringLiteral("Nahrungsmittelkategorie auswählen"));
    ProduktCombo2 = new gui::SortedComboBox(panel);
    ProduktCombo2->setObjectName(QStringLiteral("ProduktCombo2"));
    ProduktCombo2->setToolTip(QStringLiteral("Produkt der aktuellen Kategorie auswählen"));
    SearchEdit2 = new QLineEdit(panel);
    SearchEdit2->setObjectName(QStringLiteral("SearchEdit2"));
    SearchEdit2->setToolTip(QStringLiteral("Schnellsuche über ein Suchwort, Enter wenn fertig"));
    SearchBtn2 = new QPushButton(QStringLiteral("&Finden"), panel);
    SearchBtn2->setObjectName(QStringLiteral("SearchBtn2"));
    SearchBtn2->setToolTip(QStringLiteral("Suche wird mit obigem Wort gestartet (Enter)"));
    SearchBtn2->setDefault(true);
    BtnHelp5 = new QPushButton(QStringLiteral("F1 - Hilfe"), panel);
    BtnHelp5->setObjectName(QStringLiteral("BtnHelp5"));

    auto label = [panel](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, panel);
        l->setBuddy(buddy);
        return l;
    };
    auto *pl = new QVBoxLayout(panel);
    pl->addWidget(label(QStringLiteral("&Kategorie:"), KategorieCombo2));
    pl->addWidget(KategorieCombo2);
    pl->addWidget(label(QStringLiteral("&Produkt:"), ProduktCombo2));
    pl->addWidget(ProduktCombo2);
    pl->addWidget(label(QStringLiteral("&Suchbegriff:"), SearchEdit2));
    pl->addWidget(SearchEdit2);
    pl->addWidget(SearchBtn2);
    pl->addStretch();
    pl->addWidget(BtnHelp5);
    panel->setFixedWidth(220);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addStretch(1);

    m_chooser = new fooddb::FoodChooser(tables, KategorieCombo2, ProduktCombo2, SearchEdit2, SearchBtn2,
                                        [this] { ProduktCombo2Change(); }, this);
}

void AnalysePage::KategorieCombo2Change()
{
    m_chooser->categoryChanged();
}

void AnalysePage::SearchBtn2Click()
{
    m_chooser->searchClicked();
}

void AnalysePage::ProduktCombo2Change()
{
    SearchEdit2->setText(ProduktCombo2->currentText());
}

} // namespace torval::analysis
