#include "foodgen.h"
#include "store/databuilder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>

void generateFoodData(const QString &sourceDir, const QString &dataDir, int n)
{
    QDir().mkpath(QDir(sourceDir).filePath(QStringLiteral("tables")));
    QFile f(QDir(sourceDir).filePath(QStringLiteral("tables/Nahrung.adt.csv")));
    f.open(QIODevice::WriteOnly);
    QTextStream out(&f);
    const QStringList fields = {
        QStringLiteral("NM_Nr"), QStringLiteral("Kategorie"), QStringLiteral("Nahrungsmittel"), QStringLiteral("Energie"),
        QStringLiteral("Wasser"), QStringLiteral("Eiweiss"), QStringLiteral("Fett"), QStringLiteral("Kohlenhydrate"),
        QStringLiteral("Vitamin_C"), QStringLiteral("Tier_EW"), QStringLiteral("Calcium")};
    out << fields.join(u';') << '\n';
    const QStringList words = {QStringLiteral("Apfel"), QStringLiteral("Brot"), QStringLiteral("Käse"),
                               QStringLiteral("Wurst"), QStringLiteral("Milch"), QStringLiteral("Reis"),
                               QStringLiteral("Öl"), QStringLiteral("Saft"), QStringLiteral("Kuchen"),
                               QStringLiteral("Suppe"), QStringLiteral("Fisch"), QStringLiteral("Ei")};
    QRandomGenerator rng(42);
    for (int i = 1; i <= n; ++i) {
        const QString name = words.at(int(rng.bounded(words.size()))) + QStringLiteral(" Sorte ") + QString::number(i);
        out << i << ";Kategorie " << (i % 30) << ';' << name << ';' << rng.bounded(900) << ';'
            << rng.bounded(100) << ';' << rng.bounded(40) << ';' << rng.bounded(100) << ';' << rng.bounded(99) << ';'
            << rng.bounded(200000) << ';' << rng.bounded(40) << ';' << rng.bounded(1400) << '\n';
    }
    out.flush();
    f.close();
    torval::store::buildDataDirectory(sourceDir, dataDir);
}
