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

#include "app/command_ids.h"
#include "app/klv570_app.h"
#include "app/open_channel_key.h"
#include "app/ui/klv570_dlg.h"
#include "app/ui/main_channel.h"
#include "app/ui/main_face.h"
#include "app/ui/main_window_seams.h"
#include "app/ui/meas_result_list.h"
#include "device/poll_target.h"
#include "device/ui/simulation_dialog.h"
#include "main_window_bench_support.h"
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
// Trip comes 0, 7, … 28 ms after the poll that showed the blanking's end.
constexpr int kPhaseStepMs = 7;
constexpr int kPhaseSteps = 5;
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

// Processes events for `ms` of real time.
void ProcessEventsFor(int ms) {
    QElapsedTimer waited;
    waited.start();
    WaitFor([&] { return waited.elapsed() >= ms; });
}

// The program on a fresh data directory with one channel of one nickel layer, remembered as
// the channel open at the last exit.
struct Program {
    bench::ScratchDirectory dir;
    bench::SilentOperator op;
    test::SettableClock clock;
    test::RecordingSoundPlayer sounds;
    CKLV570App app{dir.Path(), op, clock, sounds};
    test::MainWindowSeams device{clock, sounds};

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

// The dispatch time of the last polling notification that found the result not yet shown:
// the one whose handling shows it.
class NotificationWatch final : public QObject {
public:
    explicit NotificationWatch(std::function<bool()> shown) : m_shown(std::move(shown)) {}
    Steady::time_point Last() const { return m_last; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == static_cast<QEvent::Type>(kPollingNotifyMessage) && !m_shown())
            m_last = Steady::now();
        return false;
    }

private:
    std::function<bool()> m_shown;
    Steady::time_point m_last{};
};

// The times of one layer after "Trip", in ms.
struct LayerTimes {
    double shown;
    double notified;
};

// One layer as the operator measures it; nothing when it failed, with `failure` said.
class LayerRoad {
public:
    LayerRoad(CKLV570Dlg& window, test::SettableClock& clock)
        : m_window(window),
          m_clock(clock),
          m_list(*window.Face().ResultList()),
          m_trip(window.Device().SimulationWindow()->findChild<QAbstractButton*>("ctl1800")) {}

    std::optional<LayerTimes> Measure(std::string& failure) {
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

        // The blanking's end is seen right after a poll; the plating ends at any point of the
        // polling cycle.
        ProcessEventsFor(kPhaseStepMs * (m_layers++ % kPhaseSteps));
        const QString running = m_list.RowText(0, 1);
        const auto isShown = [&] {
            return m_list.RowText(0, 1) != running && DataNumber() > shownNumber;
        };
        NotificationWatch watch(isShown);
        m_window.installEventFilter(&watch);
        const auto t0 = Steady::now();
        m_trip->click();
        const bool shown = WaitFor(isShown);
        const auto t1 = Steady::now();
        m_window.removeEventFilter(&watch);
        if (!shown)
            return Fail(failure, "the result was not shown");
        if (channel.IsMeasuring() || channel.Condition()->nItemCt != stored + 1)
            return Fail(failure, "the result was shown but not stored");
        if (watch.Last() < t0)
            return Fail(failure, "no polling notification reached the window");
        return LayerTimes{Ms(t1 - t0), Ms(watch.Last() - t0)};
    }

private:
    static double Ms(Steady::duration d) {
        return std::chrono::duration<double, std::milli>(d).count();
    }
    int DataNumber() const { return m_window.Face().DataNumber()->text().toInt(); }
    static std::optional<LayerTimes> Fail(std::string& failure, const char* what) {
        failure = what;
        return std::nullopt;
    }

    CKLV570Dlg& m_window;
    test::SettableClock& m_clock;
    CMeasResultList& m_list;
    QAbstractButton* m_trip;
    int m_layers = 0;
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
    std::vector<double> notified;
    std::string failure = "the main window never ran";
    p.app.Hooks().runMainWindow = [&] {
        CKLV570Dlg window(p.app, p.device.Seams());
        p.device.Attach(window);
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
            const std::optional<LayerTimes> times = road.Measure(failure);
            if (!times) {
                state.SkipWithError(failure.c_str());
                break;
            }
            latencies.push_back(times->shown);
            notified.push_back(times->notified);
            state.SetIterationTime(times->shown / 1000.0);
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
    const auto slowest = std::max_element(latencies.begin(), latencies.end());
    const double maximum = *slowest;
    const double toNotification = Median(notified);
    state.counters["median_ms"] = median;
    state.counters["max_ms"] = maximum;
    state.counters["floor_cycle_ms"] = kFloorCycleMs;
    state.counters["median_to_floor"] = median / kFloorCycleMs;
    state.counters["max_to_floor"] = maximum / kFloorCycleMs;
    // Where the time goes: waiting for the poll that reports the end, then handling it.
    state.counters["median_notify_ms"] = toNotification;
    std::printf(
        "Trip to layer result shown, %zu layers: median %.1f ms, max %.1f ms (layer %td) "
        "(median %.1f ms until the deciding poll); one polling cycle %.0f ms\n",
        latencies.size(), median, maximum, slowest - latencies.begin() + 1, toNotification,
        kFloorCycleMs);
}
BENCHMARK(BM_TripToLayerResult)
    ->UseManualTime()
    ->Iterations(kLayers)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return klv::bench::RunWindowBenchmarks(argc, argv);
}
