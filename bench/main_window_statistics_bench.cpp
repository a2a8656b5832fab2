// The statistics window over a full 5-layer log: opening it (forming, statistics, texts and the
// first screen of the measurement data page) and scrolling that page by one screen, next to
// the plain read of the log.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include "main_window_bench_support.h"
#include "results_bench_support.h"
#include "stats/ui/statistics_window.h"

namespace {

using namespace klv;

struct Setup {
    bench::FullLog log{5};
    ProfileFile ini{log.dir.Path() + "KLV570.ini"};
    bench::SilentSounds sounds;
    bench::NoPrinter printer;
    StatisticsLinks links{log.store, log.op, ini,   sounds, printer, nullptr,
                          {},        true,   false, {},     {},      {}};
};

Setup& Get() {
    static Setup s;
    return s;
}

void BM_ReadLog(::benchmark::State& state) {
    bench::ReadFullLog(state, Get().log);
}
BENCHMARK(BM_ReadLog)->Unit(::benchmark::kMillisecond);

// The data page with its first screen drawn.
QTableView& ShowDataPage(CStatistics& window) {
    window.show();
    window.ActivatePage(kPageMeasData);
    auto* view = window.findChild<QTableView*>(QStringLiteral("measDataList"));
    ::benchmark::DoNotOptimize(view->viewport()->grab());
    return *view;
}

void BM_OpenStatisticsWindow(::benchmark::State& state) {
    Setup& s = Get();
    for (auto _ : state) {
        MeasFileData d = s.log.d;
        CStatistics window("Temporary statistics", d, bench::FullLog::kChannel, s.links);
        ShowDataPage(window);
        if (window.Session().DataCount() != bench::kFullLogMeasurements)
            state.SkipWithError("not every data shown");
    }
}
BENCHMARK(BM_OpenStatisticsWindow)->Unit(::benchmark::kMillisecond);

void BM_ScrollDataPageOneScreen(::benchmark::State& state) {
    Setup& s = Get();
    MeasFileData d = s.log.d;
    CStatistics window("Temporary statistics", d, bench::FullLog::kChannel, s.links);
    QTableView& view = ShowDataPage(window);
    QScrollBar* bar = view.verticalScrollBar();
    for (auto _ : state) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        ::benchmark::DoNotOptimize(view.viewport()->grab());
    }
}
BENCHMARK(BM_ScrollDataPageOneScreen)->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    return bench::RunWithRatios(
        argc, argv, "BM_ReadLog",
        {{"BM_OpenStatisticsWindow", "opening the statistics window (target 3x)"},
         {"BM_ScrollDataPageOneScreen", "one screen of the data page (target under 5 ms)"}});
}
