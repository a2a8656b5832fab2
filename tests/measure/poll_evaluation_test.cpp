#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "measure/run_messages.h"
#include "run_fixture.h"

namespace klv {
namespace {

using test::Ended;
using test::Poll;
using test::RunFixture;

bool Contains(const std::vector<RunSound>& sounds, RunSound s) {
    return std::find(sounds.begin(), sounds.end(), s) != sounds.end();
}

// After an ending outcome the polling has stopped and queued notifications do nothing.
void ExpectLayerOver(RunFixture& f) {
    EXPECT_EQ(f.instrument.target, nullptr);
    EXPECT_GE(f.trace.ends, 1);
    PollResult r{};
    EXPECT_EQ(f.run.PreparePollResult(Poll(1), r), 0);
}

void ExpectValue(const PollResult& r, float value) {
    EXPECT_EQ(r.fHasResult, 1);
    EXPECT_EQ(r.fInvalid, 0);
    EXPECT_FLOAT_EQ(r.fValue, value);
}

void ExpectInvalid(const PollResult& r) {
    EXPECT_EQ(r.fHasResult, 1);
    EXPECT_EQ(r.fInvalid, 1);
    EXPECT_EQ(r.fValue, 0.0f);
    EXPECT_STREQ(r.szValue, " ----- um");
}

TEST(EvaluatePoll, RunningPollsFeedTheTraceAndFreeTheGuard) {
    RunFixture f;
    f.Start();
    PollResult r = f.Feed(Poll(50, kStatusRunning | kStatusBlanking));
    EXPECT_EQ(r.fHasResult + r.fStopped, 0);
    EXPECT_EQ(f.trace.samples, 1);
    EXPECT_FALSE(f.run.IsGuardHeld());
    EXPECT_EQ(f.instrument.target, &f.window);
}

TEST(EvaluatePoll, MaximumCountIsReachedAtEqualityNotOneBefore) {
    RunFixture f;
    f.Start();
    PollResult r = f.Feed(Poll(2999));
    EXPECT_EQ(r.fHasResult, 0);
    EXPECT_TRUE(f.op.Messages().empty());

    f.op.Answer(IDYES);
    r = f.Feed(Poll(3000));
    ASSERT_EQ(f.op.Messages().size(), 1u);
    EXPECT_EQ(f.op.Messages()[0].text, kMsgMaximumCount);
    // Every byte is one the single-byte codec shows as itself.
    EXPECT_EQ(f.op.Messages()[0].text.substr(f.op.Messages()[0].text.size() - 5), "data?");
    EXPECT_EQ(f.instrument.calls.back(), "StopMeasurement 1");
    EXPECT_TRUE(Contains(f.sounds.played, RunSound::MeasError));
    ExpectValue(r, 300.0f);
    ExpectLayerOver(f);
}

TEST(EvaluatePoll, MaximumCountDeclinedIsInvalid) {
    RunFixture f;
    f.Start();
    f.op.Answer(IDNO);
    ExpectInvalid(f.Feed(Poll(3001)));
}

TEST(EvaluatePoll, ProbeOpenedDuringTheBlankingEndsTheLayer) {
    RunFixture f;
    f.Start();
    const PollResult r = f.Feed(Poll(0, kStatusRunning | kStatusBlanking, 0, false));
    EXPECT_EQ(r.fStopped, 1);
    EXPECT_EQ(r.fHasResult, 0);
    ASSERT_EQ(f.op.Messages().size(), 1u);
    EXPECT_EQ(f.op.Messages()[0].text, kMsgProbeOpen);
    EXPECT_EQ(f.instrument.calls.back(), "StopMeasurement 1");
    EXPECT_EQ(f.sounds.played, std::vector<RunSound>{RunSound::ProbeOpen});
    ExpectLayerOver(f);
}

TEST(EvaluatePoll, OperatorStopChoices) {
    {
        RunFixture f;
        f.Start();
        const PollResult r = f.Feed(Ended(123, kEndOperatorStop));
        EXPECT_EQ(f.dialogs.asked, std::vector<int>{561});
        EXPECT_FLOAT_EQ(f.dialogs.offeredValue, 12.3f);  // the question shows what it is about
        ExpectValue(r, 12.3f);
        EXPECT_EQ(f.sounds.played, std::vector<RunSound>{RunSound::MeasStop});
        ExpectLayerOver(f);
    }
    {
        RunFixture f;
        f.Start();
        f.dialogs.stopChoice = kStopChangeData;
        f.dialogs.correctedValue = 7.5f;
        const PollResult r = f.Feed(Ended(123, kEndOperatorStop));
        EXPECT_FLOAT_EQ(f.dialogs.offeredValue, 12.3f);
        ExpectValue(r, 7.5f);
        EXPECT_STREQ(r.szValue, "   7.5 um");
    }
    {
        RunFixture f;
        f.Start();
        f.dialogs.stopChoice = kStopDiscard;
        ExpectInvalid(f.Feed(Ended(123, kEndOperatorStop)));
        ExpectLayerOver(f);
    }
}

TEST(EvaluatePoll, AcceptAtOnceTakesTheValueWithoutTheDialog) {
    RunFixture f;
    f.Start();
    const PollResult r = f.Feed(Ended(40, kEndOperatorStop), true);
    EXPECT_TRUE(f.dialogs.asked.empty());
    EXPECT_EQ(f.trace.samples, 1);
    ExpectValue(r, 4.0f);
}

TEST(EvaluatePoll, ThickerThanProspectedContinuesFromTheCarriedCount) {
    RunFixture f;
    f.Start();
    f.dialogs.stopChoice = kStopThicker;
    f.op.Answer(IDOK);
    PollResult r = f.Feed(Ended(120, kEndOperatorStop));
    EXPECT_EQ(f.op.Messages().back().text, kMsgChangeSolution);
    EXPECT_EQ(r.fHasResult + r.fStopped + r.fInvalid, 0);
    EXPECT_EQ(f.instrument.Count("StartElectrolysis"), 2);
    EXPECT_EQ(f.instrument.target, &f.window);
    EXPECT_EQ(f.trace.prepared, (std::vector<bool>{true, false}));
    EXPECT_EQ(f.run.CarriedCount(), 120u);

    r = f.Feed(Poll(30));
    EXPECT_STREQ(r.szValue, "  15.0 um");
    r = f.Feed(Ended(30, kEndPlating));
    EXPECT_FLOAT_EQ(r.fValue, 15.0f);
    EXPECT_TRUE(Contains(f.sounds.played, RunSound::MeasEnd));
}

TEST(EvaluatePoll, ThickerThanProspectedCancelledOrFailedIsInvalid) {
    {
        RunFixture f;
        f.Start();
        f.dialogs.stopChoice = kStopThicker;
        f.op.Answer(IDCANCEL);
        ExpectInvalid(f.Feed(Ended(120, kEndOperatorStop)));
        EXPECT_EQ(f.instrument.Count("StartElectrolysis"), 1);
        ExpectLayerOver(f);
    }
    {
        RunFixture f;
        f.Start();
        f.dialogs.stopChoice = kStopThicker;
        f.op.Answer(IDOK);
        f.instrument.failOn = "StartElectrolysis";
        ExpectInvalid(f.Feed(Ended(120, kEndOperatorStop)));
        EXPECT_EQ(f.instrument.calls.back(), "AllOutputsOff");
        ExpectLayerOver(f);
    }
}

TEST(EvaluatePoll, AbortIsInvalidAndEndOfPlatingHasTheValue) {
    {
        RunFixture f;
        f.Start();
        ExpectInvalid(f.Feed(Ended(77, kEndAbort)));
        ExpectLayerOver(f);
    }
    {
        RunFixture f;
        f.Start();
        const PollResult r = f.Feed(Ended(77, kEndPlating));
        ExpectValue(r, 7.7f);
        ExpectLayerOver(f);
    }
}

TEST(EvaluatePoll, AutoStopRestartsOnStartAndStopsOnCancel) {
    {
        RunFixture f;
        f.Start();
        PollResult r = f.Feed(Ended(120, kEndAutoStop));
        EXPECT_EQ(f.dialogs.asked, std::vector<int>{560});
        EXPECT_EQ(r.fHasResult + r.fStopped, 0);
        EXPECT_EQ(f.run.CarriedCount(), 120u);
        r = f.Feed(Poll(30));
        EXPECT_STREQ(r.szValue, "  15.0 um");
    }
    {
        RunFixture f;
        f.Start();
        f.dialogs.autoStopAnswer = kAutoStopCancel;
        EXPECT_EQ(f.Feed(Ended(120, kEndAutoStop)).fStopped, 1);
        ExpectLayerOver(f);
    }
    {
        RunFixture f;
        f.Start();
        f.instrument.failOn = "SetOutputCurrent";
        EXPECT_EQ(f.Feed(Ended(120, kEndAutoStop)).fStopped, 1);
        ExpectLayerOver(f);
    }
}

TEST(EvaluatePoll, SaturationAsksTwiceBeforeItContinues) {
    {
        RunFixture f;
        f.Start();
        f.op.Answer(IDYES);
        f.op.Answer(IDOK);
        const PollResult r = f.Feed(Ended(400, kEndSaturation));
        ASSERT_EQ(f.op.Messages().size(), 2u);
        EXPECT_EQ(f.op.Messages()[0].text, kMsgSaturation);
        EXPECT_EQ(f.op.Messages()[1].text, kMsgChangeSolution);
        EXPECT_EQ(r.fStopped, 0);
        EXPECT_EQ(f.run.CarriedCount(), 400u);
        EXPECT_FALSE(f.run.IsGuardHeld());
    }
    for (int second : {0, int{IDCANCEL}}) {
        RunFixture f;
        f.Start();
        f.op.Answer(second == 0 ? IDNO : IDYES);
        if (second != 0)
            f.op.Answer(second);
        EXPECT_EQ(f.Feed(Ended(400, kEndSaturation)).fStopped, 1);
        EXPECT_EQ(f.op.Messages().size(), second == 0 ? 1u : 2u);
        ExpectLayerOver(f);
    }
}

TEST(EvaluatePoll, AnUnknownEndReasonIsAnInvalidLayerWithAMessage) {
    RunFixture f;
    f.Start();
    ExpectInvalid(f.Feed(Ended(50, 255)));
    ASSERT_EQ(f.op.Messages().size(), 1u);
    // The widest reason and the whole text, nothing cut off.
    const std::string& text = f.op.Messages()[0].text;
    EXPECT_NE(text.find("reason (255)."), std::string::npos);
    EXPECT_TRUE(text.ends_with("Please measure it again.")) << text;
    ExpectLayerOver(f);
}

}  // namespace
}  // namespace klv
