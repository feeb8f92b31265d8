#include "bestlistquery.h"
#include "core/catalogue.h"
#include "core/error.h"
#include "database.h"
#include "query.h"
#include "schema.h"
#include "tables.h"

#include <QScopeGuard>

namespace torval::store {

QList<RankedFood> rankedFoods(Tables &tables, const QString &column, int limit)
{
    // The column goes into the statement as it is: only catalogue columns.
    const int n = nutrientByColumn(column);
    if (n < 0)
        throw Error(QStringLiteral("Unbekannter Nährstoff ") + column);
    Query &query = tables.Query1;
    query.setSql(bestListSql(column));
    const auto done = qScopeGuard([&] { query.release(); });
    query.open();
    QList<RankedFood> foods;
    if (limit > 0 && limit <= 1000)
        foods.reserve(limit);
    const QString food = QStringLiteral("Nahrungsmittel");
    // The walk stops on the last food taken.
    for (bool ok = query.hasRecord() && limit != 0; ok;) {
        const QVariant v = query.value(column);
        foods.append({query.asString(food), v.isNull() ? std::nullopt : std::optional<double>(query.asFloat(column))});
        ok = (limit < 0 || foods.size() < limit) && query.next();
    }
    return foods;
}

} // namespace torval::store
