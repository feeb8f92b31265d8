#include "foodlookup.h"
#include "core/search.h"
#include "query.h"
#include "table.h"

#include <QScopeGuard>
#include <QSet>

namespace torval::store {

QStringList categoryNames(Query &query)
{
    query.setSql(QStringLiteral("Select Kategorie from \"Nahrung.adt\" group by Kategorie"));
    const auto done = qScopeGuard([&] { query.release(); });
    query.open();
    QStringList out;
    QSet<QString> seen;
    for (bool ok = query.first(); ok; ok = query.next()) {
        const QString k = query.asString(QStringLiteral("Kategorie"));
        if (!seen.contains(k)) {
            seen.insert(k);
            out << k;
        }
    }
    return out;
}

QStringList distinctNames(Table &table, const QString &field)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString &name : table.fieldTexts(field)) {
        const QString key = name.toCaseFolded();
        if (!seen.contains(key)) {
            seen.insert(key);
            out << name;
        }
    }
    return out;
}

FoodHits searchFoods(Query &query, const QString &word)
{
    query.setSql(foodSearchSql(word));
    const auto done = qScopeGuard([&] { query.release(); });
    query.open();
    FoodHits hits;
    const QString name = QStringLiteral("Nahrungsmittel");
    const QString category = QStringLiteral("Kategorie");
    for (bool ok = query.hasRecord(); ok; ok = query.next()) {
        hits.names << query.asString(name);
        hits.categories << query.asString(category);
    }
    return hits;
}

QStringList searchFoodNames(Query &query, const QString &word)
{
    return searchFoods(query, word).names;
}

FoodValues foodValues(const Table &foods)
{
    FoodValues values;
    const auto &list = nutrients();
    for (int i = 0; i < kNutrientCount; ++i) {
        const QString column = list[i].columnName();
        values[i] = foods.isNull(column) ? std::nullopt : std::optional<double>(foods.asFloat(column));
    }
    return values;
}

bool locateFood(Table &foods, const QString &name)
{
    return foods.locate(QStringLiteral("Nahrungsmittel"), name, {true, false});
}

} // namespace torval::store
