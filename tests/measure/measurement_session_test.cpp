#include "measure/measurement_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "measure/measurement_state.h"
#include "reference/unit_gasket_tables.h"
#include "run_fixture.h"
#include "support/settable_clock.h"
#include "support/temp_dir.h"

namespace klv {
namespace {

using test::Condition;
using test::Ended;
using test::Layer;
using test::Poll;

constexpr int kChannel = 2;

class RecordingView final : public MeasurementView {
public:
    void ClearResultList() override { ++clears; }
    void SetMeasuring(bool m) override { measuring = m; }
    void ShowLayerTexts(int layer, const PollResult& r) override {
        shown.push_back(std::to_string(layer) + ":" + r.szValue);
    }
    void ShowMeasurementNumber(std::uint32_t n) override { number = n; }
    void SetBlinking(bool b) override { blinking = b; }
    void UpdateLevelMeter(const PollingData&) override { ++meterUpdates; }
    void ResetLevelMeter() override { ++meterResets; }
    void RedrawResultList() override { ++redraws; }
    void ShowSyntheticResult(const MeasFileData&, std::span<const MsrLogRecord> r) override {
        synthetic.assign(r.begin(), r.end());
    }
    void MarkLastMeasurement() override { lastMarked = true; }
    float AskWtCoefficient(MeasFileData& d) override {
        ++wtAsked;
        d.fWtCoef = wtCoefficient;
        return wtCoefficient;
    }
    void EndCondition() override { ++conditionEnds; }

    int clears = 0;
    bool measuring = false;
    std::vector<std::string> shown;
    std::uint32_t number = 0;
    bool blinking = false;
    int meterUpdates = 0;
    int meterResets = 0;
    int redraws = 0;
    std::vector<MsrLogRecord> synthetic;
    bool lastMarked = false;
    float wtCoefficient = 2.0f;
    int wtAsked = 0;
    int conditionEnds = 0;
};

class RecordingOutput final : public MeasurementOutput {
public:
    void RefreshTemporaryStatistics() override { calls.push_back("stats"); }
    void PrintLayer(const MeasFileData&, int k) override {
        calls.push_back("print layer " + std::to_string(k));
    }
    void PrintMeasurement(const MeasFileData&, std::span<const MsrLogRecord>) override {
        calls.push_back("print measurement");
    }
    void TransmitMeasurement(const MeasFileData&, std::span<const MsrLogRecord>,
                             std::uint32_t n) override {
        calls.push_back("transmit " + std::to_string(n));
    }
    bool RunGrossStatistics(const MeasFileData&) override {
        calls.push_back("gross");
        return endAfterGross;
    }
    void ResetTemporaryStatistics() override { calls.push_back("reset stats"); }
    void RecordMeasurement(const MeasFileData&, std::span<const MsrLogRecord> records,
                           std::uint32_t n) override {
        calls.push_back("record " + std::to_string(n) + " of " + std::to_string(records.size()));
    }
    void RecordAddedElectrolysis(const MeasFileData&, std::uint32_t n, int k, float before,
                                 float after) override {
        char text[64];
        std::snprintf(text, sizeof text, "electrolysis %u layer %d %.2f to %.2f", n, k,
                      static_cast<double>(before), static_cast<double>(after));
        calls.push_back(text);
    }
    std::vector<std::string> calls;
    bool endAfterGross = false;
};

struct SessionFixture : test::RunFixture {
    test::TempDir dir;
    test::SettableClock clock;
    ConditionStore store{dir.Path(), op};
    RecordingView view;
    RecordingOutput output;
    MeasFileData channel;
    std::unique_ptr<CMeasurementSession> session;

