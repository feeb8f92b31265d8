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

// The largest amount one line of a day may hold, in grams. Amounts are
// never negative.
constexpr double kMaxAmountGrams = 100000;

// The message for an amount outside 0 to kMaxAmountGrams.
QString amountRangeMessage(const QString &name, const QString &amountText);

// The amount of a line, checked: ConversionError when it is not a number,
// Error with amountRangeMessage when it is negative or too large.
double checkedAmount(const IntakeLine &line);

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
// name ";" amount field. Without a merge the line is appended. A merged total
// above kMaxAmountGrams is refused (Error) like a failed conversion.
// amountField is the text of the amount field and is updated in place, also
// when a later question is declined or a conversion fails (ConversionError).
AddOutcome addToIntake(QStringList &lines, const QString &name, QString &amountField,
                       const std::function<bool(const QString &question)> &confirm);

// "Menge ändern": the selected line with the new amount, exactly as typed.
QString withAmount(const QString &line, const QString &newAmount);

// The intake lines of a text (a file of "name;amount" lines), one per line;
// blank lines are left out. An amount that is a number outside the allowed
// range is refused with an Error naming the line ("Zeile 3: ..."); amounts
// that are no number are left to the computation, which reports them.
QStringList readIntakeText(const QString &text);

} // namespace torval
