#pragma once

#include <QWidget>

class QLabel;

namespace torval::store {
class Table;
}

namespace torval::info {

// Right-hand side of the page "Einzelanalysen": what 100 g of the chosen
// food contain.
class SingleFoodView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleFoodView)

public:
    explicit SingleFoodView(QWidget *parent = nullptr);

    // Shows the current record of the food table.
    void showFood(const store::Table &foods);

    QLabel *HeadingLabel;
};

} // namespace torval::info
