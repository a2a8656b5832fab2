#include <gtest/gtest.h>

#include <string>

#include "measure/run_messages.h"
#include "run_fixture.h"

namespace klv {
namespace {

using test::Failed;
using test::Poll;
using test::RunFixture;

TEST(PreparePollResult, FormatsTheRunningValueAndKeepsTheGuard) {
    RunFixture f;
    f.Start();
    PollResult r{};
    ASSERT_EQ(f.run.PreparePollResult(Poll(123), r), 1);
    EXPECT_STREQ(r.szTitle, "Ni    ");
    EXPECT_STREQ(r.szValue, "  12.3 um");
    EXPECT_EQ(r.fHasResult, 0);
    // A notification while this one is evaluated returns at once.
    PollResult again{};
    EXPECT_EQ(f.run.PreparePollResult(Poll(124), again), 0);
    EXPECT_TRUE(f.run.IsGuardHeld());
}

TEST(PreparePollResult, CountModesShowCnt) {
    RunFixture f;
    f.instrument.SetPollingWindow(&f.window);
    ASSERT_EQ(f.run.StartLayer(f.d, 0, 2, true), 1);
    PollResult r{};
    ASSERT_EQ(f.run.PreparePollResult(Poll(5), r), 1);
    EXPECT_STREQ(r.szValue, "   0.5 CNT");
}

TEST(PreparePollResult, NothingIsEvaluatedBeforeTheFirstLayerStart) {
    RunFixture f;
    PollResult r{};
    EXPECT_EQ(f.run.PreparePollResult(Poll(5), r), 0);
    EXPECT_EQ(f.run.PreparePollResult(Failed(), r), 0);
    EXPECT_EQ(f.run.CommFailures(), 0u);
}

TEST(PreparePollResult, FailedPollsShowTheBoxAtThreeAndAskAtFortyThenEveryThirtySeven) {
    RunFixture f;
    f.Start();
    PollResult r{};
    for (int i = 1; i <= 2; ++i)
        EXPECT_EQ(f.run.PreparePollResult(Failed(9), r), 0);
    EXPECT_TRUE(f.instrument.errorBoxes.empty());
    EXPECT_EQ(f.run.PreparePollResult(Failed(9), r), 0);
    EXPECT_EQ(f.instrument.errorBoxes, std::vector<std::uint32_t>{9});

    // A good poll in between does not reset the count.
    EXPECT_EQ(f.run.PreparePollResult(Poll(1), r), 1);
    f.run.EvaluatePoll(Poll(1), r, false);

    for (int i = 4; i <= 39; ++i)
        EXPECT_EQ(f.run.PreparePollResult(Failed(9), r), 0) << i;
    EXPECT_TRUE(f.op.Messages().empty());
    EXPECT_EQ(f.instrument.errorBoxes.size(), 1u);

    f.op.Answer(IDNO);
    EXPECT_EQ(f.run.PreparePollResult(Failed(9), r), 0);
    ASSERT_EQ(f.op.Messages().size(), 1u);
    EXPECT_EQ(f.op.Messages()[0].text, kMsgCommErrorContinuing);
    EXPECT_EQ(f.op.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.run.CommFailures(), 3u);
    EXPECT_EQ(r.fEndRequested, 0);

    for (int i = 0; i < 36; ++i)
        f.run.PreparePollResult(Failed(9), r);
    EXPECT_EQ(f.op.Messages().size(), 1u);
    EXPECT_EQ(f.instrument.errorBoxes.size(), 1u);
    f.op.Answer(IDYES);
    EXPECT_EQ(f.run.PreparePollResult(Failed(9), r), 1);
    EXPECT_EQ(r.fEndRequested, 1);
    EXPECT_EQ(f.op.Messages().size(), 2u);
    // The guard is free again for the next poll.
    EXPECT_FALSE(f.run.IsGuardHeld());
}

TEST(PreparePollResult, ANewLayerStartResetsTheFailures) {
    RunFixture f;
    f.Start();
    PollResult r{};
    for (int i = 0; i < 5; ++i)
        f.run.PreparePollResult(Failed(), r);
    EXPECT_EQ(f.run.CommFailures(), 5u);
    ASSERT_EQ(f.run.StartLayer(f.d, 0, 0, true), 1);
    EXPECT_EQ(f.run.CommFailures(), 0u);
    for (int i = 0; i < 3; ++i)
        f.run.PreparePollResult(Failed(), r);
    EXPECT_EQ(f.instrument.errorBoxes.size(), 2u);
}

}  // namespace
}  // namespace klv
