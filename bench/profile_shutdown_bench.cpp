// The settings writes of one shutdown: every key its own atomic rewrite, against one batch.
#include <benchmark/benchmark.h>

#include <string>

#include "base/profile.h"
#include "base/window_placement.h"
#include "results_bench_support.h"

namespace klv::bench {
namespace {

constexpr int kShutdownKeys = 40;

// A settings file as a long-used installation has it: several sections, about 150 lines.
void SeedSettings(ProfileFile& ini) {
    ProfileBatch batch(ini);
    for (int s = 0; s < 10; ++s)
        for (int k = 0; k < 14; ++k)
            ini.WriteProfileInt("Section" + std::to_string(s), "Key" + std::to_string(k), k);
}

// The main window's placement, its lists' column widths and the application's own keys.
void WriteShutdownKeys(ProfileFile& ini, int round) {
    WindowPlacement p;
    p.normal = {10 + round % 7, 20, 900, 700};
    WriteWindowPlacement(ini, "Measurement", p, true, true);
    int written = 9;
    for (int c = 0; written < kShutdownKeys; ++c, ++written)
        ini.WriteProfileInt("Measurement", "ColWidth" + std::to_string(c), 60 + round % 5);
}

void BM_ShutdownKeyByKey(benchmark::State& state) {
    ScratchDirectory dir;
    ProfileFile ini(dir.Path() + "KLV570.ini");
    SeedSettings(ini);
    int round = 0;
    for (auto _ : state)
        WriteShutdownKeys(ini, ++round);
}
BENCHMARK(BM_ShutdownKeyByKey)->Unit(benchmark::kMillisecond);

void BM_ShutdownBatched(benchmark::State& state) {
    ScratchDirectory dir;
    ProfileFile ini(dir.Path() + "KLV570.ini");
    SeedSettings(ini);
    int round = 0;
    for (auto _ : state) {
        ProfileBatch batch(ini);
        WriteShutdownKeys(ini, ++round);
        benchmark::DoNotOptimize(batch.Commit());
    }
}
BENCHMARK(BM_ShutdownBatched)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace klv::bench
