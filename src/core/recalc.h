#pragma once

#include "catalogue.h"
#include "numfmt.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace torval {

// The 26 values of one food per 100 g, in catalogue order.
using NutrientValues = std::array<double, kNutrientCount>;

// The foods the computation can find, by name with letter case ignored.
class FoodValuesByName
{
public:
    static QString key(const QString &name) { return name.toCaseFolded(); }
    // Keeps the first values given for a name.
    void insert(const QString &name, const NutrientValues &values)
    {
        const QString k = key(name);
        if (!m_map.contains(k))
            m_map.insert(k, values);
    }
    const NutrientValues *find(const QString &name) const
    {
        const auto it = m_map.constFind(key(name));
        return it == m_map.cend() ? nullptr : &*it;
    }
    qsizetype size() const { return m_map.size(); }

private:
    QHash<QString, NutrientValues> m_map;
};

// Everything the day's computation reads.
struct RecalcInput
{
    QStringList lines;                                           // the intake list
    FoodValuesByName foods;                                      // the food table
    std::array<std::optional<QString>, kNutrientCount> units;    // Einheit; empty when the catalogue row is missing
    std::array<std::optional<double>, kNutrientCount> reference; // requirement row; empty field = nullopt
    bool useCalculatorTotal = false;                             // "Diese Summe für die Tagesanalyse nutzen"
    Fixed4 calculatorTotal;                                      // the energy calculator's total, kcal
};

struct RecalcResult
{
    // Messages to show, in order.
    QStringList messages;
    // Set when the run stopped: the conversion message. Nothing else of the
    // result is valid then.
    std::optional<QString> error;

    std::array<long double, kNutrientCount> totals{};
    // caption ";" unit ";" actual ";" target ";" percent " %"
    QStringList lines;
    QString protein;       // EWPLabel
    QString fat;           // FTPLabel
    QString carbohydrates; // KHPLabel
};

// The missing-row message of a nutrient of the catalogue.
QString missingNutrientMessage(int nutrient);
QString foodNotFoundMessage(const QString &name);

// Whole-number percentage of actual against reference; 0 when the
// reference is 0 or unknown.
QString percentText(long double actual, std::optional<long double> reference);

// One share of the macronutrient ratio: at most two decimals.
QString ratioText(long double part, long double sum);

// The day's totals and result lines from scratch.
RecalcResult recalcAnalyse(const RecalcInput &input);

} // namespace torval
