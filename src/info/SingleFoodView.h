#pragma once

#include "core/catalogue.h"
#include "core/singlefood.h"

#include <QWidget>
#include <array>

class QLabel;
class QPrinter;

namespace torval::store {
class Table;
}

namespace torval::info {

class BarGauge;
class LinkLabel;

// Right-hand side of the page "Einzelanalysen": what 100 g of the chosen
// food contain, the 26 nutrients in a grid of four columns and seven rows in
// catalogue order, each with its value, unit and a bar against the nutrient's
// fixed full scale; energy also in kJ.
class SingleFoodView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleFoodView)

public:
    explicit SingleFoodView(QWidget *parent = nullptr);

    // Shows the current record of the food table.
    void showFood(const store::Table &foods);
    void showDisplay(const SingleFoodDisplay &display);

    QLabel *HeadingLabel;
    // Per catalogue nutrient; objectNames "Caption_<column>", "Value_<column>",
    // "Unit_<column>", "Gauge_<column>".
    std::array<LinkLabel *, kNutrientCount> Captions{};
    std::array<QLabel *, kNutrientCount> Values{};
    std::array<QLabel *, kNutrientCount> Units{};
    std::array<BarGauge *, kNutrientCount> Gauges{};
    QLabel *KJValueLabel;
    QLabel *KJUnitLabel;

Q_SIGNALS:
    // A nutrient caption was clicked (Label41Click); carries its text.
    void captionClicked(const QString &caption);
};

// "Ansicht drucken": prints an image of the window as it is on the screen,
// at the same physical size, at the top left of one page. Throws Error when
// the printer cannot be used.
void printWindowImage(QWidget *window, QPrinter &printer);
// The same on the default printer, without a dialog; tells the user when no
// printer is set up.
void SpeedButton5Click(QWidget *window);

} // namespace torval::info