    explicit SessionFixture(MeasFileData condition) : channel(condition) {
        store.CreateConditionDirectories();
        EXPECT_TRUE(store.WriteConditionFile(kChannel, channel));
        session = std::make_unique<CMeasurementSession>(
            CMeasurementSession::Seams{run, instrument, trace, view, output, store, clock, window},
            channel, kChannel);
    }
    // The instrument's next status reaches the window.
    void Notify(const PollingData& poll) {
        instrument.polling = poll;
        session->OnPollingNotify();
    }
    void MeasureLayer(std::uint32_t count) {
        ASSERT_EQ(session->StartMeasurement(), 1);
        Notify(Poll(count / 2));
        Notify(Ended(count, kEndPlating));
    }
    std::vector<MsrLogRecord> FileRecords() {
        // Records of a measurement still being taken count too.
        const std::uint32_t layers = GetCoatCount(channel);
        const std::uint32_t count = (Stored().nItemCt + layers - 1) / layers * layers;
        std::vector<MsrLogRecord> r(count);
        if (count != 0) {
            EXPECT_TRUE(ReadMsrLogFile(store, kChannel, r.data(), 0, count, true));
        }
        return r;
    }
    MeasFileData Stored() {
        MeasFileData s;
        EXPECT_TRUE(store.ReadConditionFile(kChannel, s, true));
        return s;
    }
};

MeasFileData TwoLayers() {
    return Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatCopper, "Cu")});
}

TEST(MeasurementSession, ATwoLayerMeasurementIsStoredShownPrintedAndSent) {
    SessionFixture f(TwoLayers());
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    EXPECT_EQ(f.view.clears, 1);
    EXPECT_TRUE(f.view.measuring);
    EXPECT_EQ(f.instrument.target, &f.window);

    f.Notify(Poll(10, kStatusRunning | kStatusBlanking));
    EXPECT_TRUE(f.view.blinking);
    EXPECT_EQ(f.view.number, 1u);
    f.Notify(Ended(123, kEndPlating));
    EXPECT_FALSE(f.view.blinking);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.session->Layer(), 1);
    EXPECT_EQ(f.Stored().nItemCt, 1u);
    EXPECT_EQ(f.output.calls, (std::vector<std::string>{"stats", "print layer 0"}));

    f.MeasureLayer(45);
    EXPECT_EQ(f.view.clears, 1);  // only the first layer empties the list
    EXPECT_EQ(f.session->Layer(), 0);
    EXPECT_TRUE(f.view.lastMarked);
    const std::vector<std::string> expected = {"stats", "print layer 0",     "record 1 of 2",
                                               "stats", "print measurement", "transmit 1",
                                               "gross"};
    EXPECT_EQ(f.output.calls, expected);
    const auto records = f.FileRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_FLOAT_EQ(records[0].lMeasValue, 12.3f);
    EXPECT_FLOAT_EQ(records[1].lMeasValue, 4.5f);
    ASSERT_EQ(f.view.synthetic.size(), 2u);
    EXPECT_EQ(f.Stored().nItemCt, 2u);
    EXPECT_EQ(f.view.shown.back(), "1:   4.5 um");
}

TEST(MeasurementSession, AnInvalidFirstLayerStoresNothing) {
    SessionFixture f(TwoLayers());
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.Notify(Ended(50, kEndAbort));
    EXPECT_EQ(f.session->Layer(), 0);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.Stored().nItemCt, 0u);
    EXPECT_TRUE(f.FileRecords().empty());
    EXPECT_TRUE(f.output.calls.empty());
    EXPECT_FALSE(f.view.lastMarked);
}

TEST(MeasurementSession, AnInvalidLaterLayerIsStoredWithoutValue) {
    SessionFixture f(TwoLayers());
    f.MeasureLayer(100);
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.dialogs.stopChoice = kStopDiscard;
    f.Notify(Ended(20, kEndOperatorStop));
    const auto records = f.FileRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].bFlags, kRecordMeasured | kRecordNoValue);
    EXPECT_TRUE(f.view.synthetic.empty());
    EXPECT_EQ(f.session->Layer(), 0);
}

TEST(MeasurementSession, AStoppedLayerStaysToBeMeasuredAgain) {
    SessionFixture f(TwoLayers());
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.Notify(Poll(3, kStatusRunning, 0, false));
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.view.meterResets, 1);
    EXPECT_EQ(f.session->Layer(), 0);
    EXPECT_EQ(f.session->StartMeasurement(), 1);
}

