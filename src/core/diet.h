#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace torval {

// The reduction diet: on which day is the target weight reached when a fixed
// amount of energy is saved every day? Each kcal saved counts as 0,14 g of
// body weight lost.

// Days needed (with their fraction): (start - target) x 1000 / (kcal x 0,14).
// Nothing when the saved energy is 0 or the result is not a finite number.
std::optional<double> dietDays(int startWeight, int targetWeight, double kcalPerDay);

// The date part of start + days: the fraction of a day is dropped, also
// for negative days (a target above the start weight). Nothing when the
// computation fails or the date lies outside the years 1 to 9999.
std::optional<QDate> dietEndDate(const QDate &start, int startWeight, int targetWeight, double kcalPerDay);

// The same from the dialog's field texts (blanks around the digits ignored):
// weights as whole numbers, the saved energy as a decimal number. An empty or
// non-numeric text gives nothing.
std::optional<QDate> dietEndDate(const QDate &start, const QString &startWeight, const QString &targetWeight,
                                 const QString &kcalPerDay);

} // namespace torval
