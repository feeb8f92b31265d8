// Best lists over 100,000 generated foods: the statement of NSComboChange
// through the program's query handle and the whole page handler, against the
// same statement run by the sqlite3 shell on the same database in the same
// run. Prints its figures; exits 1 when a target is missed.
//
//   bestlist_bench [FOODS] [RUNS]
//
// Targets: NSComboChange median at most 50 ms, and the statement through the
// query handle at most 1.5 × the sqlite3 shell's time for it.

#include "core/bestlist.h"
#include "core/catalogue.h"
#include "foodgen.h"
#include "gui/sortedcombobox.h"
#include "info/BestListPage.h"
#include "store/bestlistquery.h"
#include "store/tables.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace torval;

namespace {

double median(QList<double> v)
{
    if (v.isEmpty())
        return 0;
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v.at(n / 2) : (v.at(n / 2 - 1) + v.at(n / 2)) / 2;
}

QList<double> timeRuns(int runs, const std::function<void()> &f)
{
    f(); // warm the page cache once
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms << t.nsecsElapsed() / 1e6;
    }
    return ms;
}

// The sqlite3 shell's own timer for each run of a statement, in ms.
QList<double> shellRuns(const QString &shell, const QString &db, const QString &sql, int runs)
{
    QString script = QStringLiteral(".timer on\n.output /dev/null\n");
    for (int i = 0; i <= runs; ++i)
        script += sql + QStringLiteral(";\n");
    QProcess p;
    p.start(shell, {db});
    p.write(script.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(-1);
    static const QRegularExpression re(QStringLiteral("Run Time: real ([0-9.]+)"));
    QList<double> ms;
    auto it = re.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    while (it.hasNext())
        ms << it.next().captured(1).toDouble() * 1000.0;
    if (!ms.isEmpty())
        ms.removeFirst(); // the warm-up run
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int foods = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 15;

    QTemporaryDir tmp;
    const QString sources = tmp.filePath(QStringLiteral("src"));
    const QString data = tmp.filePath(QStringLiteral("Data"));
    QElapsedTimer prep;
    prep.start();
    generateFoodData(sources, data, foods);
    std::printf("%d generated foods, database built in %.1f s; %d runs each, medians in ms\n", foods,
                prep.elapsed() / 1000.0, runs);

    store::Tables tables(data);
    tables.openAll();
    info::BestListPage page(tables);
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const QString dbFile = QDir(data).filePath(store::Database::fileName());

    bool ok = true;
    std::printf("\n%-12s %10s %14s %10s %10s %10s %14s\n", "column", "first run", "NSComboChange", "query 21",
                "query all", "sqlite3", "sqlite3 LIMIT");
    for (const QString &column : {QStringLiteral("Vitamin_C"), QStringLiteral("Energie"), QStringLiteral("Alkohol")}) {
        const int entry = page.NSCombo->indexOfText(nutrients()[nutrientByColumn(column)].fullName());
        page.NSCombo->selectSilently(entry);
        // The first run of a column makes its index.
        QElapsedTimer first;
        first.start();
        page.NSComboChange();
        const double firstRun = first.nsecsElapsed() / 1e6;
        const double handler = median(timeRuns(runs, [&] { page.NSComboChange(); }));
        const double first21 = median(timeRuns(runs, [&] { store::rankedFoods(tables, column, kBestListPositions); }));
        const double all = median(timeRuns(std::max(3, runs / 3), [&] { store::rankedFoods(tables, column, -1); }));
        double cli = 0, cliLimit = 0;
        if (!shell.isEmpty()) {
            cli = median(shellRuns(shell, dbFile, bestListSql(column), runs));
            cliLimit = median(shellRuns(shell, dbFile, bestListSql(column) + QStringLiteral(" LIMIT 21"), runs));
        }
        std::printf("%-12s %10.1f %14.1f %10.1f %10.1f %10.1f %14.1f\n", qPrintable(column), firstRun, handler, first21,
                    all, cli, cliLimit);
        if (handler > 50.0) {
            std::printf("  NSComboChange over 50 ms\n");
            ok = false;
        }
        if (cli > 0 && first21 > 1.5 * cli) {
            std::printf("  query over 1.5 x sqlite3 (%.2f x)\n", first21 / cli);
            ok = false;
        }
    }
    if (shell.isEmpty())
        std::printf("sqlite3 shell not found: no comparison\n");
    std::printf("\nfirst run: NSComboChange the first time for the column.\n"
                "NSComboChange: the page handler (statement, 21 foods, catalogue row, labels, bars).\n"
                "query 21 / all: the statement through Query1, walking 21 / all rows.\n"
                "sqlite3: the same statement in the shell, all rows to /dev/null (its .timer);\n"
                "sqlite3 LIMIT: the statement with LIMIT 21 added.\n");
    std::printf("%s\n", ok ? "targets met" : "TARGET MISSED");
    return ok ? 0 : 1;
}