TEST(MeasurementSession, ADataLogFailureLeavesTheLayer) {
    SessionFixture f(TwoLayers());
    // A folder where the log file belongs makes every write fail.
    std::filesystem::create_directories(f.store.MakeMsrLogFileName(kChannel));
    f.MeasureLayer(100);
    EXPECT_EQ(f.session->Layer(), 0);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_FALSE(f.op.Messages().empty());
    EXPECT_EQ(f.Stored().nItemCt, 0u);
}

TEST(MeasurementSession, AValidWtCoefficientMultipliesEveryLayer) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.bGasket = kGasketWT;
    d.bWtFlags = kWtCoefValid;
    d.fWtCoef = 1.5f;
    SessionFixture f(d);
    f.MeasureLayer(100);
    EXPECT_EQ(f.run.DisplayMode(), kDisplayModeWtApplied);
    EXPECT_EQ(f.view.wtAsked, 0);
    ASSERT_EQ(f.FileRecords().size(), 1u);
    EXPECT_FLOAT_EQ(f.FileRecords()[0].lMeasValue, 15.0f);
    EXPECT_EQ(f.view.shown.back().substr(0, 2), "0:");
    EXPECT_NE(f.view.shown.back().find("15."), std::string::npos);
}

TEST(MeasurementSession, ACoefficientAskedAfterTheLastLayerMultipliesTheEarlierOnes) {
    for (bool lastInvalid : {false, true}) {
        MeasFileData d = TwoLayers();
        d.bGasket = kGasketWT;
        SessionFixture f(d);
        f.view.wtCoefficient = 2.0f;
        f.MeasureLayer(100);
        EXPECT_EQ(f.view.wtAsked, 0);
        // Layers are not printed one by one while the coefficient is still to come.
        EXPECT_TRUE(f.output.calls.empty());
        EXPECT_FLOAT_EQ(f.FileRecords()[0].lMeasValue, 10.0f);
        if (lastInvalid) {
            // The first layer is stored raw: a last layer without value still asks.
            ASSERT_EQ(f.session->StartMeasurement(), 1);
            f.dialogs.stopChoice = kStopDiscard;
            f.Notify(Ended(20, kEndOperatorStop));
        } else {
            f.MeasureLayer(30);
        }
        EXPECT_EQ(f.view.wtAsked, 1) << lastInvalid;
        const auto records = f.FileRecords();
        ASSERT_EQ(records.size(), 2u);
        EXPECT_FLOAT_EQ(records[0].lMeasValue, 20.0f);
        EXPECT_FLOAT_EQ(records[1].lMeasValue, lastInvalid ? 0.0f : 6.0f);
        EXPECT_EQ(records[1].bFlags,
                  lastInvalid ? kRecordMeasured | kRecordNoValue : kRecordMeasured);
        EXPECT_FLOAT_EQ(f.Stored().fWtCoef, 2.0f);
        EXPECT_EQ(f.view.shown.back().find("-----") != std::string::npos, lastInvalid);
    }
}

