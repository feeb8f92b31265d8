#pragma once

#include "numfmt.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace torval {

// The energy calculator: basal energy from body weight and sex, activity
// energy from the hours of the chosen activity level plus the sport energy.

// Sex index as the calculator's choice numbers it.
inline constexpr int kMale = 0;
inline constexpr int kFemale = 1;

// What the calculator starts with (and torval-cli takes when not told):
// 75 kg, "männlich", "mittlere Tätigkeit", 7 hours; the reduction diet
// saves 500 kcal a day.
struct CalculatorDefaults
{
    static constexpr int weightKg = 75;
    static constexpr int sex = kMale;
    static constexpr int activity = 1;
    static constexpr int hours = 7;
    static constexpr int dietSavedKcal = 500;
};

// The calculator's fields take three digits of weight and two of hours.
inline constexpr int kMaxWeightKg = 999;
inline constexpr int kMaxHours = 99;

// The text of a masked field of `places` digit places holding value: the
// digits, the empty places as blanks ("75 " for 75 in three places).
QString maskText(int value, int places);

// kcal per hour of an activity level (0 to 3) for a sex; any other level
// (no level chosen) gives 100 for either sex.
double activityFactor(int level, int sex);

// The example text of an activity level; empty for no level.
QString activityHint(int level);

// The captions of the levels, in choice order.
const QStringList &activityNames();

struct EnergyValues
{
    qint64 basal = 0;    // "Grundumsatz"
    qint64 activity = 0; // "Arbeitsumsatz"
    qint64 total = 0;    // "Gesamtumsatz": A + B rounded as a whole
    bool operator==(const EnergyValues &) const = default;
};

// Each value rounded on its own to the nearest whole number, halves to even.
EnergyValues computeEnergy(double weight, int sex, int level, double hours, double sportKcal);

// The same from the texts of the weight and hours fields: blanks around the
// digits are ignored; an empty text or one that is not a number (a blank
// between two digits) gives nothing.
std::optional<EnergyValues> computeEnergy(const QString &weightText, int sex, int level, const QString &hoursText,
                                          Fixed4 sportKcal);

} // namespace torval
