#include "FoodChooser.h"
#include "SearchFrm.h"
#include "core/search.h"
#include "gui/ChooserPanel.h"
#include "gui/handler.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QLineEdit>
#include <QPushButton>

namespace torval::fooddb {

FoodChooser::FoodChooser(store::Tables &tables, gui::ChooserPanel *panel, std::function<void()> productChanged,
                         QObject *parent)
    : QObject(parent), m_tables(tables), m_categories(panel->categories), m_products(panel->items),
      m_search(panel->search), m_productChanged(std::move(productChanged))
{
    connect(m_categories, &gui::SortedComboBox::picked, this, [this] { gui::guarded([this] { categoryChanged(); }); });
    connect(m_products, &gui::SortedComboBox::picked, this,
            [this] { gui::guarded([this] { this->productChanged(); }); });
    gui::onClick(panel->searchButton, this, &FoodChooser::searchClicked);
}

void FoodChooser::productChanged()
{
    if (m_productChanged)
        m_productChanged();
}

void FoodChooser::categoryChanged()
{
    store::Table &foods = m_tables.NMTable;
    m_products->clear();
    m_search->clear();
    struct FilterOff
    {
        store::Table &t;
        ~FilterOff()
        {
            try {
                t.setFilter(QString());
                t.setFiltered(false);
            } catch (...) {
            }
        }
    };
    foods.setFilter(categoryFilter(m_categories->currentText()));
    foods.setFiltered(true);
    FilterOff off{foods};
    m_products->setSortedItems(store::distinctNames(foods, QStringLiteral("Nahrungsmittel")));
    if (m_products->count() > 0) {
        m_products->selectSilently(0);
        productChanged();
    }
}

void FoodChooser::searchClicked()
{
    const QString word = m_search->text();
    if (word.isEmpty())
        return;
    const store::FoodHits hits = store::searchFoods(m_tables.Query1, word);
    if (hits.names.isEmpty())
        return;
    int row = 0;
    if (hits.names.size() > 1) {
        TSearchForm dlg(hits.names, m_search->window());
        if (dlg.exec() != QDialog::Accepted)
            return;
        row = hits.indexOf(dlg.selectedName());
        if (row < 0)
            return;
    }
    const QString category = hits.categories.at(row);
    const QString name = hits.names.at(row);
    const int k = m_categories->indexOfText(category);
    if (k >= 0)
        m_categories->selectSilently(k);
    categoryChanged();
    const int p = m_products->indexOfText(name, Qt::CaseSensitive) >= 0
                      ? m_products->indexOfText(name, Qt::CaseSensitive)
                      : m_products->indexOfText(name);
    if (p >= 0) {
        m_products->selectSilently(p);
        productChanged();
    }
}

} // namespace torval::fooddb
