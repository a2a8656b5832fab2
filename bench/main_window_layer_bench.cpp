// The main window on the simulator: how long after "Trip" ends the plating the layer's result
// shows in the result list, over 100 one-layer measurements, against the floor of one polling
// cycle (one 5 ms turn plus 30 ms after each idle callback).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/klv570_app.h"
#include "app/open_channel_key.h"
#include "app/ui/command_ids.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/meas_result_list.h"
#include "device/ui/simulation_dialog.h"
#include "reference/condition_store.h"
#include "reference/solution_defaults.h"
#include "results_bench_support.h"
#include "support/recording_sound_player.h"
#include "support/settable_clock.h"

namespace {

using namespace klv;
using Steady = std::chrono::steady_clock;

constexpr int kLayers = 100;
constexpr int kChannel = 0;
constexpr double kFloorCycleMs = 35.0;
// Long enough that the clock readings of the start's settling waits cannot end it.
constexpr std::uint8_t kBlankingSeconds = 5;
// A step still waiting after this much real time has failed.
constexpr qint64 kGiveUpMs = 10000;

// Processes events as the window's own loop would, until `done` holds.
bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > kGiveUpMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// The program on a fresh data directory with one channel of one nickel layer, remembered as
// the channel open at the last exit.
struct Program {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    test::SettableClock clock;
    test::RecordingSoundPlayer sounds;
    CKLV570App app{dir.Path(), op, clock, sounds};

    bool PrepareChannel() {
        MeasFileData d = bench::BenchCondition(1);
        ApplyCombinationDefaults(d);
        d.coat[0].bBlanking = kBlankingSeconds;
        ConditionStore store(dir.Path(), op);
        ProfileFile ini(dir.Path() + "KLV570.ini");
        return !dir.Path().empty() && store.CreateConditionDirectories() &&
               store.WriteConditionFile(kChannel, d) && WriteOpenChannel(ini, kChannel);
    }
};

// One layer as the operator measures it; the latency in ms, or nothing with `failure` said.
class LayerRoad {
public:
    LayerRoad(CKLV570Dlg& window, test::SettableClock& clock)
        : m_window(window),
          m_clock(clock),
          m_list(*window.Face().ResultList()),
          m_trip(window.Device().SimulationWindow()->findChild<QAbstractButton*>("ctl1800")) {}

    std::optional<double> Measure(std::string& failure) {
        CMainChannel& channel = m_window.Channel();
        const int shownNumber = DataNumber();
        const std::uint32_t stored = channel.Condition()->nItemCt;

        // The start's settling waits need a moving clock; the plating needs a still one, so
        // the running value cannot change after the time is taken.
        m_clock.SetAutoStep(50);
        m_window.OnCommand(cmd::kStartMeasurement);
        const bool started = WaitFor([&] { return channel.IsMeasuring(); });
        m_clock.SetAutoStep(0);
        if (!started)
            return Fail(failure, "the measurement did not start");
        if (!WaitFor([&] { return m_list.IsBlinking(); }))
            return Fail(failure, "the blanking never showed");
        m_clock.Advance(kBlankingSeconds * 1000 + 800);
        if (!WaitFor([&] { return !m_list.IsBlinking() && m_trip->isEnabled(); }))
            return Fail(failure, "the blanking did not end");

        const QString running = m_list.RowText(0, 1);
        const auto t0 = Steady::now();
        m_trip->click();
        const bool shown =
            WaitFor([&] { return m_list.RowText(0, 1) != running && DataNumber() > shownNumber; });
        const double ms = std::chrono::duration<double, std::milli>(Steady::now() - t0).count();
        if (!shown)
            return Fail(failure, "the result was not shown");
        if (channel.IsMeasuring() || channel.Condition()->nItemCt != stored + 1)
            return Fail(failure, "the result was shown but not stored");
        return ms;
    }

private:
    int DataNumber() const { return m_window.Face().DataNumber()->text().toInt(); }
    static std::optional<double> Fail(std::string& failure, const char* what) {
        failure = what;
        return std::nullopt;
    }

    CKLV570Dlg& m_window;
    test::SettableClock& m_clock;
    CMeasResultList& m_list;
    QAbstractButton* m_trip;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void BM_TripToLayerResult(benchmark::State& state) {
    Program p;
    if (!p.PrepareChannel()) {
        state.SkipWithError("the channel could not be prepared");
        return;
    }
    std::vector<double> latencies;
    std::string failure = "the main window never ran";
    p.app.Hooks().runMainWindow = [&] {
        CKLV570Dlg window(p.app);
        window.ShowAsStored();
        window.StartDevice();
        if (!window.Channel().IsOpen() || window.Device().SimulationWindow() == nullptr) {
            failure = "the channel or the simulator did not open";
            window.Shutdown();
            return;
        }
        failure.clear();
        LayerRoad road(window, p.clock);
        for (auto _ : state) {
            const std::optional<double> ms = road.Measure(failure);
            if (!ms) {
                state.SkipWithError(failure.c_str());
                break;
            }
            latencies.push_back(*ms);
            state.SetIterationTime(*ms / 1000.0);
        }
        window.Shutdown();
    };
    p.app.InitInstance({"-siml=1"});
    p.app.ExitInstance();
    if (state.error_occurred())
        return;
    if (p.op.failures > 0 && failure.empty())
        failure = "a message box was shown";
    if (!failure.empty()) {
        state.SkipWithError(failure.c_str());
        return;
    }
    const double median = Median(latencies);
    const double maximum = *std::max_element(latencies.begin(), latencies.end());
    state.counters["median_ms"] = median;
    state.counters["max_ms"] = maximum;
    state.counters["floor_cycle_ms"] = kFloorCycleMs;
    state.counters["median_to_floor"] = median / kFloorCycleMs;
    state.counters["max_to_floor"] = maximum / kFloorCycleMs;
    std::printf(
        "Trip to layer result shown, %zu layers: median %.1f ms, max %.1f ms; "
        "one polling cycle %.0f ms\n",
        latencies.size(), median, maximum, kFloorCycleMs);
}
BENCHMARK(BM_TripToLayerResult)
    ->UseManualTime()
    ->Iterations(kLayers)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
