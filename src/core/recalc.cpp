#include "recalc.h"
#include "error.h"
#include "intake.h"

#include <cmath>

namespace torval {

namespace {

// How each nutrient is named when its catalogue row is missing.
constexpr std::array<const char16_t *, kNutrientCount> kMissingNames = {
    u"Energie",  u"Wasser",     u"Eiweiss",    u"Fett",          u"Kohlenhydrate", u"Unges_FS", u"Cholesterin",
    u"Alkohol",  u"Harnsäure",  u"Tier_EW",    u"Ballaststoffe", u"Natrium",       u"Kalium",   u"Magnesium",
    u"Calcium",  u"Phosphor",   u"Eisen",      u"Zink",          u"Vitamin A",     u"Carotin",  u"Vitamin E",
    u"Folsäure", u"Vitamin B1", u"Vitamin_B2", u"Vitamin_B6",    u"Vitamin_C"};

constexpr int kEnergy = 0;
constexpr int kProtein = 2;
constexpr int kFat = 3;
constexpr int kCarbohydrates = 4;

} // namespace

QString missingNutrientMessage(int nutrient)
{
    return QString::fromUtf16(kMissingNames.at(std::size_t(nutrient)))
           + QStringLiteral(" konnte nicht gefunden werden.");
}

QString foodNotFoundMessage(const QString &name)
{
    return QStringLiteral("Das Nahrungsmittel ") + name + QStringLiteral(" wurde nicht gefunden.");
}

QString percentText(long double actual, std::optional<long double> reference)
{
    // A reference of 0 or none gives no share at all rather than a division
    // by zero.
    if (!reference || *reference == 0.0L)
        return QStringLiteral("0");
    return formatGeneral(roundHalfEven(actual * 100.0L / *reference));
}

QString ratioText(long double part, long double sum)
{
    const long double h = roundHalfEven(part * 100.0L / sum * 100.0L);
    return formatGeneral(static_cast<double>(h) / 100.0);
}

RecalcResult recalcAnalyse(const RecalcInput &input)
{
    RecalcResult r;
    auto &totals = r.totals;
    totals.fill(0.0L);

    for (const QString &text : input.lines) {
        const IntakeLine line = splitIntakeLine(text);
        const NutrientValues *values = input.foods.find(line.name);
        if (!values) {
            r.messages << foodNotFoundMessage(line.name);
            continue;
        }
        double amount = 0;
        try {
            amount = checkedAmount(line);
        } catch (const Error &e) {
            r.error = e.message();
            return r;
        }
        const long double factor = static_cast<long double>(amount) / 100.0L;
        for (int i = 0; i < kNutrientCount; ++i)
            totals[std::size_t(i)] += static_cast<long double>((*values)[std::size_t(i)]) * factor;
    }

    const auto &catalogue = nutrients();
    r.lines.reserve(kNutrientCount);
    for (int i = 0; i < kNutrientCount; ++i) {
        const auto n = std::size_t(i);
        if (!input.units[n])
            r.messages << missingNutrientMessage(i);
        const QString unit = input.units[n].value_or(QString());
        std::optional<long double> reference;
        QString referenceText;
        if (input.reference[n]) {
            reference = static_cast<long double>(*input.reference[n]);
            referenceText = formatGeneral(*input.reference[n]);
        }
        if (i == kEnergy && input.useCalculatorTotal && input.calculatorTotal > Fixed4()) {
            reference = static_cast<long double>(input.calculatorTotal.toDouble());
            referenceText = input.calculatorTotal.toString();
        }
        r.lines << catalogue[n].fullName() + u';' + unit + u';' + formatGeneral(totals[n]) + u';' + referenceText + u';'
                       + percentText(totals[n], reference) + QStringLiteral(" %");
    }

    const long double sum = totals[kFat] + totals[kProtein] + totals[kCarbohydrates];
    if (sum == 0.0L) {
        r.protein = r.fat = r.carbohydrates = QStringLiteral("-");
    } else {
        r.fat = ratioText(totals[kFat], sum);
        r.protein = ratioText(totals[kProtein], sum);
        r.carbohydrates = ratioText(totals[kCarbohydrates], sum);
    }
    return r;
}

} // namespace torval
