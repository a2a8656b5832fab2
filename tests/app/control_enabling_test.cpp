#include "app/control_enabling.h"

#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using namespace cmd;

bool Every(int) {
    return true;
}

// Every id of the window's number ranges, commands or not.
std::vector<int> CandidateIds() {
    std::vector<int> ids;
    for (int id = 32770; id <= 32899; ++id)
        ids.push_back(id);
    for (int id : {kVersion, kExit, kChannelLine, kResultList, 0, -1})
        ids.push_back(id);
    return ids;
}

TEST(ControlEnabling, FollowsTheOpenChannel) {
    MeasFileData condition{};
    condition.bGasket = 4;
    ControlState state{Every, &condition};
    EXPECT_FALSE(IsCommandEnabled(kSelectCondition, state));
    EXPECT_FALSE(IsCommandEnabled(kDeleteAll, state));
    EXPECT_TRUE(IsCommandEnabled(kEndMeasurement, state));
    EXPECT_FALSE(IsCommandEnabled(kStandardCalibration, state));
    condition.bGasket = 1;
    EXPECT_TRUE(IsCommandEnabled(kStandardCalibration, state));
    // Nothing stored and no half-done measurement: nothing to cancel.
    state.lastDataCancellable = true;
    EXPECT_FALSE(IsCommandEnabled(kCancelLastData, state));
    state.layer = 1;
    EXPECT_TRUE(IsCommandEnabled(kCancelLastData, state));
    EXPECT_FALSE(IsCommandEnabled(kTemporaryStatistics, state));
    state.storedMeasurements = 1;
    EXPECT_TRUE(IsCommandEnabled(kTemporaryStatistics, state));

    state.running = true;
    for (int id : {kExit, kEndMeasurement, kCancelLastData, kTemporaryStatistics, kHelp})
        EXPECT_FALSE(IsCommandEnabled(id, state)) << id;
    EXPECT_TRUE(IsCommandEnabled(kPotentialGraph, state));
    EXPECT_TRUE(IsCommandEnabled(kStopMeasurement, state));
    EXPECT_FALSE(IsCommandEnabled(kStartMeasurement, state));
}

// The rules that depend on the layer and the condition's coatings.
TEST(ControlEnabling, LayerAndCoatingRules) {
    const MeasFileData twoLayers = test::Condition({test::Layer(11, "Sn"), test::AlloyLayer()});
    const MeasFileData noLayers{};
    struct Case {
        int id;
        const MeasFileData* d;
        bool running;
        int layer;
        bool surfaceText;
        bool alloy;
        bool enabled;
    };
    const Case cases[] = {
        {kAdditionalElectrolysis, &twoLayers, false, 1, false, false, true},
        {kEditAdditionalElectrolysis, &twoLayers, false, 1, false, false, true},
        {kAdditionalElectrolysis, &twoLayers, false, 0, false, false, false},
        {kAdditionalElectrolysis, &twoLayers, true, 1, false, false, false},
        {kEditAdditionalElectrolysis, &noLayers, false, 1, false, false, false},
        {kAdditionalElectrolysis, nullptr, false, 1, false, false, false},
        {kEditAlloyFactor, &twoLayers, false, 0, false, true, true},
        {kEditAlloyFactor, &twoLayers, false, 0, false, false, false},
        {kEditAlloyFactor, &twoLayers, true, 0, false, true, false},
        {kEditAlloyFactor, nullptr, false, 0, false, true, false},
        {kSurfaceTreatment, &twoLayers, false, 0, true, false, true},
        {kSurfaceTreatment, &twoLayers, false, 0, false, false, false},
        {kSurfaceTreatment, &twoLayers, true, 0, true, false, false},
    };
    for (const Case& c : cases) {
        ControlState state{Every, c.d, c.running, c.layer};
        state.surfaceTextPresent = c.surfaceText;
        state.alloyFactorApplies = c.alloy;
        EXPECT_EQ(IsCommandEnabled(c.id, state), c.enabled)
            << c.id << " running " << c.running << " layer " << c.layer;
    }
}

// Whatever its rule says, a command the window cannot carry out is disabled, and so is an id
// that is no command; taking one handler away changes that command only.
TEST(ControlEnabling, OnlyCommandsWithAHandlerAreEnabled) {
    MeasFileData d = test::Condition({test::Layer(11, "Sn"), test::AlloyLayer()});
    d.nItemCt = 4;
    ControlState open{Every, &d, false, 1, 2, true, true, true};
    ControlState running = open;
    running.running = true;
    ControlState none{Every};
    int enabledSomewhere = 0;
    for (const ControlState* base : {&none, &open, &running}) {
        for (int id : CandidateIds()) {
            const bool enabled = IsCommandEnabled(id, *base);
            enabledSomewhere += enabled ? 1 : 0;
            ControlState without = *base;
            without.hasHandler = [id](int other) { return other != id; };
            EXPECT_FALSE(IsCommandEnabled(id, without)) << id;
            EXPECT_EQ(IsCommandEnabled(kPotentialGraph, without), id != kPotentialGraph) << id;
            without.hasHandler = nullptr;
            EXPECT_FALSE(IsCommandEnabled(id, without)) << id;
        }
    }
    EXPECT_GT(enabledSomewhere, 40);
    for (int id : {0, -1, kChannelLine, kResultList, 32899, 32808})
        EXPECT_FALSE(IsCommandEnabled(id, open)) << id;
}

}  // namespace
}  // namespace klv
