#include "energy.h"

#include <QStringList>
#include <iterator>

namespace torval {

namespace {

struct Level
{
    double male;
    double female;
    const char16_t *hint;
};

const Level kLevels[] = {
    {50, 40, u"z.B. Bürotätigkeit, Sitzen, Ruhen"},
    {112, 90, u"z.B. leichte körperliche Arbeit, Fahren, Radfahren"},
    {175, 130, u"z.B. schwere körperliche Arbeit, Bau, Transport, Treppensteigen"},
    {230, 150, u"z.B. Bergbau, Transport, Muskeltraining"},
};

bool validLevel(int level)
{
    return level >= 0 && level < int(std::size(kLevels));
}

std::optional<double> readNumber(const QString &text)
{
    const QString t = text.trimmed();
    double v = 0;
    if (t.isEmpty() || !tryParseFloat(t, &v))
        return std::nullopt;
    return v;
}

} // namespace

QString maskText(int value, int places)
{
    return QString::number(value).leftJustified(places, u' ');
}

double activityFactor(int level, int sex)
{
    if (!validLevel(level))
        return 100;
    return sex == kFemale ? kLevels[level].female : kLevels[level].male;
}

QString activityHint(int level)
{
    return validLevel(level) ? QString::fromUtf16(kLevels[level].hint) : QString();
}

const QStringList &activityNames()
{
    static const QStringList names = {QStringLiteral("leichte Tätigkeit"), QStringLiteral("mittlere Tätigkeit"),
                                      QStringLiteral("schwere Tätigkeit"), QStringLiteral("schwerste Tätigkeit")};
    return names;
}

EnergyValues computeEnergy(double weight, int sex, int level, double hours, double sportKcal)
{
    double basal = weight * 24;
    if (sex == kFemale)
        basal = basal / 1.1;
    const double activity = hours * activityFactor(level, sex) + sportKcal;
    EnergyValues v;
    v.basal = roundToInt(basal);
    v.activity = roundToInt(activity);
    v.total = roundToInt(activity + basal);
    return v;
}

std::optional<EnergyValues> computeEnergy(const QString &weightText, int sex, int level, const QString &hoursText,
                                          Fixed4 sportKcal)
{
    const auto weight = readNumber(weightText);
    const auto hours = readNumber(hoursText);
    if (!weight || !hours)
        return std::nullopt;
    return computeEnergy(*weight, sex, level, *hours, sportKcal.toDouble());
}

} // namespace torval
