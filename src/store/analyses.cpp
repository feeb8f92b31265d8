#include "analyses.h"
#include "core/error.h"
#include "core/intake.h"
#include "core/numfmt.h"
#include "database.h"
#include "tables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace torval::store {

namespace {

QString foodColumns()
{
    QString s;
    for (const Nutrient &n : nutrients())
        s += QStringLiteral(",") + quoteIdent(n.columnName());
    return s;
}

void loadFoods(Database &db, const QStringList &lines, FoodValuesByName &foods)
{
    QSet<QString> keys;
    QJsonArray wanted;
    for (const QString &line : lines) {
        const QString key = FoodValuesByName::key(splitIntakeLine(line).name);
        if (!keys.contains(key)) {
            keys.insert(key);
            wanted.append(key);
        }
    }
    if (wanted.isEmpty())
        return;
    // One pass over the food table for all names of the day; the first food
    // of a name in record order is the one found.
    static const QString sql = QStringLiteral("SELECT \"Nahrungsmittel\"") + foodColumns()
                               + QStringLiteral(" FROM \"Nahrung.adt\" WHERE torval_fold(\"Nahrungsmittel\") IN "
                                                "(SELECT value FROM json_each(?)) ORDER BY rowid");
    CachedStatement s = db.cached(sql);
    s.bind(1, QString::fromUtf8(QJsonDocument(wanted).toJson(QJsonDocument::Compact)));
    while (s.step()) {
        NutrientValues v{};
        for (int i = 0; i < kNutrientCount; ++i)
            v[std::size_t(i)] = s.column(i + 1).toDouble();
        foods.insert(s.column(0).toString(), v);
    }
    s.reset();
}

void loadUnits(Database &db, std::array<std::optional<QString>, kNutrientCount> &units)
{
    CachedStatement s =
        db.cached(QStringLiteral("SELECT \"Kurzbezeichng\", \"Einheit\" FROM \"Naehrstoff.adt\" ORDER BY rowid"));
    const auto &catalogue = nutrients();
    while (s.step()) {
        const QString key = s.column(0).toString();
        for (int i = 0; i < kNutrientCount; ++i) {
            auto &unit = units[std::size_t(i)];
            if (!unit && key == catalogue[std::size_t(i)].columnName())
                unit = s.column(1).toString();
        }
    }
    s.reset();
}

void loadReference(Table &bedarf, std::array<std::optional<double>, kNutrientCount> &reference)
{
    if (!bedarf.isOpen() || !bedarf.hasRecord())
        return;
    const auto &catalogue = nutrients();
    for (int i = 0; i < kNutrientCount; ++i) {
        const QString column = catalogue[std::size_t(i)].bedarfName();
        if (!bedarf.isNull(column))
            reference[std::size_t(i)] = bedarf.asFloat(column);
    }
}

QString storedAmount(const QString &amountText)
{
    return formatGeneral(intakeAmount(amountText));
}

// Puts the header handle back where it stood when a write failed.
void restoreHandles(Tables &tables, qint64 headerRecord)
{
    try {
        tables.Analyse_LinkTable.cancel();
        tables.AnalyseTable.cancel();
        if (headerRecord == 0 || !tables.AnalyseTable.gotoRecordId(headerRecord))
            tables.AnalyseTable.first();
    } catch (...) {
    }
}

} // namespace

RecalcInput recalcInput(Tables &tables, const QStringList &lines, bool useCalculatorTotal, Fixed4 calculatorTotal)
{
    RecalcInput in;
    in.lines = lines;
    loadFoods(tables.db(), lines, in.foods);
    loadUnits(tables.db(), in.units);
    loadReference(tables.BedarfTable, in.reference);
    in.useCalculatorTotal = useCalculatorTotal;
    in.calculatorTotal = calculatorTotal;
    return in;
}

RecalcResult recalcDay(Tables &tables, const QStringList &lines, bool useCalculatorTotal, Fixed4 calculatorTotal)
{
    return recalcAnalyse(recalcInput(tables, lines, useCalculatorTotal, calculatorTotal));
}

