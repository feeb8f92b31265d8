// Two program windows on one data folder: while one keeps a best list and a
// search result on its pages, the other saves 3,000 days. Reports the time
// per save and the largest size the write-ahead log reaches (it must stay
// bounded: a read kept open by the first window would let it grow without
// end).
#include "store/analyses.h"
#include "store/bestlistquery.h"
#include "store/foodlookup.h"
#include "store/tables.h"
#include "store/databuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data"));
    torval::store::buildDataDirectory(QStringLiteral(TORVAL_DATA_SOURCE_DIR), data);
    const QString wal = QDir(data).filePath(torval::store::Database::fileName() + QStringLiteral("-wal"));

    torval::store::Tables shown(data);
    shown.openAll();
    torval::store::rankedFoods(shown, QStringLiteral("Energie"), 21);
    torval::store::searchFoods(shown.Query1, QStringLiteral("a"));

    torval::store::Tables saving(data);
    saving.openAll();
    const int saves = 3000;
    qint64 largest = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < saves; ++i) {
        torval::store::saveAnalysis(saving,
                                    {QStringLiteral("Tag %1").arg(i), QDate(2026, 12, 11),
                                     QStringLiteral("Hauptbenutzer"), QString()},
                                    {QStringLiteral("Apfel, roh;150"), QStringLiteral("Eigelb, roh;20"),
                                     QStringLiteral("Milchreis mit fettarmer Milch;250")},
                                    false);
        largest = std::max(largest, QFileInfo(wal).size());
    }
    const double ms = double(clock.elapsed());
    // The first window still writes afterwards.
    shown.UserTable.first();
    shown.UserTable.edit();
    shown.UserTable.setString(QStringLiteral("Stunden"), QStringLiteral("6"));
    shown.UserTable.post();
    QTextStream(stdout) << "saves: " << saves << ", " << QString::number(ms / saves, 'f', 2)
                        << " ms per save; largest write-ahead log: " << QString::number(largest / 1048576.0, 'f', 2)
                        << " MB; the showing window's write afterwards: ok\n";
    return 0;
}
