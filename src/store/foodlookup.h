#pragma once

#include "core/singlefood.h"

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

// What the food search found, in result order, duplicates kept.
struct FoodHits
{
    QStringList names;
    QStringList categories;
    // Index of the first hit whose name equals name exactly, -1 if none.
    int indexOf(const QString &name) const { return int(names.indexOf(name)); }
};

// Runs the food search for a word through the query handle. The query stays
// on its result, released from the database.
FoodHits searchFoods(Query &query, const QString &word);
QStringList searchFoodNames(Query &query, const QString &word);

// The 26 values of the current record of the food table.
FoodValues foodValues(const Table &foods);

// Makes the first food of that name (letter case ignored) the current record
// of the food table; false when there is none.
bool locateFood(Table &foods, const QString &name);

} // namespace torval::store
