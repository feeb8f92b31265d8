#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QScrollArea;

namespace torval::gui {
class SortedComboBox;
}
namespace torval::store {
class Tables;
}

namespace torval::info {

class LinkLabel;

// The page "Nährstoffdetails": the eight descriptive texts of one nutrient
// from Naehrstoff.adt, and a link to the nutrient's best list.
class NutrientDetailsPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NutrientDetailsPage)

public:
    explicit NutrientDetailsPage(store::Tables &tables, QWidget *parent = nullptr);

    // Fills the page for the entry chosen in NSComboBox.
    void NSComboBoxChange();
    // Chooses the entry whose text equals caption (letter case ignored);
    // false when there is none.
    bool selectCaption(const QString &caption);
    // Chooses the entry of a Nahrung.adt column; false when unknown.
    bool selectColumn(const QString &column);
    // The Nahrung.adt column of the chosen entry; empty when none is chosen.
    QString chosenColumn() const;

    gui::SortedComboBox *NSComboBox;
    QLabel *NSLabel2;
    // Captions "Wirkung" ... "Check" and their texts WirkgLabel, AufnahmeLabel,
    // MangelLabel, UeberdosisLabel, ZubereitgLabel, MehrbedarfLabel,
    // TippLabel, CheckLabel.
    std::array<LinkLabel *, 8> SectionCaptions{};
    std::array<QLabel *, 8> SectionTexts{};
    LinkLabel *Label9;
    QPushButton *BtnHelp3;
    QScrollArea *TextScroll;

Q_SIGNALS:
    // Label9Click: the best list of the entry at this chooser position.
    void bestListRequested(int chooserIndex);
    // A section caption was clicked: search the foods for its text.
    void searchRequested(const QString &text);

private:
    store::Tables &m_tables;
};

} // namespace torval::info