std::optional<qint64> foodNumber(Tables &tables, const QString &name)
{
    CachedStatement s = tables.db().cached(QStringLiteral(
        "SELECT \"NM_Nr\" FROM \"Nahrung.adt\" WHERE torval_ieq(\"Nahrungsmittel\", ?) ORDER BY rowid LIMIT 1"));
    s.bind(1, name);
    std::optional<qint64> nr;
    if (s.step())
        nr = s.column(0).toLongLong();
    s.reset();
    return nr;
}

bool analysisExists(Tables &tables, const QString &name)
{
    CachedStatement s =
        tables.db().cached(QStringLiteral("SELECT 1 FROM \"Analyse.adt\" WHERE \"Bezeichnung\" = ? LIMIT 1"));
    s.bind(1, name);
    const bool found = s.step();
    s.reset();
    return found;
}

std::optional<QString> unsavableLineMessage(Tables &tables, const QStringList &lines)
{
    for (const QString &text : lines) {
        const IntakeLine line = splitIntakeLine(text);
        double amount = 0;
        if (!tryParseFloat(line.amount, &amount) && foodNumber(tables, line.name))
            return QStringLiteral("Die Menge '") + line.amount + QStringLiteral("' des Eintrags ") + line.name
                   + QStringLiteral(" ist keine gültige Zahl.\n\n")
                   + QStringLiteral("Ändern Sie bitte die Menge, bevor Sie die Analyse speichern. "
                                    "Es wurde nichts gespeichert.");
    }
    return std::nullopt;
}

void saveAnalysis(Tables &tables, const AnalysisHeader &header, const QStringList &lines, bool replaceExisting)
{
    if (const auto message = unsavableLineMessage(tables, lines))
        throw Error(*message);
    // Everything to store is known before the first write.
    struct Row
    {
        qint64 food;
        QString amount;
    };
    QList<Row> rows;
    for (const QString &text : lines) {
        const IntakeLine line = splitIntakeLine(text);
        if (const auto nr = foodNumber(tables, line.name))
            rows.append({*nr, storedAmount(line.amount)});
    }

    Table &head = tables.AnalyseTable;
    Table &links = tables.Analyse_LinkTable;
    const qint64 before = head.recordId();
    try {
        Database::Transaction t(tables.db());
        if (replaceExisting && head.locate(QStringLiteral("Bezeichnung"), header.name)) {
            links.emptyTable();
            head.remove();
        }
        head.append();
        head.setString(QStringLiteral("Bezeichnung"), header.name);
        head.setDate(QStringLiteral("Datum"), header.date);
        head.setString(QStringLiteral("Autor"), header.author);
        head.setString(QStringLiteral("Info"), header.info);
        head.post();
        const QVariant number = head.value(QStringLiteral("Rezept_Nr"));
        for (const Row &row : std::as_const(rows)) {
            links.append();
            links.setValue(QStringLiteral("Rezept_Nr"), number);
            links.setValue(QStringLiteral("NM_Nr"), row.food);
            links.setString(QStringLiteral("Menge"), row.amount);
            links.post();
        }
        t.commit();
    } catch (...) {
        restoreHandles(tables, before);
        throw;
    }
}

QStringList loadAnalysisLines(Tables &tables)
{
    QStringList lines;
    Table &head = tables.AnalyseTable;
    Table &links = tables.Analyse_LinkTable;
    if (!head.hasRecord())
        return lines;
    CachedStatement food =
        tables.db().cached(QStringLiteral("SELECT \"Nahrungsmittel\" FROM \"Nahrung.adt\" WHERE \"NM_Nr\" = ?"));
    for (bool ok = links.first(); ok; ok = links.next()) {
        food.reset();
        food.bind(1, links.value(QStringLiteral("NM_Nr")));
        if (food.step()) {
            const QString stored = links.asString(QStringLiteral("Menge"));
            double amount = 0;
            lines << joinIntakeLine(food.column(0).toString(),
                                    tryParseFloat(stored, &amount) ? formatGeneral(amount) : stored);
        }
    }
    food.reset();
    return lines;
}

bool deleteCurrentAnalysis(Tables &tables)
{
    Table &head = tables.AnalyseTable;
    if (!head.hasRecord())
        return false;
    const qint64 before = head.recordId();
    try {
        Database::Transaction t(tables.db());
        tables.Analyse_LinkTable.emptyTable();
        head.remove();
        t.commit();
    } catch (...) {
        restoreHandles(tables, before);
        throw;
    }
    return true;
}

} // namespace torval::store
