#include "commands.h"
#include "core/catalogue.h"
#include "core/error.h"
#include "core/numfmt.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QDir>
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
        auto t = std::make_unique<store::Tables>(dataDir);
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
           "  food NAME     Nährwerte eines Nahrungsmittels je 100 g\n";
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
    for (const Nutrient &n : nutrients())
        c.out << n.columnName() << ';' << formatGeneral(foods.asFloat(n.columnName())) << ';' << n.unitName()
              << '\n';
    return 0;
}

const std::map<QString, Command> &commands()
{
    static const std::map<QString, Command> map = {
        {QStringLiteral("search"), searchCommand},
        {QStringLiteral("food"), foodCommand},
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
