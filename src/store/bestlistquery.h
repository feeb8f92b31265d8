#pragma once

#include "core/bestlist.h"

#include <QList>
#include <QString>

namespace torval::store {

class Query;

// Runs the best-list statement for a Nahrung.adt column through the query
// handle and returns its first `limit` foods in result order (all foods when
// limit is negative). The query stays open on the statement.
QList<RankedFood> rankedFoods(Query &query, const QString &column, int limit);

} // namespace torval::store
