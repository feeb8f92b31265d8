#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace torval {

// One line of the day's intake list: food name ";" gram amount.
struct IntakeLine
{
    QString name;
    QString amount;
};

// Readers take at most this many characters of the amount.
constexpr int kAmountMaxChars = 255;

// Splits at the first ";"; a line without ";" is all name.
IntakeLine splitIntakeLine(const QString &line);
QString joinIntakeLine(const QString &name, const QString &amount);

// The amount of a line as a number (decimal comma, blanks around ignored).
// Throws ConversionError "'<text>' ist kein gültiger Gleitkommawert".
double intakeAmount(const QString &amountText);

enum class AddOutcome {
    EmptyAmount, // nothing typed; the page shows its message
    Declined,    // "Nein" to a merge question; nothing changed
    Appended,
    Merged,
};

// The question asked for each line that already holds the food.
QString mergeQuestion(const QString &name);

// Adds the chosen food with the text of the amount field. Every line whose
// name equals the food exactly is offered for merging through confirm; each
// "Ja" adds that line's amount to the amount field (four decimals, shortest
// form) and remembers the line, and the last remembered line is replaced by
// name ";" amount field. Without a merge the line is appended.
// amountField is the text of the amount field and is updated in place, also
// when a later question is declined or a conversion fails (ConversionError).
AddOutcome addToIntake(QStringList &lines, const QString &name, QString &amountField,
                       const std::function<bool(const QString &question)> &confirm);

// "Menge ändern": the selected line with the new amount, exactly as typed.
QString withAmount(const QString &line, const QString &newAmount);

// The intake lines of a text, one per line; blank lines are left out.
QStringList intakeLinesFromText(const QString &text);

} // namespace torval
