// Appending a layer writes the measurement's records and the condition, nothing else: its cost
// must not grow with the number of measurements the log already holds.
#include <cstdio>
#include <vector>

#include "base/clock.h"
#include "reference/condition_store.h"
#include "reference/msr_log_file.h"
#include "results/measurement_log.h"
#include "results_bench_support.h"

namespace {

using namespace klv;

constexpr int kLayers = 2;
constexpr int kChannel = 0;

// One measurement of kLayers layers appended to a log of `measurements` measurements, the
// appended one included, so the largest log is at the limit of 99,999.
void BM_AppendMeasurement(::benchmark::State& state) {
    const auto measurements = static_cast<std::uint32_t>(state.range(0));
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    SystemClock clock;
    ConditionStore store(dir.Path(), op);
    store.CreateConditionDirectories();
    MeasFileData d = bench::BenchCondition(kLayers);
    const std::uint32_t stored = (measurements - 1) * kLayers;
    std::vector<MsrLogRecord> log(stored,
                                  MsrLogRecord{1.0f, kRecordMeasured, 0, PackDate(2026, 1, 1)});
    d.nItemCt = stored;
    if (!WriteMsrLogFile(store, kChannel, log.data(), 0, stored) ||
        !store.WriteConditionFile(kChannel, d)) {
        state.SkipWithError("set-up failed");
        return;
    }
    MeasurementBuffer buffer{};
    for (auto _ : state) {
        d.nItemCt = stored;
        for (int k = 0; k < kLayers; ++k) {
            if (!AddMsrLogRecord(store, clock, d, kChannel, buffer, k, 2.5f, false))
                state.SkipWithError("append failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * kLayers);
    state.counters["failures"] = op.failures;
}
BENCHMARK(BM_AppendMeasurement)->Arg(10)->Arg(1000)->Arg(99999)->Unit(::benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    klv::bench::TimeCollector reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    // The time per append must not grow with the log.
    for (const char* name : {"BM_AppendMeasurement/1000", "BM_AppendMeasurement/99999"})
        klv::bench::PrintRatio(reporter, name, "BM_AppendMeasurement/10", "<= 1.2");
    ::benchmark::Shutdown();
    return 0;
}
