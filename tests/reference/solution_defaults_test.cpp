#include "reference/solution_defaults.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "reference/condition_rules.h"
#include "reference/layer_setting_tables.h"
#include "reference/meas_file_data.h"

namespace klv {
namespace {

MeasFileData Layers(std::initializer_list<int> codes, int base = 1, int range = 2) {
    MeasFileData d = NewMeasFileData();
    int k = 0;
    for (int code : codes) {
        d.coat[k].bCode = static_cast<std::uint8_t>(code);
        d.coat[k].bRange = static_cast<std::uint8_t>(range);
        d.coat[k].bBlanking = 9;
        d.coat[k].fCurrent = 12.5f;
        ++k;
    }
    d.bBaseCode = static_cast<std::uint8_t>(base);
    d.bGasket = 1;
    d.bOldBlanking = 0;
    return d;
}

TEST(CombinationDefaults, FoundRowsSetSolutionPumpAndAutomaticCurrent) {
    MeasFileData d = Layers({3, 16}, 1);  // Cr on Ni on steel
    ASSERT_TRUE(ApplyCombinationDefaults(d));
    const LayerCondition& cr = d.coat[0];
    EXPECT_EQ(GetTestSolutionName(cr.bSolution), "E-27");
    EXPECT_EQ(cr.bPump, 0) << "pump-off row";
    EXPECT_EQ(cr.bSensitivity, kSensitivityAutomatic);
    EXPECT_EQ(cr.bBlanking, 5);
    EXPECT_EQ(cr.fCurrent, 0.0f);
    EXPECT_NE(cr.bLayerFlags & kLayerCurrentAuto, 0);
    const LayerCondition& ni = d.coat[1];
    EXPECT_EQ(GetTestSolutionName(ni.bSolution), "E-30");
    EXPECT_EQ(ni.bPump, 6);
    EXPECT_EQ(d.bOldBlanking, kLegacyBlankingMoved);
}

TEST(CombinationDefaults, LowerNickelOfNickelOverNickelGetsE37) {
    MeasFileData d = Layers({16, 16, 16}, 3);
    ApplyCombinationDefaults(d);
    EXPECT_EQ(GetTestSolutionName(d.coat[0].bSolution), "E-37") << "Ni on Ni row";
    EXPECT_EQ(GetTestSolutionName(d.coat[1].bSolution), "E-37");
    EXPECT_EQ(GetTestSolutionName(d.coat[2].bSolution), "E-37") << "Ni on brass, but under Ni";
}

TEST(CombinationDefaults, MissingRowClearsAutomaticAndKeepsBlanking) {
    MeasFileData d = Layers({12}, 1);  // SnW on steel has no row
    d.coat[0].bLayerFlags = kLayerCurrentAuto | kLayerAutoStopOn;
    d.coat[0].bSolution = 4;
    d.coat[0].bSensitivity = 5;
    d.coat[0].bPump = 3;
    ApplyCombinationDefaults(d);
    EXPECT_EQ(d.coat[0].bLayerFlags, kLayerAutoStopOn);
    EXPECT_EQ(d.coat[0].bSolution, 0);
    EXPECT_EQ(d.coat[0].bSensitivity, kSensitivityAutomatic);
    EXPECT_EQ(d.coat[0].bPump, 0);
    EXPECT_EQ(d.coat[0].bBlanking, 9);
    EXPECT_EQ(d.coat[0].fCurrent, 0.0f);
}

TEST(CombinationDefaults, PumpRules) {
    MeasFileData low = Layers({5, 18}, 4, 5);  // low range 1/10
    ApplyCombinationDefaults(low);
    EXPECT_EQ(low.coat[0].bPump, 0) << "low range";
    EXPECT_EQ(low.coat[1].bPump, 6) << "gold keeps the pump in a low range";
    MeasFileData wt = Layers({18}, 4);
    wt.bGasket = 4;
    ApplyCombinationDefaults(wt);
    EXPECT_EQ(wt.coat[0].bPump, 0);
    EXPECT_EQ(GetTestSolutionName(wt.coat[0].bSolution), "E-32");
}

TEST(CombinationDefaults, CopperOnMolybdenumOrStainlessUsesSensitivity3) {
    for (int base : {11, 13}) {
        MeasFileData d = Layers({5}, base);
        ApplyCombinationDefaults(d);
        EXPECT_EQ(d.coat[0].bSensitivity, 3) << base;
    }
    MeasFileData steel = Layers({5}, 1);
    ApplyCombinationDefaults(steel);
    EXPECT_EQ(steel.coat[0].bSensitivity, 1);
}

TEST(CombinationDefaults, AlloyLayerUsesTheTinAboveIt) {
    MeasFileData d = Layers({11, kAlloyLayerCode, 5}, 1);
    ApplyCombinationDefaults(d);
    EXPECT_EQ(GetTestSolutionName(d.coat[0].bSolution), "E-24/26");
    EXPECT_EQ(GetTestSolutionName(d.coat[1].bSolution), "E-24/26");
    EXPECT_EQ(GetTestSolutionName(d.coat[2].bSolution), "E-21");
}

TEST(CombinationDefaults, NotAppliedOnceDataIsStored) {
    MeasFileData d = Layers({5}, 1);
    d.nItemCt = 1;
    const MeasFileData before = d;
    EXPECT_FALSE(ApplyCombinationDefaults(d));
    EXPECT_EQ(std::memcmp(&d, &before, sizeof d), 0);
}

TEST(AlloySolutionRules, SolderOverAlloyByContent) {
    struct Case {
        int content;
        bool special;
        int solution, sensitivity;
    };
    for (Case c :
         {Case{30, false, 6, 4}, Case{31, true, 0, 0}, Case{50, true, 0, 0}, Case{51, false, 6, 4},
          Case{89, false, 6, 4}, Case{90, false, 11, 1}, Case{100, false, 11, 1}}) {
        MeasFileData d = Layers({7, kAlloyLayerCode, 5}, 1);
        d.bContent = static_cast<std::uint8_t>(c.content);
        const SpecialPairLayers special = ApplyAlloySolutionRules(d);
        EXPECT_EQ(special[0], c.special) << c.content;
        EXPECT_EQ(AnySpecialPair(special), c.special) << c.content;
        EXPECT_EQ(d.coat[0].bSolution, c.solution) << c.content;
        EXPECT_EQ(d.coat[0].bSensitivity, c.sensitivity) << c.content;
        if (!c.special) {
            EXPECT_EQ(d.coat[1].bSolution, kSolutionE26) << c.content;
            EXPECT_EQ(d.coat[1].bSensitivity, 4) << c.content;
        }
    }
}

TEST(AlloySolutionRules, TinOverAlloyAlwaysNeedsThePairAndPlainSolderGetsE21OrE31) {
    MeasFileData d = Layers({12, kAlloyLayerCode, 1, 7, 7}, 4);
    d.bContent = 95;
    SpecialPairLayers special = ApplyAlloySolutionRules(d);
    EXPECT_EQ(special, (SpecialPairLayers{true, false, false, false, false}));
    EXPECT_EQ(d.coat[3].bSolution, kSolutionE31);
    EXPECT_EQ(d.coat[4].bSolution, kSolutionE31) << "layer 5 by the plain solder rule";
    d.bContent = 40;
    ApplyAlloySolutionRules(d);
    EXPECT_EQ(d.coat[3].bSolution, kSolutionE21);
    EXPECT_EQ(d.coat[3].bSensitivity, 1);

    MeasFileData none = Layers({16, 5});
    EXPECT_FALSE(AnySpecialPair(ApplyAlloySolutionRules(none)));
}

TEST(AlloySolutionRules, TheOperatorsPairIsApplied) {
    MeasFileData d = Layers({7, kAlloyLayerCode, 5, 11, kAlloyLayerCode}, 4);
    std::array<SpecialSolutionPair, 2> pairs{};
    ASSERT_TRUE(GetSpecialSolutionPairs(d, 0, pairs));
    EXPECT_EQ(GetTestSolutionName(pairs[0].solution), "E-21");
    EXPECT_EQ(GetTestSolutionName(pairs[1].solution), "E-26");
    ASSERT_TRUE(GetSpecialSolutionPairs(d, 3, pairs));
    EXPECT_EQ(GetTestSolutionName(pairs[0].solution), "E-24");

    ASSERT_TRUE(ApplySpecialSolutionPair(d, 0, 0));
    EXPECT_EQ(d.coat[0].bSolution, kSolutionE21);
    EXPECT_EQ(d.coat[0].bSensitivity, 1);
    EXPECT_EQ(d.coat[1].bSolution, kSolutionE26);
    EXPECT_EQ(d.coat[1].bSensitivity, 4);
    ASSERT_TRUE(ApplySpecialSolutionPair(d, 3, 1));
    EXPECT_EQ(d.coat[3].bSolution, kSolutionE26);
    EXPECT_EQ(d.coat[3].bSensitivity, 4);
    EXPECT_EQ(d.coat[4].bSolution, kSolutionE26);

    EXPECT_FALSE(ApplySpecialSolutionPair(d, 2, 0)) << "Cu has no pair";
    EXPECT_FALSE(ApplySpecialSolutionPair(d, 0, 2));
    EXPECT_FALSE(ApplySpecialSolutionPair(d, 4, 0)) << "no layer below the last";
    EXPECT_FALSE(ApplySpecialSolutionPair(d, 7, 0));
}

}  // namespace
}  // namespace klv
