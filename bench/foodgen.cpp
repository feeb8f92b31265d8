#include "foodgen.h"
#include "core/catalogue.h"
#include "store/databuilder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>

using namespace torval;

namespace {

// A source directory with n generated foods (every catalogue column, one
// value in twenty unknown) and the nutrient catalogue.
void writeSources(const QString &dir, int n)
{
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("tables")));
    QStringList header = {QStringLiteral("NM_Nr"), QStringLiteral("Kategorie"), QStringLiteral("Nahrungsmittel")};
    for (const Nutrient &nu : nutrients())
        header << nu.columnName();
    QFile foods(QDir(dir).filePath(QStringLiteral("tables/Nahrung.adt.csv")));
    if (!foods.open(QIODevice::WriteOnly))
        qFatal("cannot write sources");
    QTextStream out(&foods);
    out << header.join(u';') << '\n';
    const QStringList words = {QStringLiteral("Apfel"), QStringLiteral("Brot"),  QStringLiteral("Käse"),
                               QStringLiteral("Wurst"), QStringLiteral("Milch"), QStringLiteral("Reis"),
                               QStringLiteral("Öl"),    QStringLiteral("Saft"),  QStringLiteral("Kuchen"),
                               QStringLiteral("Suppe"), QStringLiteral("Fisch"), QStringLiteral("Gemüse")};
    QRandomGenerator rng(4711);
    for (int i = 1; i <= n; ++i) {
        out << i << ";Kategorie " << (i % 30) << ';' << words.at(int(rng.bounded(words.size()))) << " Nr. " << i;
        for (const Nutrient &nu : nutrients()) {
            out << ';';
            if (rng.bounded(20) != 0)
                out << QString::number(rng.bounded(nu.fullScale * 1.2), 'f', 2);
        }
        out << '\n';
    }
    out.flush();
    foods.close();
    QFile catalogue(QDir(dir).filePath(QStringLiteral("tables/Naehrstoff.adt.csv")));
    if (!catalogue.open(QIODevice::WriteOnly))
        qFatal("cannot write sources");
    QTextStream cat(&catalogue);
    cat << "Kurzbezeichng;Naehrstoff;Einheit;Tagesbedarf\n";
    for (const Nutrient &nu : nutrients())
        cat << nu.columnName() << ';' << nu.fullName() << ';' << nu.unitName() << ";100\n";
}

} // namespace

void generateFoodData(const QString &sourceDir, const QString &dataDir, int n)
{
    writeSources(sourceDir, n);
    store::buildDataDirectory(sourceDir, dataDir);
}
