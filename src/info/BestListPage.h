#pragma once

#include "core/bestlist.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace torval::gui {
class SortedComboBox;
}
namespace torval::store {
class Tables;
}

namespace torval::info {

class BarGauge;
class LinkLabel;

// The page "Bestenlisten": the 21 foods with the most of a nutrient per
// 100 g, with their values, bars scaled to the best food and the nutrient's
// approximate daily requirement.
class BestListPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BestListPage)

public:
    explicit BestListPage(store::Tables &tables, QWidget *parent = nullptr);

    // Builds the list for the nutrient chosen in NSCombo.
    void NSComboChange();
    // "Bestenliste drucken...".
    void SpeedButton6Click();
    // The Nahrung.adt column of the chosen entry; empty when none is chosen.
    QString chosenColumn() const;

    gui::SortedComboBox *NSCombo;
    QLabel *NSLabel;
    QLabel *BedarfLabel;
    QLabel *TagesbedarfLabel;
    QLabel *NoteLabel;
    std::array<LinkLabel *, kBestListPositions> NMLabels{}; // NMLabel1 ... NMLabel21
    std::array<QLabel *, kBestListPositions> WertLabels{};  // WertLabel1 ... WertLabel21
    std::array<BarGauge *, kBestListPositions> Gauges{};    // Gauge1 ... Gauge21
    QPushButton *SpeedButton6;
    QPushButton *BtnHelp2;

Q_SIGNALS:
    // NMLabel1Click: a food name was clicked.
    void foodClicked(const QString &name);

private:
    store::Tables &m_tables;
};

} // namespace torval::info
