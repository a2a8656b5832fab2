#include "measure/potential_trace.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/result_conditions.h"
#include "support/settable_clock.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

class RecordingGraph final : public PotentialGraphTarget {
public:
    void PostNewSample() override { ++samples; }
    void SendLayerStart(bool fresh) override { starts.push_back(fresh); }
    void SendMeasurementEnd() override { ++ends; }
    int samples = 0;
    std::vector<bool> starts;
    int ends = 0;
};

PollingData Reading(std::int16_t ad976) {
    PollingData p;
    p.status.SetFlags(kStatusRunning);
    p.status.SetAd976(ad976);
    return p;
}

std::vector<std::int32_t> Samples(const CPotentialTrace& trace) {
    return trace.ReadSamples([](const TraceSamples& t) {
        return std::vector<std::int32_t>(t.samples.begin(), t.samples.end());
    });
}

struct TraceFixture : ::testing::Test {
    test::SettableClock clock;
    CPotentialTrace trace{clock};
    RecordingGraph graph;
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Cu")});
};

TEST_F(TraceFixture, FullScaleReadingsAndGapsFilledWithTheLateValue) {
    trace.SetGraph(&graph);
    trace.PrepareLayer(d, 0, 0, true);
    clock.SetTick(1000);
    trace.AddSample(Reading(32767));
    clock.Advance(50);  // within the interval: nothing
    trace.AddSample(Reading(-32768));
    clock.Advance(300);  // 350 ms after the first sample: three samples of this value
    trace.AddSample(Reading(-32768));
    EXPECT_EQ(Samples(trace), (std::vector<std::int32_t>{10000, -10000, -10000, -10000}));
    EXPECT_EQ(trace.Maximum(), 10000);
    EXPECT_EQ(trace.Minimum(), -10000);
    EXPECT_EQ(graph.samples, 2);
    EXPECT_EQ(graph.starts, std::vector<bool>{true});
    // The remaining 50 ms count toward the next sample.
    clock.Advance(50);
    trace.AddSample(Reading(0));
    EXPECT_EQ(trace.Count(), 5);
}

TEST_F(TraceFixture, RestartContinuesFromNowAndFreshStartClears) {
    trace.PrepareLayer(d, 1, 3, true);
    clock.SetTick(0);
    trace.AddSample(Reading(3277));
    clock.SetTick(10000);
    trace.PrepareLayer(d, 1, 3, false);
    clock.Advance(100);
    trace.AddSample(Reading(3277));
    EXPECT_EQ(trace.Count(), 2);
    const TraceCondition c = trace.Condition();
    EXPECT_EQ(c.layer, 1);
    EXPECT_EQ(c.displayMode, 3);
    EXPECT_STREQ(c.coatingText, "Cu");
    EXPECT_STREQ(c.underText, "Fe");
    ASSERT_NE(c.row, nullptr);
    EXPECT_EQ(c.row->countPeriodMs, 800);
    trace.PrepareLayer(d, 0, 0, true);
    EXPECT_EQ(trace.Count(), 0);
    EXPECT_STREQ(trace.Condition().underText, "Cu");
}

TEST_F(TraceFixture, EndNoticeOnlyWithAnOpenGraph) {
    trace.EndLayer();
    trace.SetGraph(&graph);
    trace.EndLayer();
    EXPECT_EQ(graph.ends, 1);
}

TEST_F(TraceFixture, ALoadedFileReplacesTraceAndCondition) {
    GraFile file;
    file.header = MakeGraHeader();
    file.header.condition = ToCalibrationCondition(d);
    file.header.lLayer = 1;
    file.header.lInterval = 250;
    file.header.lMaximum = 30;
    file.header.lMinimum = -5;
    file.samples = {-5, 30};
    trace.Replace(std::move(file));
    EXPECT_EQ(Samples(trace), (std::vector<std::int32_t>{-5, 30}));
    EXPECT_EQ(trace.Interval(), 250);
    EXPECT_STREQ(trace.Condition().coatingText, "Cu");
    const GraHeader h = trace.MakeHeader();
    EXPECT_EQ(h.lCount, 2);
    EXPECT_EQ(h.lMaximum, 30);
    EXPECT_EQ(h.lLayer, 1);
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

TEST_F(TraceFixture, TheStartBufferHoldsTheFirstSamplesWithoutMovingThem) {
    ASSERT_TRUE(trace.ReserveBuffer());
    trace.PrepareLayer(d, 0, 0, true);
    clock.SetTick(1000);
    trace.AddSample(Reading(100));
    const std::int32_t* first =
        trace.ReadSamples([](const TraceSamples& t) { return t.samples.data(); });
    for (int i = 0; i < 16000; ++i) {
        clock.Advance(100);
        trace.AddSample(Reading(100));
    }
    EXPECT_EQ(trace.Count(), 16001);
    EXPECT_EQ(trace.ReadSamples([](const TraceSamples& t) { return t.samples.data(); }), first);
}

}  // namespace
}  // namespace klv
