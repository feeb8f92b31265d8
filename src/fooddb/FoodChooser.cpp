#include "FoodChooser.h"
#include "SearchFrm.h"
#include "core/search.h"
#include "gui/handler.h"
#include "gui/sortedcombobox.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace torval::fooddb {

namespace {

// Entering the search box selects all its text, so typing replaces it.
class SelectAllOnFocus final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto *edit = qobject_cast<QLineEdit *>(watched))
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
};

} // namespace

FoodChooser::FoodChooser(store::Tables &tables, gui::SortedComboBox *categories, gui::SortedComboBox *products,
                         QLineEdit *search, QPushButton *searchButton, std::function<void()> productChanged,
                         QObject *parent)
    : QObject(parent), m_tables(tables), m_categories(categories), m_products(products), m_search(search),
      m_productChanged(std::move(productChanged))
{
    connect(categories, &gui::SortedComboBox::picked, this, [this] { gui::guarded([this] { categoryChanged(); }); });
    connect(products, &gui::SortedComboBox::picked, this, [this] { gui::guarded([this] { this->productChanged(); }); });
    connect(searchButton, &QPushButton::clicked, this, [this] { gui::guarded([this] { searchClicked(); }); });
    // The search button is the page's default button: Enter anywhere on the
    // page presses it (the search box also on its own, for a page whose
    // window is not the active one).
    connect(search, &QLineEdit::returnPressed, searchButton, &QPushButton::click);
    if (auto *page = qobject_cast<QWidget *>(parent))
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto *enter = new QShortcut(QKeySequence(key), page);
            enter->setContext(Qt::WidgetWithChildrenShortcut);
            connect(enter, &QShortcut::activated, searchButton, &QPushButton::click);
        }
    search->installEventFilter(new SelectAllOnFocus(search));
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
