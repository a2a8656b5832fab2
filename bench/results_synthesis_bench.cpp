// Reading and synthesizing every measurement of a full 5-layer log, next to the plain read of
// the same file, which is the floor.
#include <cstdio>
#include <vector>

#include "reference/condition_store.h"
#include "reference/msr_log_file.h"
#include "results/synthetic_result.h"
#include "results_bench_support.h"

namespace {

using namespace klv;

constexpr int kLayers = 5;
constexpr std::uint32_t kMeasurements = bench::kFullLogMeasurements;
constexpr int kChannel = bench::FullLog::kChannel;

bench::FullLog& Log() {
    static bench::FullLog log(kLayers);
    return log;
}

void BM_ReadLog(::benchmark::State& state) {
    bench::ReadFullLog(state, Log());
}
BENCHMARK(BM_ReadLog)->Unit(::benchmark::kMillisecond);

void BM_ReadAndSynthesize(::benchmark::State& state) {
    bench::FullLog& f = Log();
    std::vector<MsrLogRecord> records(kMeasurements * kLayers);
    SyntheticResult r;
    for (auto _ : state) {
        if (!f.ok || !ReadMsrLogFile(f.store, kChannel, records.data(), 0, f.d.nItemCt, true))
            state.SkipWithError("read failed");
        const std::span<const MsrLogRecord> all(records);
        for (std::uint32_t m = 0; m < kMeasurements; ++m) {
            EditSyntheticResult(f.d, all.subspan(std::size_t{m} * kLayers, kLayers), r, false);
            ::benchmark::DoNotOptimize(r.item[0].szMeasValue[0]);
        }
    }
    state.SetItemsProcessed(state.iterations() * kMeasurements);
}
BENCHMARK(BM_ReadAndSynthesize)->Unit(::benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return klv::bench::RunWithRatios(argc, argv, "BM_ReadLog",
                                     {{"BM_ReadAndSynthesize", "read and synthesize"}});
}
