#pragma once

#include "core/bestlist.h"

#include <QList>
#include <QString>

namespace torval::store {

class Tables;

// Runs the best-list statement for a Nahrung.adt column through the shared
// query handle Query1 and returns its first `limit` foods in result order
// (all foods when limit is negative). The query stays open on the statement.
//
// The first run for a column gives the food table an index on that column
// (highest value first), so the statement walks the index instead of
// sorting every food; equal values then come in record order. Where the
// index cannot be made (a read-only database), the statement sorts.
QList<RankedFood> rankedFoods(Tables &tables, const QString &column, int limit);

// The name of that index.
QString rankIndexName(const QString &column);

} // namespace torval::store
