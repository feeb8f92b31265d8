#pragma once

#include <QList>
#include <QString>
#include <array>

namespace torval {

// One household measure: what is measured, its unit and the weight of one
// unit in grams (a whole number, a decimal or a range such as "5 - 10").
struct Measure
{
    QString name;
    QString unit;
    QString grams;
};

struct MeasurePage
{
    QString caption;
    QString unitHeading; // "Abkürzung" or "Alternativeinheit"
    QList<Measure> rows; // sorted by name as the list shows them
};

constexpr int kMeasurePageCount = 10;

const std::array<MeasurePage, kMeasurePageCount> &measurePages();

// The label beside the multiplier.
QString measureLabel(const Measure &m);
QString initialMeasureLabel(); // "mal 100 g (Wasser)"

// Taking over: the grams of the label times the multiplier, rounded to four
// decimals, in shortest form. Throws ConversionError when the label's grams
// are not a number (a range).
QString takeOverAmount(const QString &label, int multiplier);

} // namespace torval
