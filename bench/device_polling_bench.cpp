// Background polling on the in-memory instrument: how often the state is polled and how long
// a change in the instrument takes to reach the window, against the floor the transport's
// timing allows (one 5 ms turn plus 30 ms after each idle callback).
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "base/clock.h"
#include "device/device_protocol.h"
#include "device/fake/fake_instrument.h"
#include "device/fake/in_memory_usb.h"
#include "device/fake/test_seams.h"
#include "support/scripted_operator.h"

namespace {

using namespace klv;
using Steady = std::chrono::steady_clock;

constexpr double kFloorPollsPerSecond = 1000.0 / 35.0;

struct Rig {
    SystemClock clock;
    test::FakeInstrument instrument{clock};
    test::InMemoryUsb usb{instrument};
    test::QueuedPump pump;
    test::ScriptedOperator op;
    OperatorUsbMsgBox box{op};
    test::CountingBusyHost busy;
    CUsbTransport transport{usb, pump, box, clock};
    CDeviceProtocol protocol{transport, pump, busy, clock};
    Rig() { transport.UUsbdAPI_InitializeApp(false); }
    ~Rig() {
        protocol.SetPollingWindow(nullptr);
        transport.Shutdown();
    }
};

void BM_PollingRate(benchmark::State& state) {
    Rig rig;
    test::CountingPollTarget target;
    rig.protocol.SetPollingWindow(&target);
    int polls = 0;
    double seconds = 0;
    for (auto _ : state) {
        int before = target.posts.load();
        auto t0 = Steady::now();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        double dt = std::chrono::duration<double>(Steady::now() - t0).count();
        polls += target.posts.load() - before;
        seconds += dt;
        state.SetIterationTime(dt);
    }
    double rate = polls / seconds;
    state.counters["polls_per_s"] = rate;
    state.counters["floor_per_s"] = kFloorPollsPerSecond;
    state.counters["ratio_to_floor"] = rate / kFloorPollsPerSecond;
}
BENCHMARK(BM_PollingRate)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_ChangeToNotification(benchmark::State& state) {
    Rig rig;
    test::CountingPollTarget target;
    rig.protocol.SetPollingWindow(&target);
    bool probe = true;
    double total = 0;
    int n = 0;
    for (auto _ : state) {
        // Start at a random point of the polling cycle.
        std::this_thread::sleep_for(std::chrono::milliseconds(7 * (n % 5)));
        probe = !probe;
        auto t0 = Steady::now();
        rig.instrument.Sim().SetProbe(probe);
        for (;;) {
            PollingData d;
            rig.protocol.GetPollingData(d);
            if (d.status.IsProbeConnected() == probe)
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        double dt = std::chrono::duration<double>(Steady::now() - t0).count();
        total += dt;
        ++n;
        state.SetIterationTime(dt);
    }
    state.counters["mean_latency_ms"] = 1000.0 * total / n;
    state.counters["floor_worst_ms"] = 35.0;
}
BENCHMARK(BM_ChangeToNotification)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

}  // namespace
