#include "singlefood.h"
#include "numfmt.h"

#include <algorithm>

namespace torval {

QString unknownValueText()
{
    return QStringLiteral("k. A.");
}

QString noFoodHeading()
{
    return QStringLiteral("Nahrungsmittel");
}

int barPosition(double value, double fullScale)
{
    if (!(fullScale > 0.0) || !(value > 0.0))
        return 0;
    const double r = roundHalfEvenDecimal(value * 100.0 / fullScale);
    return int(std::clamp(r, 0.0, 100.0));
}

QString kilojouleText(double kcal)
{
    // kcal in ten-thousandths times 418 gives kJ in millionths; the division
    // rounds half to even on whole numbers, so no binary fraction decides.
    const qint64 product = Fixed4::fromDouble(kcal).raw() * 418;
    constexpr qint64 unit = 1000000;
    qint64 q = product / unit;
    qint64 r = product % unit;
    if (r < 0) {
        r += unit;
        --q;
    }
    if (r * 2 > unit || (r * 2 == unit && (q % 2) != 0))
        ++q;
    return QString::number(q);
}

SingleFoodDisplay singleFoodDisplay(const QString &foodName, const FoodValues &values)
{
    SingleFoodDisplay d;
    d.heading = foodName + QStringLiteral(" (100 g)");
    for (int i = 0; i < kNutrientCount; ++i) {
        NutrientCell &c = d.cells[i];
        const std::optional<double> &v = values[i];
        c.known = v.has_value();
        c.valueText = c.known ? formatGeneral(*v) : unknownValueText();
        c.bar = c.known ? barPosition(*v, nutrients()[i].fullScale) : 0;
    }
    const std::optional<double> &energy = values[0];
    d.kilojouleText = energy ? kilojouleText(*energy) : unknownValueText();
    return d;
}

} // namespace torval
