#include "bestlistquery.h"
#include "query.h"
#include "core/catalogue.h"
#include "core/error.h"

namespace torval::store {

QList<RankedFood> rankedFoods(Query &query, const QString &column, int limit)
{
    // The column goes into the statement as it is: only catalogue columns.
    if (nutrientByColumn(column) < 0)
        throw Error(QStringLiteral("Unbekannter Nährstoff ") + column);
    query.setSql(bestListSql(column));
    query.open();
    QList<RankedFood> foods;
    if (limit > 0 && limit <= 1000)
        foods.reserve(limit);
    const QString name = QStringLiteral("Nahrungsmittel");
    for (bool ok = query.hasRecord(); ok && (limit < 0 || foods.size() < limit); ok = query.next()) {
        const QVariant v = query.value(column);
        foods.append({query.asString(name), v.isNull() ? std::nullopt : std::optional<double>(query.asFloat(column))});
    }
    return foods;
}

} // namespace torval::store