MeasFileData TinAlloyCopper() {
    return Condition({Layer(kCoatTin, "Sn"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
}

TEST(MeasurementSession, AnAlloyConditionIsPrintedOnlyAsAWholeMeasurement) {
    SessionFixture f(TinAlloyCopper());
    f.MeasureLayer(100);
    f.MeasureLayer(20);
    EXPECT_TRUE(f.output.calls.empty()) << "no layer line and no statistics before the last layer";
    f.MeasureLayer(30);
    EXPECT_EQ(f.output.calls,
              (std::vector<std::string>{"record 1 of 3", "stats", "print measurement", "transmit 1",
                                        "gross"}));
}

TEST(MeasurementSession, AnAdditionalElectrolysisIsToldWithTheValueBeforeAndAfter) {
    SessionFixture f(TwoLayers());
    f.MeasureLayer(123);
    f.output.calls.clear();
    ASSERT_TRUE(f.session->AddElectrolysisCounts(10));
    const float after = f.FileRecords()[0].lMeasValue;
    char expected[64];
    std::snprintf(expected, sizeof expected, "electrolysis 1 layer 0 12.30 to %.2f",
                  static_cast<double>(after));
    EXPECT_GT(after, 12.3f);
    EXPECT_EQ(f.output.calls.front(), expected);
}

TEST(MeasurementSession, ACoefficientAskedAfterAnAlloyMeasurementKeepsDisplayModeThree) {
    MeasFileData d = TinAlloyCopper();
    d.bGasket = kGasketWT;
    SessionFixture f(d);
    f.view.wtCoefficient = 2.0f;
    f.MeasureLayer(100);
    f.MeasureLayer(20);
    f.MeasureLayer(30);
    EXPECT_EQ(f.view.wtAsked, 1);
    EXPECT_EQ(f.run.DisplayMode(), 3);
    const auto records = f.FileRecords();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_FLOAT_EQ(records[0].lMeasValue, 20.0f);
    EXPECT_FLOAT_EQ(records[2].lMeasValue, 6.0f);
}

TEST(MeasurementSession, EndingAfterFailedPollsSwitchesTheOutputsOff) {
    SessionFixture f(TwoLayers());
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    for (int i = 0; i < 39; ++i)
        f.Notify(test::Failed());
    f.op.Answer(IDYES);
    f.Notify(test::Failed());
    EXPECT_TRUE(f.session->IsEnded());
    EXPECT_EQ(f.instrument.target, nullptr);
    EXPECT_EQ(f.instrument.calls.back(), "AllOutputsOff");
    EXPECT_EQ(f.view.conditionEnds, 1);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.output.calls.back(), "reset stats");
    EXPECT_EQ(f.session->StartMeasurement(), 0);
}

TEST(MeasurementSession, TheGrossStatisticsCheckMayEndTheCondition) {
    SessionFixture f(Condition({Layer(kCoatNickel, "Ni")}));
    f.output.endAfterGross = true;
    f.MeasureLayer(10);
    EXPECT_TRUE(f.session->IsEnded());
    EXPECT_EQ(f.view.conditionEnds, 1);
    EXPECT_FALSE(f.view.lastMarked);
}

TEST(MeasurementSession, AStartFailureOrAFullChannelLeavesItReady) {
    SessionFixture f(TwoLayers());
    f.instrument.failOn = "StartElectrolysis";
    EXPECT_EQ(f.session->StartMeasurement(), 0);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.instrument.target, nullptr);

    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 1;
    SessionFixture g(d);
    g.MeasureLayer(10);
    EXPECT_TRUE(g.session->IsFull());
    EXPECT_EQ(g.session->StartMeasurement(), 0);
}

TEST(MeasurementSession, TheMeasurementThatReachesTheTotalCanBeFinished) {
    MeasFileData d = TwoLayers();
    d.bStatFlags = kStatTotalOn;
    d.nStatTotal = 4;
    SessionFixture f(d);
    for (int layer = 0; layer < 7; ++layer)
        f.MeasureLayer(100);
    ASSERT_EQ(f.Stored().nItemCt, 7u);
    EXPECT_FALSE(f.session->IsFull());
    EXPECT_EQ(GetRunPhase(&f.channel, false), RunPhase::Ready);
    f.output.calls.clear();
    f.MeasureLayer(100);
    EXPECT_EQ(f.Stored().nItemCt, 8u);
    EXPECT_EQ(f.output.calls.back(), "gross");
    EXPECT_TRUE(f.session->IsFull());
}

TEST(MeasurementSession, StopAsksTheInstrumentOnlyWhileMeasuring) {
    SessionFixture f(TwoLayers());
    f.session->StopMeasurement();
    EXPECT_EQ(f.instrument.Count("StopMeasurement"), 0);
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.session->StopMeasurement();
    EXPECT_EQ(f.instrument.calls.back(), "StopMeasurement 0");
}

}  // namespace
}  // namespace klv

