#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace torval {

// The best list of a nutrient: foods ranked by their content per 100 g.

constexpr int kBestListPositions = 21;

// Nahrung.adt column of a position (0 ... 25) of either nutrient chooser.
QString nutrientColumnAt(int chooserIndex);

// The statement that ranks all foods by a column, highest first.
QString bestListSql(const QString &column);

// "Höchstbetrag" for alcohol, "Tagesbedarf" for every other nutrient.
QString requirementCaption(const QString &column);
// "ca. " + requirement + " " + unit.
QString requirementText(const QString &requirement, const QString &unit);
// The unit inside a requirement text: what follows its second blank.
QString unitOfRequirementText(const QString &text);
// "Nährstoffbestenliste (" + entry + ") in " + unit + " je 100 g".
QString bestListTitle(const QString &entryText, const QString &unit);
// "Der Nährstoff <column> konnte nicht gefunden werden."
QString nutrientNotFoundText(const QString &column);

// value × 100 ÷ best, rounded half to even, within 0 and 100. A best value
// of 0 or less (no food carries the nutrient) gives empty bars.
int bestListBar(double value, double best);

// One ranked food; value empty when the food table has no figure.
struct RankedFood
{
    QString name;
    std::optional<double> value;
};

// The value as the list shows and prints it.
QString rankedValueText(const RankedFood &food);

// The number of foods to print, from the answer to "Zahl der zu druckenden
// Nahrungsmittel:". A whole number (blanks around it allowed); numbers
// beyond the integer range count as the largest. nullopt for anything else.
std::optional<int> parsePrintCount(const QString &answer);
// "Der Wert " + answer + " ist keine gültige Zahl."
QString invalidPrintCountText(const QString &answer);

// Print rows: Text1 food name, Text2 unit, Text3 value, Text4 chooser entry.
QList<QStringList> bestListPrintRows(const QList<RankedFood> &foods, const QString &unit, const QString &entryText);

} // namespace torval
