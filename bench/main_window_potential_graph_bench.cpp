// The potential graph over a ten-hour trace at 100 ms (360,000 samples): frames per second of
// the visible plot at every time per pixel, and the cost of one appended sample while the
// graph is open at 10 and at 360,000 samples (their ratio should stay at or below 1.2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "main_window_bench_support.h"
#include "measure/potential_plot.h"
#include "measure/ui/potential_graph.h"
#include "support/scripted_operator.h"
#include "support/settable_clock.h"

namespace klv {
namespace {

constexpr std::int32_t kTenHours = 360000;
// The graph window's default size.
constexpr int kWindowWidth = 760;
constexpr int kWindowHeight = 620;

GraFile SawTooth(std::int32_t count) {
    GraFile f;
    f.header = MakeGraHeader();
    f.header.lInterval = kDefaultSamplingIntervalMs;
    f.header.lMaximum = 9000;
    f.header.lMinimum = -500;
    f.samples.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        f.samples[static_cast<std::size_t>(i)] = (i * 37) % 9500 - 500;
    return f;
}

struct GraphRig {
    test::SettableClock clock;
    test::ScriptedOperator op;
    CPotentialTrace trace{clock};
    std::unique_ptr<CPotentialGraph> graph;

    explicit GraphRig(std::int32_t count, std::int32_t timePerPixel) {
        trace.Replace(SawTooth(count));
        PotentialGraphSettings s;
        s.timePerPixel = timePerPixel;
        graph = std::make_unique<CPotentialGraph>(
            PotentialGraphSeams{trace, op, nullptr, {}, {}, {}, {}}, s);
        graph->resize(kWindowWidth, kWindowHeight);
        graph->show();
        QCoreApplication::processEvents();
    }
};

void BM_PlotFrame(benchmark::State& state) {
    const auto tpp = kTimesPerPixel[static_cast<std::size_t>(state.range(0))];
    GraphRig rig(kTenHours, tpp);
    QImage image(kWindowWidth, kWindowHeight, QImage::Format_RGB32);
    const QRect area(0, 0, kWindowWidth, kWindowHeight);
    for (auto _ : state) {
        // Follow: the newest columns are in view.
        QPainter p(&image);
        p.fillRect(area, Qt::white);
        rig.graph->PaintPlotArea(p, area);
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(std::to_string(tpp) + " ms per pixel");
}
BENCHMARK(BM_PlotFrame)->DenseRange(0, static_cast<int>(kTimesPerPixel.size()) - 1);

// One poll appends one sample and the open graph handles its notice, repaint included.
void BM_AppendWhileOpen(benchmark::State& state) {
    GraphRig rig(static_cast<std::int32_t>(state.range(0)), 200);
    PollingData poll;
    poll.status.SetFlags(kStatusRunning);
    poll.status.SetAd976(1234);
    rig.trace.AddSample(poll);
    for (auto _ : state) {
        rig.clock.Advance(kDefaultSamplingIntervalMs);
        rig.trace.AddSample(poll);
        QCoreApplication::sendPostedEvents(rig.graph.get());
    }
}
BENCHMARK(BM_AppendWhileOpen)->Arg(10)->Arg(kTenHours);

}  // namespace
}  // namespace klv

int main(int argc, char** argv) {
    return klv::bench::RunWindowBenchmarks(argc, argv);
}
