// The chart pages of the statistics window over a channel of 200 data: each page's refresh and
// drawing of its chart at the window's default size (target under 16 ms, one frame).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "main_window_bench_support.h"
#include "results_bench_support.h"
#include "stats/ui/chart_view.h"
#include "stats/ui/stat_chart_page.h"
#include "stats/ui/statistics_window.h"

namespace {

using namespace klv;

constexpr std::uint32_t kData = 200;

struct Setup {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    ConditionStore store{dir.Path(), op};
    ProfileFile ini{dir.Path() + "KLV570.ini"};
    bench::SilentSounds sounds;
    bench::NoPrinter printer;
    StatisticsLinks links{store, op, ini, sounds, printer, nullptr, {}, true, false, {}, {}, {}};
    MeasFileData d = bench::BenchCondition(1);
    bool ok = false;

    Setup() {
        std::vector<MsrLogRecord> log;
        for (std::uint32_t i = 0; i < kData; ++i)
            log.push_back({5.0f + static_cast<float>((i * 37) % 23) * 0.05f, kRecordMeasured, 0,
                           PackDate(2026, 1, 1 + static_cast<int>(i / 10))});
        d.nItemCt = kData;
        // The X-bar/R page groups the data by five.
        ok = store.CreateConditionDirectories() && store.WriteConditionFile(0, d) &&
             WriteMsrLogFile(store, 0, log.data(), 0, kData) &&
             ini.WriteProfileInt("Statistics", "PartDataCt", 5);
    }
};

Setup& Get() {
    static Setup s;
    return s;
}

void BM_ChartPage(::benchmark::State& state) {
    Setup& s = Get();
    const int page = static_cast<int>(state.range(0));
    MeasFileData d = s.d;
    CStatistics window("Gross statistics", d, 0, s.links);
    window.Session().Selection().mode = GroupMode::FixedGroupAverage;
    window.Session().Recalculate();
    window.show();
    if (!s.ok || !window.ActivatePage(page)) {
        state.SkipWithError("page not shown");
        return;
    }
    // The page takes its place in the window before its chart is drawn.
    QApplication::processEvents();
    const char* names[] = {"CStatHistogram", "CStatProfile", "CStatXbarR"};
    auto* chart = window.findChild<CStatChartPage*>(names[page - kPageHistogram]);
    const bool refresh = state.range(1) != 0;
    for (auto _ : state) {
        if (refresh)
            chart->Refresh();
        ::benchmark::DoNotOptimize(chart->ChartView().Render());
    }
    state.SetLabel(std::to_string(chart->ChartView().width()) + "x" +
                   std::to_string(chart->ChartView().height()));
}
BENCHMARK(BM_ChartPage)
    ->ArgNames({"page", "refresh"})
    ->ArgsProduct({{kPageHistogram, kPageProfile, kPageXbarR}, {0, 1}})
    ->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return klv::bench::RunWindowBenchmarks(argc, argv);
}
