#pragma once

#include "core/recalc.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace torval::store {

class Tables;

// What the day's computation reads from the tables: the foods named in the
// lines, the units of the nutrient catalogue and the requirement row (the
// current record of the requirement table). The food table's and the
// requirement table's current records are not moved.
RecalcInput recalcInput(Tables &tables, const QStringList &lines, bool useCalculatorTotal, Fixed4 calculatorTotal);

// The day computed against the tables.
RecalcResult recalcDay(Tables &tables, const QStringList &lines, bool useCalculatorTotal, Fixed4 calculatorTotal);

// Number of the first food of that name (letter case ignored), if any.
std::optional<qint64> foodNumber(Tables &tables, const QString &name);

// Header of a stored analysis.
struct AnalysisHeader
{
    QString name;
    QDate date;
    QString author;
    QString info;
};

// Whether a stored analysis has exactly this name (letter case counts).
bool analysisExists(Tables &tables, const QString &name);

// The message for the first line that would be stored and whose amount is
// not a number; none when every such line can be stored.
std::optional<QString> unsavableLineMessage(Tables &tables, const QStringList &lines);

// Stores the day: the header and one line per intake line whose food exists,
// with the amount as a number. With replaceExisting the analysis of the same
// name goes first. All of it happens in one transaction: on any failure the
// tables are as they were. Throws Error; refuses lines whose amount is not a
// number before writing anything. The new header becomes current.
void saveAnalysis(Tables &tables, const AnalysisHeader &header, const QStringList &lines, bool replaceExisting);

// The intake lines of the current stored analysis, in food-number order;
// lines whose food no longer exists are left out. Empty without analyses.
QStringList loadAnalysisLines(Tables &tables);

// Deletes the current stored analysis with its lines, in one transaction.
// Returns false when there is none.
bool deleteCurrentAnalysis(Tables &tables);

} // namespace torval::store
