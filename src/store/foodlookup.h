#pragma once

#include <QString>
#include <QStringList>

namespace torval::store {

class Query;
class Table;

// The distinct categories of the food table, through the query handle.
QStringList categoryNames(Query &query);

// Names of the records the handle shows, walked from the first record in its
// order, each name once (letter case ignored), in the order met.
QStringList distinctNames(Table &table, const QString &field);

// Runs the food search for a word through the query handle and returns the
// names found in result order, duplicates kept. The query stays open.
QStringList searchFoodNames(Query &query, const QString &word);

// Makes the first food of that name (letter case ignored) the current record
// of the food table; false when there is none.
bool locateFood(Table &foods, const QString &name);

} // namespace torval::store
