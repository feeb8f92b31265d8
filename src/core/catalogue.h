#pragma once

#include <QString>
#include <array>

namespace torval {

// One nutrient of the fixed catalogue.
struct Nutrient
{
    const char16_t *column;       // field of Nahrung.adt, key of Naehrstoff.adt
    const char16_t *bedarfColumn; // field of Bedarf.adt
    const char16_t *shortCaption; // single-food page, details chooser
    const char16_t *fullCaption;  // best-list chooser, result list
    const char16_t *unit;
    double fullScale; // value at which the single-food bar is full

    QString columnName() const { return QString::fromUtf16(column); }
    QString bedarfName() const { return QString::fromUtf16(bedarfColumn); }
    QString shortName() const { return QString::fromUtf16(shortCaption); }
    QString fullName() const { return QString::fromUtf16(fullCaption); }
    QString unitName() const { return QString::fromUtf16(unit); }
};

constexpr int kNutrientCount = 26;

// The 26 nutrients in analysis order.
const std::array<Nutrient, kNutrientCount> &nutrients();

// Catalogue positions in the alphabetical order of both nutrient choosers.
const std::array<int, kNutrientCount> &chooserOrder();

// Catalogue index of a Nahrung.adt column (case-insensitive), -1 if unknown.
int nutrientByColumn(const QString &column);
int nutrientByShortCaption(const QString &caption);
int nutrientByFullCaption(const QString &caption);

} // namespace torval
