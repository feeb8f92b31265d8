// The food search and the category change of the page "Einzelanalysen" over
// 100,000 generated foods, through the real page.
#include "fooddb/FoodPage.h"
#include "foodgen.h"
#include "gui/sortedcombobox.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct World
{
    QTemporaryDir dir;
    std::unique_ptr<torval::store::Tables> tables;
    std::unique_ptr<torval::fooddb::FoodPage> page;

    World()
    {
        const QString data = dir.filePath(QStringLiteral("Data"));
        generateFoodData(dir.filePath(QStringLiteral("src")), data, 100000);
        tables = std::make_unique<torval::store::Tables>(data);
        tables->openAll();
        page = std::make_unique<torval::fooddb::FoodPage>(*tables);
        QStringList cats = torval::store::categoryNames(tables->Query1);
        page->KategorieCombo->setSortedItems(cats);
    }
};

std::unique_ptr<World> theWorld;

World &world()
{
    if (!theWorld)
        theWorld = std::make_unique<World>();
    return *theWorld;
}

void CategoryChange(benchmark::State &state)
{
    World &w = world();
    int i = 0;
    for (auto _ : state) {
        w.page->KategorieCombo->selectSilently(i++ % w.page->KategorieCombo->count());
        w.page->KategorieComboChange();
        benchmark::DoNotOptimize(w.page->ProduktCombo->count());
    }
    state.counters["foods_listed"] = w.page->ProduktCombo->count();
}

void SearchManyMatches(benchmark::State &state)
{
    World &w = world();
    for (auto _ : state) {
        const QStringList names = torval::store::searchFoodNames(w.tables->Query1, QStringLiteral("käse"));
        benchmark::DoNotOptimize(names.size());
        state.counters["matches"] = double(names.size());
    }
}

void SearchFewMatches(benchmark::State &state)
{
    World &w = world();
    for (auto _ : state) {
        const QStringList names = torval::store::searchFoodNames(w.tables->Query1, QStringLiteral("nr. 4242"));
        benchmark::DoNotOptimize(names.size());
        state.counters["matches"] = double(names.size());
    }
}

void SearchSingleMatch(benchmark::State &state)
{
    // A word that matches one food: the page switches category and food.
    World &w = world();
    for (auto _ : state) {
        w.page->SearchEdit->setText(QStringLiteral("Nr. 77777"));
        w.page->SearchBtnClick();
        benchmark::DoNotOptimize(w.page->ProduktCombo->currentIndex());
    }
}

// Words full of wildcards: the search must stay as fast as an ordinary word
// (a backtracking matcher took minutes on the first of them).
void SearchWildcardWords(benchmark::State &state)
{
    static const QString words[] = {QStringLiteral("_%_%_%_%_%_%_%§"), QStringLiteral("%_%_%_%_%_%_%_%_%_%_%_%x"),
                                    QStringLiteral("a%b%c%d%e%f%g%h%i%j%k%l")};
    World &w = world();
    const QString &word = words[state.range(0)];
    for (auto _ : state) {
        const QStringList names = torval::store::searchFoodNames(w.tables->Query1, word);
        benchmark::DoNotOptimize(names.size());
        state.counters["matches"] = double(names.size());
    }
}

} // namespace

BENCHMARK(SearchWildcardWords)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(CategoryChange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SearchManyMatches)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SearchFewMatches)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(SearchSingleMatch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    theWorld.reset();
    return 0;
}
