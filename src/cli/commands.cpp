#include "commands.h"
#include "core/catalogue.h"
#include "core/clock.h"
#include "core/diet.h"
#include "core/energy.h"
#include "core/error.h"
#include "core/evaluation.h"
#include "core/groups.h"
#include "core/intake.h"
#include "core/numfmt.h"
#include "core/textfile.h"
#include "store/analyses.h"
#include "store/bestlistquery.h"
#include "store/foodlookup.h"
#include "store/requirement.h"
#include "store/tables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>
#include <memory>

namespace torval::cli {

namespace {

struct Context
{
    QString dataDir;
    QStringList args; // after the command name
    QTextStream &out;
    QTextStream &err;

    std::unique_ptr<store::Tables> openTables() const
    {
        if (!QFileInfo(QDir(dataDir).filePath(store::Database::fileName())).exists())
            throw Error(QStringLiteral("Datenverzeichnis ") + QDir::toNativeSeparators(dataDir)
                        + QStringLiteral(" nicht gefunden oder ohne Datenbank"));
        // Every command only reads: the database is never written to.
        auto t = std::make_unique<store::Tables>(dataDir, store::Database::Mode::ReadOnly);
        t->openAll();
        return t;
    }
};

using Command = std::function<int(Context &)>;

int usage(QTextStream &err)
{
    err << "Aufruf: torval-cli [--data VERZEICHNIS] BEFEHL ...\n"
           "Befehle:\n"
           "  search WORT   Nahrungsmittel suchen\n"
           "  food NAME     Nährwerte eines Nahrungsmittels je 100 g\n"
           "  bestlist SPALTE [N]\n"
           "                die N (21) Nahrungsmittel mit dem höchsten Gehalt, je Zeile Name;Wert\n"
           "  energy [--weight KG] [--sex 0|1] [--activity 0..3] [--hours H] [--sport KCAL]\n"
           "                Grundumsatz;Arbeitsumsatz;Gesamtumsatz in kcal\n"
           "  diet [--start TT.MM.JJJJ] --from KG --to KG [--kcal KCAL]\n"
           "                Ende einer Reduktionsdiät\n"
           "  analyse [--group NAME] [--kcal N] DATEI\n"
           "                Tagesanalyse der Zeilen Nahrungsmittel;Menge der Datei\n"
           "  evaluate [--group NAME] [--kcal N] DATEI\n"
           "                schriftliche Gesamtauswertung dieses Tages\n";
    return 2;
}

int searchCommand(Context &c)
{
    if (c.args.size() != 1)
        return usage(c.err);
    auto tables = c.openTables();
    if (c.args.first().isEmpty())
        return 0;
    for (const QString &name : store::searchFoodNames(tables->Query1, c.args.first()))
        c.out << name << '\n';
    return 0;
}

int foodCommand(Context &c)
{
    if (c.args.size() != 1)
        return usage(c.err);
    auto tables = c.openTables();
    store::Table &foods = tables->NMTable;
    if (!store::locateFood(foods, c.args.first()))
        throw Error(QStringLiteral("Nahrungsmittel '") + c.args.first() + QStringLiteral("' nicht gefunden"));
    c.out << foods.asString(QStringLiteral("Nahrungsmittel")) << '\n';
    const FoodValues values = store::foodValues(foods);
    for (int i = 0; i < kNutrientCount; ++i) {
        const Nutrient &n = nutrients()[i];
        // A value the food table does not know stays empty, not 0.
        c.out << n.columnName() << ';' << (values[i] ? formatGeneral(*values[i]) : QString()) << ';' << n.unitName()
              << '\n';
    }
    return 0;
}

// Reads "--name value" pairs into the options given (their defaults); false
// for an unknown name or a name without value.
bool readOptions(const QStringList &args, std::map<QString, QString> &options)
{
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const auto it = options.find(args.at(i));
        if (it == options.end() || i + 1 >= args.size())
            return false;
        it->second = args.at(i + 1);
    }
    return true;
}

// The energy calculator with the page's defaults; a weight or hours that is
// empty or not a number prints nothing (exit 1), as the page keeps its values.
int energyCommand(Context &c)
{
    std::map<QString, QString> o = {{QStringLiteral("--weight"), QString::number(CalculatorDefaults::weightKg)},
                                    {QStringLiteral("--sex"), QString::number(CalculatorDefaults::sex)},
                                    {QStringLiteral("--activity"), QString::number(CalculatorDefaults::activity)},
                                    {QStringLiteral("--hours"), QString::number(CalculatorDefaults::hours)},
                                    {QStringLiteral("--sport"), QStringLiteral("0")}};
    int sex = 0;
    int activity = 0;
    if (!readOptions(c.args, o) || !tryParseInt(o[QStringLiteral("--sex")], &sex) || sex < 0 || sex > 1
        || !tryParseInt(o[QStringLiteral("--activity")], &activity) || activity < 0 || activity > 3)
        return usage(c.err);
    double sport = 0;
    if (!tryParseFloat(o[QStringLiteral("--sport")], &sport))
        return 1;
    // The page's fields take no more than their digit places; the same
    // limits hold here.
    double weight = 0;
    double hours = 0;
    if (tryParseFloat(o[QStringLiteral("--weight")], &weight) && (weight < 0 || weight > kMaxWeightKg)) {
        c.err << QStringLiteral("Das Körpergewicht muss zwischen 0 und %1 kg liegen.\n").arg(kMaxWeightKg);
        return 1;
    }
    if (tryParseFloat(o[QStringLiteral("--hours")], &hours) && (hours < 0 || hours > kMaxHours)) {
        c.err << QStringLiteral("Die Stundenzahl muss zwischen 0 und %1 liegen.\n").arg(kMaxHours);
        return 1;
    }
    if (sport < 0 || sport > 1000000) {
        c.err << QStringLiteral("Die Sportenergie muss zwischen 0 und 1000000 kcal liegen.\n");
        return 1;
    }
    const auto v = computeEnergy(o[QStringLiteral("--weight")], sex, activity, o[QStringLiteral("--hours")],
                                 Fixed4::fromDouble(sport));
    if (!v)
        return 1;
    c.out << v->basal << ';' << v->activity << ';' << v->total << '\n';
    return 0;
}

// The end date of a reduction diet; a failing computation prints nothing.
int dietCommand(Context &c)
{
    std::map<QString, QString> o = {{QStringLiteral("--start"), formatDate(Clock::today())},
                                    {QStringLiteral("--from"), QString()},
                                    {QStringLiteral("--to"), QString()},
                                    {QStringLiteral("--kcal"), QString::number(CalculatorDefaults::dietSavedKcal)}};
    if (!readOptions(c.args, o) || !c.args.contains(QStringLiteral("--from"))
        || !c.args.contains(QStringLiteral("--to")))
        return usage(c.err);
    const QDate start = parseDate(o[QStringLiteral("--start")]);
    const auto end =
        dietEndDate(start, o[QStringLiteral("--from")], o[QStringLiteral("--to")], o[QStringLiteral("--kcal")]);
    if (!end)
        return 1;
    c.out << formatDate(*end) << '\n';
    return 0;
}

// The best list of a nutrient column as the page builds it: name;value,
// the value empty where the food table has none.
int bestlistCommand(Context &c)
{
    if (c.args.isEmpty() || c.args.size() > 2)
        return usage(c.err);
    int count = kBestListPositions;
    if (c.args.size() == 2) {
        const std::optional<int> n = parsePrintCount(c.args.at(1));
        if (!n)
            return usage(c.err);
        count = *n;
    }
    const int nutrient = nutrientByColumn(c.args.first());
    if (nutrient < 0)
        throw Error(QStringLiteral("Unbekannter Nährstoff ") + c.args.first());
    auto tables = c.openTables();
    if (count <= 0)
        return 0;
    for (const RankedFood &f : store::rankedFoods(*tables, nutrients()[nutrient].columnName(), count))
        c.out << f.name << ';' << (f.value ? formatGeneral(*f.value) : QString()) << '\n';
    return 0;
}

// The day of an intake file: "--group NAME" is the requirement group
// (default "Frauen 19-24"), "--kcal N" stands for a ticked "Diese Summe für
// die Tagesanalyse nutzen" with that calculator total. The messages of the
// computation go to the error stream; nullopt with exit code when it cannot
// be computed.
std::optional<RecalcResult> computeDay(Context &c, int &exitCode)
{
    std::map<QString, QString> o = {{QStringLiteral("--group"), defaultGroup()}, {QStringLiteral("--kcal"), QString()}};
    if (c.args.isEmpty() || !readOptions(c.args.mid(0, c.args.size() - 1), o)) {
        exitCode = usage(c.err);
        return std::nullopt;
    }
    const QString kcal = o[QStringLiteral("--kcal")];
    const Fixed4 total = kcal.isEmpty() ? Fixed4() : Fixed4::fromDouble(parseFloat(kcal));
    const QString path = c.args.last();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Datei ") + path + QStringLiteral(" kann nicht geöffnet werden"));
    const QStringList lines = readIntakeText(decodeUtf8OrWindows1252(file.readAll()));

    auto tables = c.openTables();
    const QString group = o[QStringLiteral("--group")];
    if (!tables->BedarfTable.locate(QStringLiteral("Gruppe"), group)
        && !store::locateGroupByPrefix(tables->BedarfTable, group))
        throw Error(groupNotFoundText(group));
    RecalcResult r = store::recalcDay(*tables, lines, !kcal.isEmpty(), total);
    for (const QString &message : std::as_const(r.messages))
        c.err << message << '\n';
    if (r.error) {
        c.err << *r.error << '\n';
        exitCode = 1;
        return std::nullopt;
    }
    return r;
}

int analyseCommand(Context &c)
{
    int rc = 0;
    const auto r = computeDay(c, rc);
    if (!r)
        return rc;
    for (const QString &line : r->lines)
        c.out << line << '\n';
    c.out << QStringLiteral("Eiweiß;") << r->protein << '\n';
    c.out << QStringLiteral("Fett;") << r->fat << '\n';
    c.out << QStringLiteral("Kohlenhydrate;") << r->carbohydrates << '\n';
    return 0;
}

int evaluateCommand(Context &c)
{
    int rc = 0;
    const auto r = computeDay(c, rc);
    if (!r)
        return rc;
    for (const QString &line : evaluationLines(r->lines))
        c.out << line << '\n';
    return 0;
}

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> map = {
        {QStringLiteral("search"), searchCommand},     {QStringLiteral("analyse"), analyseCommand},
        {QStringLiteral("evaluate"), evaluateCommand}, {QStringLiteral("food"), foodCommand},
        {QStringLiteral("bestlist"), bestlistCommand}, {QStringLiteral("energy"), energyCommand},
        {QStringLiteral("diet"), dietCommand},
    };
    return map;
}

} // namespace

int run(const QStringList &argsIn, const QString &defaultDataDir, QTextStream &out, QTextStream &err)
{
    QStringList args = argsIn;
    QString dataDir = defaultDataDir;
    if (args.size() >= 2 && args.first() == u"--data") {
        dataDir = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty())
        return usage(err);
    const auto it = commands().find(args.first());
    if (it == commands().end())
        return usage(err);
    Context c{dataDir, args.mid(1), out, err};
    try {
        return it->second(c);
    } catch (const Error &e) {
        err << e.message() << '\n';
        return 1;
    }
}

} // namespace torval::cli
