#pragma once

#include "catalogue.h"

#include <QString>
#include <array>
#include <optional>

namespace torval {

// What the page "Einzelanalysen" shows for one food record: per catalogue
// nutrient the value text and the bar position, the energy in kJ and the
// heading. An unknown value (no figure in the food table) shows "k. A."
// with an empty bar.
struct NutrientCell
{
    QString valueText;
    int bar = 0; // 0 ... 100
    bool known = true;
};

struct SingleFoodDisplay
{
    QString heading;
    std::array<NutrientCell, kNutrientCount> cells;
    QString kilojouleText;
};

// One food's 26 values per 100 g in catalogue order; empty where the food
// table does not know the value.
using FoodValues = std::array<std::optional<double>, kNutrientCount>;

// The text shown for a value that the food table does not know.
QString unknownValueText();

// value × 100 ÷ fullScale, rounded half to even, held within 0 and 100.
int barPosition(double value, double fullScale);

// Energy in kJ: kcal × 4.18 rounded half to even, computed exactly on the
// kcal value held with four decimals.
QString kilojouleText(double kcal);

// The heading before any food is shown.
QString noFoodHeading();

SingleFoodDisplay singleFoodDisplay(const QString &foodName, const FoodValues &values);

} // namespace torval
