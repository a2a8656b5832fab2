#include "results/thickness.h"

#include <gtest/gtest.h>

#include "reference/unit_conversion.h"
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
    EXPECT_EQ(FromUnit(inUnit, d.bUnit), 313.4360046386719f);
    EXPECT_EQ(ThicknessFromCount(d, 0, 1000, 234), 12.34f);
}

TEST(Thickness, WtCorrectionNeedsTheWtGasketAndACoefficientGivenBefore) {
    // Small parts of 18.586 mm²: coefficient 9.293 / 18.586 = 0.5.
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange4_10)});
    d.bGasket = kGasketWT;
    d.bWtMode = 3;
    d.fWtArea = 18.586f;
    d.fWtCoef = 0.5f;
    float value = ThicknessFromCount(d, 0, 1000);
    EXPECT_EQ(value, 10.0f);
    EXPECT_FALSE(ApplyWtCorrection(d, value)) << "coefficient not marked valid";
    EXPECT_EQ(value, 10.0f);
    d.bWtFlags = kWtCoefValid;
    EXPECT_TRUE(ApplyWtCorrection(d, value));
    EXPECT_EQ(FromUnit(value, d.bUnit), 5.0f);
    d.bGasket = kGasketA;  // a flag left from an earlier WT condition
    value = 10.0f;
    EXPECT_FALSE(ApplyWtCorrection(d, value));
    EXPECT_EQ(value, 10.0f);
}

TEST(Thickness, LayerWithoutResolutionRowReadsTheCountUnscaled) {
    MeasFileData d = Condition({Layer(kCoatCopper, "Cu", test::kRange1_1)});
    d.bUnit = kUnitNanometre;  // nm has no row for range 1/1
    EXPECT_EQ(ThicknessFromCount(d, 0, 42), 42.0f);
    EXPECT_EQ(ThicknessFromCount(d, 7, 42), 42.0f);
    // Past the last layer lie the base fields; made to look like a layer on range 1/1 in µm.
    d.bUnit = kUnitMicrometre;
    d.baseName[2] = test::kRange1_1;
    EXPECT_EQ(ThicknessFromCount(d, kMaxLayers, 42), 42.0f);
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
        Condition({Layer(kCoatSolder, "SO"), test::AlloyLayer(), Layer(kCoatBrass, "BRS")});
    // A content of 40 % moves the densities of solder and brass away from tin and copper.
    d.bContent = 40;
    d.fAlloyCoefSn = 0.25f;
    d.fAlloyCoefCu = 0.5f;
    const MsrLogRecord r[] = {Measured(4.0f), Measured(2.0f), Measured(3.0f)};
    LayerTotal tin = GetLayerTotal(d, r, 0, false);
    EXPECT_EQ(tin.total, 4.5f);
    // 4.5 µm of tin (7.31) under gasket A (9.29 mm²): 0.3058 mg, 32.895 g/m².
    EXPECT_FLOAT_EQ(tin.weight, 9.29f * 4.5f * 7.31f / 1000.0f);
    EXPECT_FLOAT_EQ(tin.adhesion, 32.895f);
    LayerTotal copper = GetLayerTotal(d, r, 2, false);
    EXPECT_EQ(copper.total, 4.0f);
    EXPECT_FLOAT_EQ(copper.adhesion, 4.0f * 8.96f);
    EXPECT_FLOAT_EQ(copper.weight, 9.29f * 4.0f * 8.96f / 1000.0f);
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
