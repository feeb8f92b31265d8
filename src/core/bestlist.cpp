#include "bestlist.h"
#include "catalogue.h"
#include "numfmt.h"
#include "singlefood.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace torval {

QString nutrientColumnAt(int chooserIndex)
{
    if (chooserIndex < 0 || chooserIndex >= kNutrientCount)
        return QString();
    return nutrients()[chooserOrder()[chooserIndex]].columnName();
}

QString bestListSql(const QString &column)
{
    return QStringLiteral("Select * from \"Nahrung.adt\" order by ") + column + QStringLiteral(" DESC");
}

QString requirementCaption(const QString &column)
{
    return column.compare(QStringLiteral("Alkohol"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Höchstbetrag")
                                                                               : QStringLiteral("Tagesbedarf");
}

QString requirementText(const QString &requirement, const QString &unit)
{
    return QStringLiteral("ca. ") + requirement + u' ' + unit;
}

QString unitOfRequirementText(const QString &text)
{
    const qsizetype first = text.indexOf(u' ');
    if (first < 0)
        return QString();
    const qsizetype second = text.indexOf(u' ', first + 1);
    return second < 0 ? QString() : text.mid(second + 1);
}

QString bestListTitle(const QString &entryText, const QString &unit)
{
    return QStringLiteral("Nährstoffbestenliste (") + entryText + QStringLiteral(") in ") + unit
           + QStringLiteral(" je 100 g");
}

QString nutrientNotFoundText(const QString &column)
{
    return QStringLiteral("Der Nährstoff ") + column + QStringLiteral(" konnte nicht gefunden werden.");
}

int bestListBar(double value, double best)
{
    if (!(best > 0.0) || !(value > 0.0))
        return 0;
    return int(std::clamp(roundHalfEvenDecimal(value * 100.0 / best), 0.0, 100.0));
}

QString rankedValueText(const RankedFood &food)
{
    return food.value ? formatGeneral(*food.value) : unknownValueText();
}

std::optional<int> parsePrintCount(const QString &answer)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*([+-]?)(\\d+)\\s*$"));
    const QRegularExpressionMatch m = whole.match(answer);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong v = m.captured(2).toLongLong(&ok);
    const bool negative = m.captured(1) == u"-";
    if (!ok || v > std::numeric_limits<int>::max())
        return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return int(negative ? -v : v);
}

QString invalidPrintCountText(const QString &answer)
{
    return QStringLiteral("Der Wert ") + answer + QStringLiteral(" ist keine gültige Zahl.");
}

QList<QStringList> bestListPrintRows(const QList<RankedFood> &foods, const QString &unit, const QString &entryText)
{
    QList<QStringList> rows;
    rows.reserve(foods.size());
    for (const RankedFood &f : foods)
        rows.append({f.name, unit, rankedValueText(f), entryText});
    return rows;
}

} // namespace torval
