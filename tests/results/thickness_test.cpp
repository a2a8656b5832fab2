#include "results/thickness.h"

#include <gtest/gtest.h>

#include "reference/unit_gasket_tables.h"
#include "results/layer_weight.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

using test::Condition;
using test::Layer;
using test::Measured;

TEST(Thickness, MilCountIsScaledAndStoredInSinglePrecisionMicrometres) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange2_1)});
    d.bUnit = kUnitMil;
    const float inUnit = ThicknessFromCount(d, 0, 1234);
    EXPECT_EQ(inUnit, 12.34f);
    // 12.34f x 25.4f rounded to float, not the double product 313.436.
    EXPECT_EQ(StoredLayerValue(d, inUnit), 313.4360046386719f);
    EXPECT_EQ(ThicknessFromCount(d, 0, 1000, 234), 12.34f);
}

TEST(Thickness, WtCorrectionAppliesOnlyWithAValidCoefficient) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange4_10)});
    d.bGasket = kGasketWT;
    d.bWtMode = 3;
    d.fWtArea = 18.586f;
    d.fWtCoef = 0.5f;
    const float raw = ThicknessFromCount(d, 0, 1000);
    EXPECT_EQ(raw, 10.0f);
    EXPECT_EQ(ApplyWtCorrection(d, raw), 10.0f);  // coefficient not marked valid
    d.bWtFlags = kWtCoefValid;
    EXPECT_EQ(StoredLayerValue(d, ApplyWtCorrection(d, raw)), 5.0f);
}

TEST(Thickness, LayerWithoutResolutionRowReadsTheCountUnscaled) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange1_1)});
    d.bUnit = kUnitNanometre;  // nm has no row for range 1/1
    EXPECT_EQ(ThicknessFromCount(d, 0, 42), 42.0f);
    EXPECT_EQ(ThicknessFromCount(d, 7, 42), 42.0f);
}

TEST(Weight, SolderDensityFollowsTheMixingRule) {
    EXPECT_EQ(GetDensity(kCoatSolder, 40), 8.523576736450195f);
    EXPECT_EQ(GetDensity(kCoatNickel, 40), 8.902f);
    EXPECT_EQ(GetDensity(kCoatSolder, 0), 7.31f);
}

TEST(Weight, NickelLayerWeightAndAdhesionOnGasketA) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    LayerWeight w = GetWeight(d, kCoatNickel, 10.0f);
    EXPECT_EQ(w.weight, 0.826995849609375f);
    EXPECT_EQ(w.adhesion, 89.02000427246094f);
    d.bGasket = kGasketWT;
    EXPECT_EQ(GetWeight(d, kCoatNickel, 10.0f).weight, w.weight);
}

TEST(LayerTotal, TinOverAlloyAddsTheTinShareWeighedAsTin) {
    MeasFileData d =
        Condition({Layer(kCoatSolder, "SO"), test::AlloyLayer(), Layer(kCoatCopper, "Cu")});
    d.fAlloyCoefSn = 0.25f;
    d.fAlloyCoefCu = 0.5f;
    const MsrLogRecord r[] = {Measured(4.0f), Measured(2.0f), Measured(3.0f)};
    LayerTotal tin = GetLayerTotal(d, r, 0, false);
    EXPECT_EQ(tin.total, 4.5f);
    LayerWeight a = GetWeight(d, kCoatTin, 4.0f), b = GetWeight(d, kCoatTin, 0.5f);
    EXPECT_EQ(tin.weight, a.weight + b.weight);
    EXPECT_EQ(tin.adhesion, a.adhesion + b.adhesion);
    LayerTotal copper = GetLayerTotal(d, r, 2, false);
    EXPECT_EQ(copper.total, 4.0f);
    EXPECT_EQ(copper.adhesion, 3.0f * 8.96f + 1.0f * 8.96f);
}

TEST(LayerTotal, PlainLayerUsesItsOwnCoatingAndConvertsOnRequest) {
    MeasFileData d = Condition({Layer(kCoatNickel, "Ni")});
    d.bUnit = kUnitMil;
    const MsrLogRecord r[] = {Measured(25.4f)};
    LayerTotal t = GetLayerTotal(d, r, 0, true);
    EXPECT_EQ(t.total, 1.0f);
    EXPECT_EQ(t.adhesion, 25.4f * 8.902f);
    EXPECT_EQ(GetLayerTotal(d, r, 1, true).total, 0.0f);  // beyond the records
}

}  // namespace
}  // namespace klv
