#pragma once

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "base/fixed_text.h"
#include "base/operator.h"
#include "reference/condition_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv::bench {

// Message boxes of a benchmark: none is expected, every one is counted as a failure.
class SilentOperator final : public Operator {
public:
    int ShowMessage(const std::string& text, MsgIcon, MsgButtons) override {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        ++failures;
        return IDOK;
    }
    int failures = 0;
};

// A data directory under the system's temporary folder, removed at the end.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "klv-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern + "/";
    }
    ~ScratchDirectory() {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// A complete condition of `layers` nickel and copper layers, unit µm, gasket A.
inline MeasFileData BenchCondition(int layers) {
    MeasFileData d = NewMeasFileData();
    for (int k = 0; k < layers; ++k) {
        LayerCondition& c = d.coat[k];
        c.bLayerFlags = kLayerCurrentAuto;
        c.bCode = k % 2 == 0 ? 16 : 5;
        c.bSolution = 1;
        c.bRange = 2;
        c.bSensitivity = 1;
        SetFixedText(c.Name, k % 2 == 0 ? "Ni" : "Cu");
    }
    d.bBaseCode = 1;
    SetFixedText(d.baseName, "Fe");
    d.bGasket = 1;
    d.bOldBlanking = kLegacyBlankingMoved;
    d.bStatFlags = kStatLimitCheckOn;
    SetFixedText(d.szFileName, "Bench");
    return d;
}

inline constexpr std::uint32_t kFullLogMeasurements = 99999;

// A channel holding the most measurements a log takes, written once for all benchmarks.
struct FullLog {
    static constexpr int kChannel = 0;
    ScratchDirectory dir;
    SilentOperator op;
    ConditionStore store{dir.Path(), op};
    MeasFileData d;
    bool ok = false;

    explicit FullLog(int layers) : d(BenchCondition(layers)) {
        store.CreateConditionDirectories();
        const std::uint32_t count = kFullLogMeasurements * static_cast<std::uint32_t>(layers);
        std::vector<MsrLogRecord> log(count);
        for (std::uint32_t i = 0; i < count; ++i)
            log[i] = MsrLogRecord{0.5f + static_cast<float>(i % 977) * 0.013f, kRecordMeasured, 0,
                                  PackDate(2026, 1 + static_cast<int>(i % 12), 1)};
        d.nItemCt = count;
        d.limits[0].fUpperLimit = 10.0f;
        d.limits[0].fLowerLimit = 1.0f;
        ok = WriteMsrLogFile(store, kChannel, log.data(), 0, count) &&
             store.WriteConditionFile(kChannel, d);
    }
};

// The floor every benchmark over the full log is measured against: reading it whole.
inline void ReadFullLog(::benchmark::State& state, FullLog& f) {
    std::vector<MsrLogRecord> records(f.d.nItemCt);
    for (auto _ : state) {
        if (!f.ok ||
            !ReadMsrLogFile(f.store, FullLog::kChannel, records.data(), 0, f.d.nItemCt, true))
            state.SkipWithError("read failed");
        ::benchmark::DoNotOptimize(records.data());
    }
}

// Collects the time per iteration of every run by name while printing as usual.
class TimeCollector final : public ::benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.iterations > 0 && r.run_type == Run::RT_Iteration)
                times[r.benchmark_name()] = r.GetAdjustedRealTime();  // per iteration
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Prints "a / b: ratio (target ...)" once both runs took place.
inline void PrintRatio(const TimeCollector& reporter, const std::string& a, const std::string& b,
                       const char* target) {
    const auto x = reporter.times.find(a);
    const auto y = reporter.times.find(b);
    if (x != reporter.times.end() && y != reporter.times.end() && y->second > 0)
        std::printf("%s / %s: %.2f (target %s)\n", a.c_str(), b.c_str(), x->second / y->second,
                    target);
}

struct RatioLine {
    const char* run;    // benchmark name
    const char* label;  // what the line calls it
};

// Runs the benchmarks and prints the time of each line's run next to the plain read's.
inline int RunWithRatios(int argc, char** argv, const char* plainRead,
                         std::initializer_list<RatioLine> lines) {
    ::benchmark::Initialize(&argc, argv);
    TimeCollector reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto read = reporter.times.find(plainRead);
    for (const RatioLine& line : lines) {
        const auto run = reporter.times.find(line.run);
        if (read != reporter.times.end() && run != reporter.times.end())
            std::printf("99,999 x 5 layers: %s %.1f ms, plain read %.1f ms (%.1fx)\n", line.label,
                        run->second, read->second, run->second / read->second);
    }
    ::benchmark::Shutdown();
    return 0;
}

}  // namespace klv::bench