namespace klv {
namespace {

TEST(ObservationSession, NoCountLimitsItsOwnTargetAndAStopKeepsTheValue) {
    SessionFixture f(TwoLayers());
    f.channel.coat[0].bLayerFlags |= kLayerAutoStopOn;
    f.channel.coat[0].fAutoStop = 2.0f;
    test::DummyTarget dialog;
    f.session->SetObservation(&dialog);
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    EXPECT_EQ(f.instrument.calls.back(), "StartElectrolysis 800 0 0 0");
    EXPECT_EQ(f.instrument.target, &dialog);
    EXPECT_EQ(f.run.Limits().maximum, 0u);
    f.Notify(Ended(30, kEndOperatorStop));
    EXPECT_TRUE(f.dialogs.asked.empty());
    EXPECT_EQ(f.Stored().nItemCt, 1u);
    EXPECT_EQ(f.session->Layer(), 1);
    // Back with the main window: the limits and the question return.
    f.session->SetObservation(nullptr);
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    EXPECT_EQ(f.instrument.target, &f.window);
    EXPECT_NE(f.run.Limits().maximum, 0u);
}

TEST(ObservationSession, NickelOverNickelWaitsForTheValuesReadOffTheGraph) {
    SessionFixture f(
        Condition({Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Ni")}));
    test::DummyTarget dialog;
    f.session->SetObservation(&dialog);
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.Notify(Ended(300, kEndPlating));
    // Layers 1 and 2 lie on nickel; layer 3 on the steel is measured as usual.
    ASSERT_TRUE(f.session->IsAwaitingValues());
    EXPECT_EQ(f.session->AwaitedValueCount(), 2);
    EXPECT_FALSE(f.view.measuring);
    EXPECT_EQ(f.Stored().nItemCt, 0u);
    const float values[] = {1.5f, 2.5f};
    f.session->StoreAwaitedValues(values);
    EXPECT_FALSE(f.session->IsAwaitingValues());
    EXPECT_EQ(f.session->Layer(), 2);
    const std::vector<MsrLogRecord> r = f.FileRecords();
    ASSERT_EQ(f.Stored().nItemCt, 2u);
    EXPECT_FLOAT_EQ(r[0].lMeasValue, 1.5f);
    EXPECT_FLOAT_EQ(r[1].lMeasValue, 2.5f);

    f.MeasureLayer(40);
    EXPECT_FALSE(f.session->IsAwaitingValues());
    EXPECT_EQ(f.Stored().nItemCt, 3u);
    EXPECT_EQ(f.session->Layer(), 0);

    // A cancelled input leaves the layers without values: on the first layer, as for any
    // invalid first layer, nothing is stored and the measurement starts again.
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.Notify(Ended(300, kEndPlating));
    f.session->StoreAwaitedValues({});
    EXPECT_EQ(f.Stored().nItemCt, 3u);
    EXPECT_EQ(f.session->Layer(), 0);
}

TEST(ObservationSession, ACancelledInputOnALaterLayerStoresItWithoutValue) {
    SessionFixture f(
        Condition({Layer(kCoatCopper, "Cu"), Layer(kCoatNickel, "Ni"), Layer(kCoatNickel, "Ni")}));
    test::DummyTarget dialog;
    f.session->SetObservation(&dialog);
    f.MeasureLayer(20);
    EXPECT_FALSE(f.session->IsAwaitingValues());
    ASSERT_EQ(f.session->StartMeasurement(), 1);
    f.Notify(Ended(300, kEndPlating));
    ASSERT_EQ(f.session->AwaitedValueCount(), 1);
    f.session->StoreAwaitedValues({});
    EXPECT_EQ(f.Stored().nItemCt, 2u);
    EXPECT_NE(f.FileRecords()[1].bFlags & kRecordNoValue, 0);
    EXPECT_EQ(f.session->Layer(), 2);
}

}  // namespace
}  // namespace klv
