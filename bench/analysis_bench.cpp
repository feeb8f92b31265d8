// The day's computation for 1,000 intake lines (the compute part alone and
// with the reads of the tables), and adding one food to a day of 300 lines
// through the real main window, over the shipped food table.
#include "analysis/AnalysePage.h"
#include "app/ZudorMainFrm.h"
#include "core/recalc.h"
#include "gui/dialogs.h"
#include "gui/sortedcombobox.h"
#include "store/analyses.h"
#include "store/databuilder.h"
#include "store/query.h"
#include "store/tables.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace torval;

namespace {

// Every box is answered at once; the benchmark must never wait for one.
class NoBoxes final : public gui::Dialogs
{
public:
    void showMessage(const QString &) override { ++shown; }
    void showError(const QString &) override { ++shown; }
    Button messageDlg(const QString &, Type, int) override
    {
        ++shown;
        return Yes;
    }
    std::optional<QString> inputQuery(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    int shown = 0;
};

struct World
{
    QTemporaryDir dir;
    NoBoxes boxes;
    std::unique_ptr<app::TZudorMainForm> window;
    QStringList names; // every food name in record order

    World()
    {
        gui::setDialogs(&boxes);
        store::buildDataDirectory(QStringLiteral(TORVAL_DATA_SOURCE_DIR), dir.filePath(QStringLiteral("Data")));
        app::LaunchOptions o;
        o.programDir = dir.path();
        o.screenWidth = 1024;
        window = std::make_unique<app::TZudorMainForm>(o);
        window->setFirstShowPending(false); // no user selection in a benchmark
        window->show();
        QCoreApplication::processEvents();
        store::Query &q = window->tables()->Query1;
        q.setSql(QStringLiteral("SELECT Nahrungsmittel FROM \"Nahrung.adt\" ORDER BY NM_Nr"));
        q.open();
        for (bool ok = q.first(); ok; ok = q.next())
            names << q.asString(QStringLiteral("Nahrungsmittel"));
    }

    // n lines of foods drawn from the whole table, with amounts such as 125
    // or 37,5, always the same for the same n.
    QStringList day(int n, const QString &leaveOut = QString()) const
    {
        QRandomGenerator random(4711);
        QStringList lines;
        while (lines.size() < n) {
            const QString &name = names.at(int(random.bounded(qsizetype(names.size()))));
            if (name.compare(leaveOut, Qt::CaseInsensitive) == 0)
                continue;
            const int grams = 5 + int(random.bounded(400));
            lines << name + u';' + QString::number(grams) + (random.bounded(4) == 0 ? QStringLiteral(",5") : QString());
        }
        return lines;
    }
};

World &world()
{
    static World w;
    return w;
}

// The compute part of RecalcAnalyse: totals, 26 result lines and the ratio
// from inputs already read.
void RecalcCompute1000(benchmark::State &state)
{
    World &w = world();
    const RecalcInput input = store::recalcInput(*w.window->tables(), w.day(1000), false, Fixed4());
    for (auto _ : state) {
        const RecalcResult r = recalcAnalyse(input);
        benchmark::DoNotOptimize(r.lines.size());
    }
    state.counters["lines"] = 1000;
    state.counters["foods_found"] = double(input.foods.size());
}
BENCHMARK(RecalcCompute1000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The same with the reads of the food table, the catalogue and the
// requirement row.
void RecalcWithTables1000(benchmark::State &state)
{
    World &w = world();
    const QStringList lines = w.day(1000);
    for (auto _ : state) {
        const RecalcResult r = store::recalcDay(*w.window->tables(), lines, false, Fixed4());
        benchmark::DoNotOptimize(r.lines.size());
    }
}
BENCHMARK(RecalcWithTables1000)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// "&Gewähltes Produkt hinzufügen" on a day of 300 lines: the merge check,
// the new line in the list, the whole computation and its display, and the
// repaint of the window.
void AddFoodTo300Lines(benchmark::State &state)
{
    World &w = world();
    analysis::AnalysePage &page = *w.window->analysePage();
    const QString food = page.ProduktCombo2->currentText();
    const QStringList base = w.day(300, food);
    page.MengenEdit->setText(QStringLiteral("150"));
    const int boxesBefore = w.boxes.shown;
    for (auto _ : state) {
        state.PauseTiming();
        page.setIntakeLines(base);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        page.AddBtn->click();
        QCoreApplication::processEvents();
    }
    if (page.intakeLines().size() != 301 || w.boxes.shown != boxesBefore)
        state.SkipWithError("the food was not simply appended");
    state.counters["lines_before"] = 300;
}
BENCHMARK(AddFoodTo300Lines)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    world().window.reset();
    gui::setDialogs(nullptr);
    return 0;
}
