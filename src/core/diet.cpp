#include "diet.h"
#include "numfmt.h"

#include <cmath>

namespace torval {

std::optional<double> dietDays(int startWeight, int targetWeight, double kcalPerDay)
{
    // grams / (kcal x 14 / 100), written so that whole inputs divide exactly.
    const double grams = (double(startWeight) - double(targetWeight)) * 1000;
    const double divisor = kcalPerDay * 14;
    if (divisor == 0)
        return std::nullopt;
    const double days = grams * 100 / divisor;
    if (!std::isfinite(days))
        return std::nullopt;
    return days;
}

std::optional<QDate> dietEndDate(const QDate &start, int startWeight, int targetWeight, double kcalPerDay)
{
    if (!start.isValid())
        return std::nullopt;
    const auto days = dietDays(startWeight, targetWeight, kcalPerDay);
    if (!days)
        return std::nullopt;
    const double whole = std::floor(*days);
    // Keep far away from the limits of the day count before converting.
    if (std::fabs(whole) > 4000000.0)
        return std::nullopt;
    const QDate end = start.addDays(qint64(whole));
    if (!end.isValid() || end.year() < 1 || end.year() > 9999)
        return std::nullopt;
    return end;
}

std::optional<QDate> dietEndDate(const QDate &start, const QString &startWeight, const QString &targetWeight,
                                 const QString &kcalPerDay)
{
    int s = 0;
    int z = 0;
    double e = 0;
    if (!tryParseInt(startWeight.trimmed(), &s) || !tryParseInt(targetWeight.trimmed(), &z)
        || !tryParseFloat(kcalPerDay.trimmed(), &e))
        return std::nullopt;
    return dietEndDate(start, s, z, e);
}

} // namespace torval
