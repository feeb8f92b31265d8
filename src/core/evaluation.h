#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace torval {

// One rule of the written evaluation: the result line it judges, its heading
// and the sentences of its three bands.
struct EvaluationRule
{
    const char16_t *lineName;
    const char16_t *heading;
    // First band: p < low (p <= low when lowInclusive). Upper band: p > high.
    double low;
    double high;
    bool lowInclusive;
    std::array<QStringList, 3> bands;
};

constexpr int kEvaluationRuleCount = 26;

// The 26 rules in analysis order.
const std::array<EvaluationRule, kEvaluationRuleCount> &evaluationRules();

// 0 first band, 1 middle band, 2 upper band.
int evaluationBand(const EvaluationRule &rule, double percent);

// The percentage of a result line: after the fourth ";" up to the first "%".
// Throws ConversionError when it is not a number.
double resultLinePercent(const QString &resultLine);

// The evaluation text of the result lines: for each line that a rule names,
// the heading, the band's sentences and an empty line.
QStringList evaluationLines(const QStringList &resultLines);

// The evaluation file beside the program.
QString evaluationFileName();

} // namespace torval
