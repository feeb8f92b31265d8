#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QPushButton;

namespace torval::store {
class Tables;
}
namespace torval::gui {
class ChooserPanel;
class SortedComboBox;
} // namespace torval::gui

namespace torval::fooddb {

// The category chooser, food chooser and search box that pick one food; the
// page decides what choosing a food does.
class FoodChooser final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FoodChooser)

public:
    // Works the controls of the panel; productChanged is the page's own
    // handling of a chosen food.
    FoodChooser(store::Tables &tables, gui::ChooserPanel *panel, std::function<void()> productChanged,
                QObject *parent = nullptr);

    // The category chosen: fill the food chooser with its foods and show
    // the first of them. Runs with the category filter on.
    void categoryChanged();
    // "&Finden" or Enter: search, then switch category and food.
    void searchClicked();
    // The food chosen in the food chooser.
    void productChanged();

private:
    store::Tables &m_tables;
    gui::SortedComboBox *m_categories;
    gui::SortedComboBox *m_products;
    QLineEdit *m_search;
    std::function<void()> m_productChanged;
};

} // namespace torval::fooddb
