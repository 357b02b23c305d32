// Timings of the work the game does per event: a text lookup, a new turn, translating and
// rescaling the five-car window, keeping the statistics after a turn. Runs on the offscreen platform with the shipped data.

#include "ui/ProgramEnd.h"
#include "app/Instances.h"
#include "clues/Generator.h"
#include "game/GameForm.h"
#include "text/LanguageSetting.h"
#include "text/Parole.h"
#include "text/StatisticsFile.h"
#include "text/TextLookup.h"
#include "ui/clsResize.h"
#include "ui/Form.h"
#include "ui/MLSTranslateForm.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

GameForm* FiveCars()
{
    static GameForm* g = [] {
        FormAuto5.Show();
        return FormAuto5.As<GameForm>();
    }();
    return g;
}

void BM_MLSGetString(benchmark::State& state)
{
    const QString keys[] = {QStringLiteral("0004"), QStringLiteral("0104"), QStringLiteral("0211"), QStringLiteral("9999")};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(MLSGetString(keys[i++ & 3]));
}
BENCHMARK(BM_MLSGetString);

void BM_NuovoTurno5(benchmark::State& state)
{
    GameForm* g = FiveCars();
    for (auto _ : state) g->NuovoTurno();
}
BENCHMARK(BM_NuovoTurno5)->Unit(benchmark::kMicrosecond);

void BM_TranslateForm5(benchmark::State& state)
{
    GameForm* g = FiveCars();
    for (auto _ : state) MLSTranslateForm(g);
}
BENCHMARK(BM_TranslateForm5)->Unit(benchmark::kMicrosecond);

void BM_WindowResize5(benchmark::State& state)
{
    // The whole work of a resize of the five-car window: its resizer and the cars, markers and
    // note pad placed for the new size, as a player's resize does it.
    GameForm* g = FiveCars();
    // The sizes of the window as first shown: the benchmark runs more than once, and the window
    // may be left at either.
    static const QSize shown = g->size();
    const QSize sizes[] = {shown, shown * 0.8};
    int i = 0;
    for (auto _ : state) g->resize(sizes[i++ & 1]);
}
BENCHMARK(BM_WindowResize5)->Unit(benchmark::kMicrosecond);

void BM_ResizeControls5(benchmark::State& state)
{
    // A resizer of the benchmark's own, so the window's resize event does not do the work first.
    GameForm* g = FiveCars();
    delete ResizerOf(g);
    clsResize resizer;
    resizer.SetSourceForm(g);
    resizer.ReInitialise();
    const QSize sizes[] = {g->size(), g->size() * 0.8};
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g->resize(sizes[i++ & 1]);
        state.ResumeTiming();
        resizer.ResizeControls();
    }
}
BENCHMARK(BM_ResizeControls5)->Unit(benchmark::kMicrosecond);

void BM_GenerateClue5Difficile(benchmark::State& state)
{
    // One clue per iteration, a new seed each; the counters are the median and the slowest of
    // 1,000 seeds, timed one by one.
    std::uint32_t seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(clues::GenerateClue(5, clues::Level::Difficile, seed++));
    std::vector<double> ms;
    for (std::uint32_t s = 0; s < 1000; ++s) {
        const auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(clues::GenerateClue(5, clues::Level::Difficile, 100000 + s));
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["slowest_ms"] = ms.back();
}
BENCHMARK(BM_GenerateClue5Difficile)->Unit(benchmark::kMicrosecond);

void BM_AvantiGenerated5(benchmark::State& state)
{
    // "avanti" in a five-car window that plays Difficile: the new turn, its generated clue, the
    // window drawn anew.
    GameForm* g = FiveCars();
    g->SetKind(TurnKind::Difficile);
    for (auto _ : state) g->BottoneAvanti_Click();
    g->SetKind(TurnKind::Classico);
}
BENCHMARK(BM_AvantiGenerated5)->Unit(benchmark::kMicrosecond);

void BM_SaveStatistics(benchmark::State& state)
{
    // The statistics written whole after a turn, as full as they grow: every kind of turn played,
    // each with the most times kept. Into a temporary data folder of the benchmark's own.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    stats::Statistics full;
    for (int t = 0; t < stats::kKeptTimes; ++t)
        for (int cars = 3; cars <= 5; ++cars)
            for (int kind = 0; kind < stats::kKinds; ++kind) full.Solved(cars, kind, 30000 + t * 37 % 90000, t % 5 != 0);
    for (auto _ : state) benchmark::DoNotOptimize(SaveStatistics(full));
    state.counters["kB"] = double(full.Write().size()) / 1024;
}
BENCHMARK(BM_SaveStatistics)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetProgramEndHandler([](bool) {});
    // The shipped Italian file beside the benchmark, as beside the program.
    MLSCurrentLanguage = QStringLiteral("Italiano");
    if (!QFile::exists(MLSLanguageFile())) {
        std::fprintf(stderr, "no Italiano.lng beside the benchmark\n");
        return 1;
    }
    LoadParole();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
