// The statistics window's calculation over a full 5-layer log (forming the statistics data,
// which reads the log, calculating and making the texts), next to the plain read of the file.
#include <cstdio>
#include <vector>

#include "results_bench_support.h"
#include "stats/calc_statistics.h"
#include "stats/form_groups.h"
#include "stats/statistics_texts.h"

namespace {

using namespace klv;

bench::FullLog& Log() {
    static bench::FullLog log(5);
    return log;
}

void BM_ReadLog(::benchmark::State& state) {
    bench::ReadFullLog(state, Log());
}
BENCHMARK(BM_ReadLog)->Unit(::benchmark::kMillisecond);

void RunStatistics(::benchmark::State& state, const StatisticsSelection& s) {
    bench::FullLog& f = Log();
    std::vector<MsrLogRecord> stored;
    FormedData formed;
    for (auto _ : state) {
        if (!f.ok || !FormGroups(f.store, bench::FullLog::kChannel, f.d, s, stored, formed))
            state.SkipWithError("forming failed");
        const StatisticsResult r = CalcStatistics(formed, f.d);
        const StatisticsTexts t = BuildStatisticsTexts(r, f.d, formed.nDataCt);
        ::benchmark::DoNotOptimize(t.block.szStdDev[4][0]);
    }
}

void BM_StatisticsAllData(::benchmark::State& state) {
    RunStatistics(state, {GroupMode::AllData, 0, 0, 0, 1, 1});
}
BENCHMARK(BM_StatisticsAllData)->Unit(::benchmark::kMillisecond);

void BM_StatisticsFixedGroupsOf5(::benchmark::State& state) {
    RunStatistics(state, {GroupMode::FixedGroupAverage, 0, 0, 0, 1, 5});
}
BENCHMARK(BM_StatisticsFixedGroupsOf5)->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return klv::bench::RunWithRatios(
        argc, argv, "BM_ReadLog",
        {{"BM_StatisticsAllData", "statistics of all data (target 3x)"},
         {"BM_StatisticsFixedGroupsOf5", "statistics of fixed groups of 5 (target 3x)"}});
}
