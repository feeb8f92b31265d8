#pragma once

#include "core/bestlist.h"

#include <QList>
#include <QString>

namespace torval::store {

class Tables;

// Runs the best-list statement for a Nahrung.adt column through the shared
// query handle Query1 and returns its first `limit` foods in result order
// (all foods when limit is negative). The query stays on the statement,
// released from the database.
//
// The food table has an index on every nutrient column (highest value
// first, made with the schema), so the statement walks the index instead of
// sorting every food; equal values come in record order.
QList<RankedFood> rankedFoods(Tables &tables, const QString &column, int limit);

} // namespace torval::store
