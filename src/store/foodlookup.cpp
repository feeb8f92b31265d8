#include "foodlookup.h"
#include "query.h"
#include "table.h"
#include "core/search.h"

#include <QSet>

namespace torval::store {

QStringList categoryNames(Query &query)
{
    query.setSql(QStringLiteral("Select Kategorie from \"Nahrung.adt\" group by Kategorie"));
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
    for (bool ok = table.first(); ok; ok = table.next()) {
        const QString name = table.asString(field);
        const QString key = name.toCaseFolded();
        if (!seen.contains(key)) {
            seen.insert(key);
            out << name;
        }
    }
    return out;
}

QStringList searchFoodNames(Query &query, const QString &word)
{
    query.setSql(foodSearchSql(word));
    query.open();
    QStringList out;
    for (bool ok = query.first(); ok; ok = query.next())
        out << query.asString(QStringLiteral("Nahrungsmittel"));
    return out;
}

bool locateFood(Table &foods, const QString &name)
{
    return foods.locate(QStringLiteral("Nahrungsmittel"), name, {true, false});
}

} // namespace torval::store
