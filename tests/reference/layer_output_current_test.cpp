#include "reference/layer_output_current.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;

TEST(OutputCurrent, CopperOnSteelScalesWithGasketAndRange) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange1_1)});
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 31.3f);
    d.bGasket = 2;  // B
    d.coat[0].bRange = test::kRange2_1;
    EXPECT_EQ(GetOutputCurrent(d, 0, false), 31.3f);
    d.bGasket = kGasketWT;  // counts as gasket A
    EXPECT_EQ(GetOutputCurrent(d, 0, false), 62.6f);
}

TEST(OutputCurrent, ManualLayerKeepsItsStoredCurrent) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu")});
    d.coat[0].bLayerFlags = 0;
    d.coat[0].fCurrent = 12.5f;
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 12.5f);
    EXPECT_EQ(GetOutputCurrent(d, 3, true), 0.0f);
}

TEST(OutputCurrent, BrassIsCorrectedForItsZincContent) {
    MeasFileData d = Condition({Layer(kCoatBrass, "BRS")});
    d.bContent = 30;
    EXPECT_EQ(GetOutputCurrent(d, 0, false), 29.0f);
    // 29 / ((1 + 0.23 x 0.3 + 0.06 x 0.09) x 0.931), every step in float
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 28.992279052734375f);
}

TEST(OutputCurrent, AlloyLayerUsesTheCoatingAboveWithoutCorrection) {
    MeasFileData d =
        Condition({Layer(kCoatSolder, "SO"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.bContent = 40;
    const float plain = GetOutputCurrent(d, 1, false);
    EXPECT_GT(plain, 0.0f);
    EXPECT_EQ(GetOutputCurrent(d, 1, true), plain);
    EXPECT_NE(GetOutputCurrent(d, 0, true), GetOutputCurrent(d, 0, false));
}

TEST(OutputCurrent, WithoutARowForItsUnderSubstanceTheCoatingsFirstRowApplies) {
    // Gold has no row on steel; its first row (on brass) gives factor Au, 23.7 mA.
    MeasFileData d = Condition({Layer(GoldCoatingCode, "Au")});
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 23.7f);
    d.coat[0].bRange = test::kRange2_1;
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 47.4f);
}

TEST(OutputCurrent, CoatingWithoutAnyCombinationRowGivesZero) {
    MeasFileData d = Condition({Layer(kFreeNameCoatingCode, "Xx")});
    EXPECT_EQ(GetOutputCurrent(d, 0, true), 0.0f);
}

}  // namespace
}  // namespace klv
