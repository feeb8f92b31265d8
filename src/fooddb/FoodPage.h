#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace torval::gui {
class SortedComboBox;
}
namespace torval::info {
class SingleFoodView;
}
namespace torval::store {
class Tables;
}

namespace torval::fooddb {

class FoodChooser;

// The page "Einzelanalysen": navigation panel on the left, the chosen
// food's values on the right.
class FoodPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FoodPage)

public:
    explicit FoodPage(store::Tables &tables, QWidget *parent = nullptr);

    void KategorieComboChange();
    void EditBtnClick();
    void SearchBtnClick();
    void ProduktComboChange();

    gui::SortedComboBox *KategorieCombo;
    gui::SortedComboBox *ProduktCombo;
    QLineEdit *SearchEdit;
    QPushButton *SearchBtn;
    QPushButton *SpeedButton5;
    QPushButton *EditBtn;
    QPushButton *BtnHelp;
    info::SingleFoodView *FoodView;

private:
    store::Tables &m_tables;
    FoodChooser *m_chooser;
};

} // namespace torval::fooddb
