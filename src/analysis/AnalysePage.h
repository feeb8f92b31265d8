#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace torval::gui {
class SortedComboBox;
}
namespace torval::store {
class Tables;
}
namespace torval::fooddb {
class FoodChooser;
}

namespace torval::analysis {

// The page "Tagesanalysen": what was eaten on one day.
class AnalysePage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalysePage)

public:
    AnalysePage(store::Tables &tables, QWidget *parent = nullptr);

    void KategorieCombo2Change();
    void SearchBtn2Click();
    void ProduktCombo2Change();

    gui::SortedComboBox *KategorieCombo2;
    gui::SortedComboBox *ProduktCombo2;
    QLineEdit *SearchEdit2;
    QPushButton *SearchBtn2;
    QPushButton *BtnHelp5;

private:
    store::Tables &m_tables;
    fooddb::FoodChooser *m_chooser;
};

} // namespace torval::analysis
