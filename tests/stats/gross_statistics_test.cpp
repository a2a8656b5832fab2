#include "stats/gross_statistics.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "stats/gross_statistics_reached.h"
#include "stats/statistics_mode.h"
#include "stats_test_support.h"
#include "support/scripted_operator.h"

namespace klv {
namespace {

// A window that answers "Data over" from a script; each step acts on the condition.
struct ScriptedSteps final : GrossStatisticsSteps {
    MeasFileData& d;
    bool hasWindow = false;
    std::deque<DataOverChoice> choices;
    std::function<void()> onDelete = [this] { d.nItemCt = 0; };
    std::function<void()> onEdit = [] {};
    std::vector<std::string> windows;
    int asked = 0;

    explicit ScriptedSteps(MeasFileData& condition) : d(condition) {}
    bool CanShowStatisticsWindow() const override { return hasWindow; }
    void ShowStatisticsWindow(const std::string& caption) override { windows.push_back(caption); }
    DataOverChoice AskDataOver() override {
        ++asked;
        if (choices.empty()) {
            ADD_FAILURE() << "Data over asked once too often";
            return DataOverChoice::AnotherChannel;
        }
        const DataOverChoice c = choices.front();
        choices.pop_front();
        return c;
    }
    void DeleteMeasurementData() override { onDelete(); }
    void EditStatisticsItems() override { onEdit(); }
};

struct GrossStatistics : ::testing::Test {
    MeasFileData d = test::NickelCopper();
    test::ScriptedOperator op;
    ScriptedSteps steps{d};

    // Statistics "N" with a total of 3; `items` records stored.
    void Reach(std::uint32_t items) {
        d.bStatFlags = kStatTotalOn;
        d.bStatMode = kStatModeN;
        d.nStatTotal = 3;
        d.nItemCt = items;
    }
    GrossStatisticsOutcome Run() { return RunGrossStatistics(d, steps, op); }
};

TEST_F(GrossStatistics, ReachedCountsAnIncompleteLastDataAndNeedsStatisticsOn) {
    Reach(5);  // two data and the first layer of a third
    EXPECT_TRUE(GrossStatisticsReached(d));
    d.nItemCt = 4;
    EXPECT_FALSE(GrossStatisticsReached(d));
    Reach(6);
    d.bStatFlags = 0;
    EXPECT_FALSE(GrossStatisticsReached(d));
    EXPECT_EQ(Run(), GrossStatisticsOutcome::GoOn);
    Reach(6);
    d.nStatTotal = 0;
    EXPECT_FALSE(GrossStatisticsReached(d));
    EXPECT_EQ(steps.asked, 0);
}

TEST_F(GrossStatistics, AnotherChannelStopsAndWithoutAWindowNothingIsOffered) {
    Reach(6);
    steps.choices = {DataOverChoice::AnotherChannel};
    EXPECT_EQ(Run(), GrossStatisticsOutcome::Stop);
    EXPECT_TRUE(op.Messages().empty());
    EXPECT_TRUE(steps.windows.empty());
    EXPECT_EQ(d.nItemCt, 6u);
}

TEST_F(GrossStatistics, DeletingTheDataEndsTheSequenceARefusedDeleteAsksAgain) {
    Reach(6);
    int deletes = 0;
    steps.onDelete = [&] {
        // The first confirmation is refused.
        if (++deletes == 2)
            d.nItemCt = 0;
    };
    steps.choices = {DataOverChoice::DeleteData, DataOverChoice::DeleteData};
    EXPECT_EQ(Run(), GrossStatisticsOutcome::GoOn);
    EXPECT_EQ(steps.asked, 2);
}

TEST_F(GrossStatistics, CancelledItemsAskAgainARaisedTotalGoesOn) {
    Reach(6);
    int edits = 0;
    steps.onEdit = [&] {
        if (++edits == 2)
            d.nStatTotal = 10;
    };
    steps.choices = {DataOverChoice::ChangeItems, DataOverChoice::ChangeItems};
    EXPECT_EQ(Run(), GrossStatisticsOutcome::GoOn);
    EXPECT_EQ(steps.asked, 2);
}

TEST_F(GrossStatistics, TheStatisticsWindowIsOfferedOnceWhenThereIsOne) {
    Reach(6);
    steps.hasWindow = true;
    op.Answer(IDYES);
    steps.onEdit = [&] { d.bStatFlags = 0; };
    steps.choices = {DataOverChoice::ChangeItems};
    EXPECT_EQ(Run(), GrossStatisticsOutcome::GoOn);
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].text, "Gross statistics stage now.\n\nDoing statistics process?");
    EXPECT_EQ(op.Messages()[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(steps.windows, std::vector<std::string>{"Gross statistics"});
    op.Answer(IDNO);
    Reach(6);
    steps.choices = {DataOverChoice::AnotherChannel};
    EXPECT_EQ(Run(), GrossStatisticsOutcome::Stop);
    EXPECT_EQ(steps.windows.size(), 1u);
}

}  // namespace
}  // namespace klv
