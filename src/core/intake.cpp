#include "intake.h"
#include "error.h"
#include "numfmt.h"

namespace torval {

IntakeLine splitIntakeLine(const QString &line)
{
    const qsizetype sep = line.indexOf(u';');
    if (sep < 0)
        return {line, QString()};
    return {line.left(sep), line.mid(sep + 1, kAmountMaxChars)};
}

QString joinIntakeLine(const QString &name, const QString &amount)
{
    return name + u';' + amount;
}

double intakeAmount(const QString &amountText)
{
    return parseFloat(amountText);
}

QString amountRangeMessage(const QString &name, const QString &amountText)
{
    return QStringLiteral("Die Menge ") + amountText.trimmed() + QStringLiteral(" g bei ") + name
           + QStringLiteral(" ist nicht zulässig: erlaubt sind 0 bis ") + formatGeneral(kMaxAmountGrams)
           + QStringLiteral(" g.");
}

double checkedAmount(const IntakeLine &line)
{
    const double amount = intakeAmount(line.amount);
    if (amount < 0 || amount > kMaxAmountGrams)
        throw Error(amountRangeMessage(line.name, line.amount));
    return amount;
}

QString mergeQuestion(const QString &name)
{
    return QStringLiteral("Das Produkt ") + name + QStringLiteral(" existiert bereits.\n\n")
           + QStringLiteral("Wollen Sie dessen Menge um den von Ihnen angegebenen Wert erhöhen?");
}

AddOutcome addToIntake(QStringList &lines, const QString &name, QString &amountField,
                       const std::function<bool(const QString &question)> &confirm)
{
    if (amountField.trimmed().isEmpty())
        return AddOutcome::EmptyAmount;
    qsizetype position = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IntakeLine line = splitIntakeLine(lines.at(i));
        if (line.name != name)
            continue;
        if (!confirm(mergeQuestion(name)))
            return AddOutcome::Declined;
        position = i;
        const Fixed4 sum = Fixed4::fromDouble(parseFloat(amountField)) + Fixed4::fromDouble(parseFloat(line.amount));
        if (sum.toDouble() > kMaxAmountGrams || sum < Fixed4())
            throw Error(amountRangeMessage(name, sum.toString()));
        amountField = sum.toString();
    }
    const QString newLine = joinIntakeLine(name, amountField);
    if (position >= 0) {
        lines[position] = newLine;
        return AddOutcome::Merged;
    }
    lines.append(newLine);
    return AddOutcome::Appended;
}

QString withAmount(const QString &line, const QString &newAmount)
{
    return joinIntakeLine(splitIntakeLine(line).name, newAmount);
}

QStringList readIntakeText(const QString &text)
{
    QStringList lines;
    int number = 0;
    for (QString line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const IntakeLine parts = splitIntakeLine(line);
        double amount = 0;
        if (tryParseFloat(parts.amount, &amount) && (amount < 0 || amount > kMaxAmountGrams))
            throw Error(QStringLiteral("Zeile ") + QString::number(number) + QStringLiteral(": ")
                        + amountRangeMessage(parts.name, parts.amount));
        lines << line;
    }
    return lines;
}

} // namespace torval
