#include "reference/condition_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/meas_file_data.h"

namespace klv {
namespace {

// A condition with the given coatings from the top, their table names and range 2 (1/1).
MeasFileData Layers(std::initializer_list<int> codes, int base = 1) {
    MeasFileData d = NewMeasFileData();
    int k = 0;
    for (int code : codes) {
        d.coat[k].bCode = static_cast<std::uint8_t>(code);
        d.coat[k].bRange = static_cast<std::uint8_t>(2 + k);
        if (code != kAlloyLayerCode)
            SetFixedText(d.coat[k].Name, GetCoatingShortName(code));
        ++k;
    }
    d.bBaseCode = static_cast<std::uint8_t>(base);
    return d;
}

std::vector<int> Codes(const MeasFileData& d) {
    std::vector<int> codes;
    for (const LayerCondition& c : d.coat)
        codes.push_back(c.bCode);
    return codes;
}

bool IsZero(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i)
        if (b[i] != 0)
            return false;
    return true;
}

TEST(ConditionRules, CoatNames) {
    MeasFileData d = Layers({11, kAlloyLayerCode, 5});
    SetFixedText(d.coat[2].Name, "MyCu");
    EXPECT_EQ(GetCoatName(d, 0), "Sn");
    EXPECT_EQ(GetCoatName(d, 1), "Alloy layer");
    EXPECT_EQ(GetCoatName(d, 2), "MyCu") << "the stored name, not the table's";
    EXPECT_EQ(GetCoatName(d, 3), "");
    EXPECT_EQ(GetCoatName(d, -1), "");
    EXPECT_EQ(GetCoatName(d, 5), "");
    EXPECT_EQ(GetCoatNamePadded(d, 0), "Sn    ");
    EXPECT_EQ(GetCoatNamePadded(d, 1), "Alloy layer");
    EXPECT_EQ(GetCoatNamePadded(d, 4), "      ");
}

TEST(ConditionRules, UnderSubstanceFollowsTheLayerBelowSkippingAnAlloyLayer) {
    MeasFileData d = Layers({11, kAlloyLayerCode, 5}, 1);
    EXPECT_EQ(GetUnderSubstance(d, 0).coating, 11);
    EXPECT_EQ(GetUnderSubstance(d, 0).substance, 4) << "Cu under the alloy layer";
    EXPECT_EQ(GetUnderSubstance(d, 1).coating, 11) << "an alloy layer looks up as the one above";
    EXPECT_EQ(GetUnderSubstance(d, 1).substance, 4);
    EXPECT_EQ(GetUnderSubstance(d, 2).coating, 5);
    EXPECT_EQ(GetUnderSubstance(d, 2).substance, 1) << "the last layer lies on the base";
    EXPECT_EQ(GetUnderSubstance(d, 3).coating, 0);

    // Alloy layer last: the tin layer above it lies on the base.
    MeasFileData onBase = Layers({16, 11, kAlloyLayerCode}, 3);
    EXPECT_EQ(GetUnderSubstance(onBase, 0).substance, 7);
    EXPECT_EQ(GetUnderSubstance(onBase, 1).substance, 3);
    // Layer 4 over an alloy layer 5 takes the base as well (k = 3).
    MeasFileData deep = Layers({16, 5, 16, 11, kAlloyLayerCode}, 4);
    EXPECT_EQ(GetUnderSubstance(deep, 3).substance, 4);
    EXPECT_EQ(GetUnderSubstance(deep, 4).coating, 11);
    EXPECT_EQ(GetUnderSubstance(deep, 4).substance, 4);
    EXPECT_EQ(GetUnderSubstance(deep, 1).substance, 5);

    // A damaged file with an alloy layer on top has no layer above it to look up: nothing
    // before the first layer (the file name) is taken for one.
    MeasFileData top = Layers({kAlloyLayerCode, 5}, 1);
    std::memset(top.szFileName, 'x', sizeof top.szFileName - 1);
    EXPECT_EQ(GetUnderSubstance(top, 0).coating, 0);
}

TEST(ConditionRules, DisplayMode) {
    MeasFileData d = Layers({16, 11, kAlloyLayerCode, 5, 15});
    d.bGasket = 4;
    EXPECT_EQ(GetDisplayMode(d, 0), 2);
    EXPECT_EQ(GetDisplayMode(d, 1), 3);
    EXPECT_EQ(GetDisplayMode(d, 2), 3);
    EXPECT_EQ(GetDisplayMode(d, 3), 3);
    EXPECT_EQ(GetDisplayMode(d, 4), 2);
    d.bGasket = 1;
    EXPECT_EQ(GetDisplayMode(d, 0), 0);
    EXPECT_EQ(GetDisplayMode(d, 4), 0);
}

TEST(ConditionRules, Completeness) {
    MeasFileData d = Layers({5, 16});
    d.bGasket = 1;
    for (LayerCondition& c : d.coat)
        if (c.bCode != 0)
            c.bSolution = 1, c.bSensitivity = 1;
    EXPECT_TRUE(IsComplete(d));
    MeasFileData noBase = d;
    noBase.bBaseCode = 0;
    EXPECT_FALSE(IsComplete(noBase));
    MeasFileData noGasket = d;
    noGasket.bGasket = 0;
    EXPECT_FALSE(IsComplete(noGasket));
    MeasFileData noUnit = d;
    noUnit.bUnit = 0;
    EXPECT_FALSE(IsComplete(noUnit));
    MeasFileData noSolution = d;
    noSolution.coat[1].bSolution = 0;
    EXPECT_FALSE(IsComplete(noSolution));
    MeasFileData noRange = d;
    noRange.coat[1].bRange = 0;
    EXPECT_FALSE(IsComplete(noRange));
    MeasFileData noSensitivity = d;
    noSensitivity.coat[0].bSensitivity = 0;
    EXPECT_FALSE(IsComplete(noSensitivity));
    EXPECT_FALSE(IsComplete(NewMeasFileData()));
    // Settings of unused layers do not matter.
    d.coat[3].bSolution = 0;
    EXPECT_TRUE(IsComplete(d));
}

TEST(AlloyLayers, TinOnCopperGetsAnAlloyLayerAndLosesItAgain) {
    MeasFileData d = Layers({11, 5});
    d.coat[0].bRange = 3;
    ASSERT_TRUE(CanTestAlloyLayer(d));
    InsertAlloyLayer(d);
    EXPECT_EQ(Codes(d), (std::vector<int>{11, kAlloyLayerCode, 5, 0, 0}));
    EXPECT_EQ(d.coat[1].bRange, 3) << "the range of the layer above";
    LayerCondition expected{};
    expected.bCode = kAlloyLayerCode;
    expected.bRange = 3;
    EXPECT_EQ(std::memcmp(&d.coat[1], &expected, sizeof expected), 0);
    EXPECT_EQ(GetCoatName(d, 2), "Cu");

    InsertAlloyLayer(d);  // already there
    EXPECT_EQ(Codes(d), (std::vector<int>{11, kAlloyLayerCode, 5, 0, 0}));

    RemoveAlloyLayers(d);
    EXPECT_EQ(Codes(d), (std::vector<int>{11, 5, 0, 0, 0}));
    EXPECT_EQ(GetCoatName(d, 1), "Cu");
    EXPECT_TRUE(IsZero(&d.coat[2], sizeof d.coat[2]));
}

TEST(AlloyLayers, InsertionOverTheBaseAndWhereItIsNotAllowed) {
    MeasFileData onBrass = Layers({16, 7}, 3);
    EXPECT_TRUE(CanTestAlloyLayer(onBrass));
    InsertAlloyLayer(onBrass);
    EXPECT_EQ(Codes(onBrass), (std::vector<int>{16, 7, kAlloyLayerCode, 0, 0}));

    MeasFileData onSteel = Layers({11}, 1);
    EXPECT_FALSE(CanTestAlloyLayer(onSteel));
    InsertAlloyLayer(onSteel);
    EXPECT_EQ(GetCoatCount(onSteel), 1);

    MeasFileData tinOnNickel = Layers({11, 16, 5});
    EXPECT_FALSE(CanTestAlloyLayer(tinOnNickel));
    InsertAlloyLayer(tinOnNickel);
    EXPECT_EQ(Codes(tinOnNickel), (std::vector<int>{11, 16, 5, 0, 0})) << "nickel is no tin";

    // Five layers: no room.
    MeasFileData five = Layers({11, 5, 16, 12, 1}, 4);
    EXPECT_TRUE(CanTestAlloyLayer(five));
    InsertAlloyLayer(five);
    EXPECT_EQ(Codes(five), (std::vector<int>{11, 5, 16, 12, 1}));

    // Two places: both get one while there is room, the second only if room remains.
    MeasFileData two = Layers({11, 5, 12}, 4);
    InsertAlloyLayer(two);
    EXPECT_EQ(Codes(two), (std::vector<int>{11, kAlloyLayerCode, 5, 12, kAlloyLayerCode}));
    MeasFileData twoFull = Layers({7, 1, 16, 12}, 4);
    InsertAlloyLayer(twoFull);
    EXPECT_EQ(Codes(twoFull), (std::vector<int>{7, kAlloyLayerCode, 1, 16, 12}));
}

TEST(AlloyLayers, CanTestLooksPastExistingAlloyLayers) {
    MeasFileData d = Layers({11, kAlloyLayerCode, 5});
    EXPECT_TRUE(CanTestAlloyLayer(d));
    MeasFileData last = Layers({11, kAlloyLayerCode}, 4);
    EXPECT_TRUE(CanTestAlloyLayer(last));
}

TEST(AlloyLayers, InvalidAlloyLayersAreRemovedWithTheirPlace) {
    // The coating above changed from Sn to Ni.
    MeasFileData d = Layers({16, kAlloyLayerCode, 5});
    RemoveInvalidAlloyLayers(d);
    EXPECT_EQ(Codes(d), (std::vector<int>{16, 5, 0, 0, 0}));

    MeasFileData below = Layers({11, kAlloyLayerCode, 16});
    RemoveInvalidAlloyLayers(below);
    EXPECT_EQ(Codes(below), (std::vector<int>{11, 16, 0, 0, 0}));

    MeasFileData lastOnSteel = Layers({11, kAlloyLayerCode}, 1);
    RemoveInvalidAlloyLayers(lastOnSteel);
    EXPECT_EQ(GetCoatCount(lastOnSteel), 1);

    MeasFileData lastOnCopper = Layers({11, kAlloyLayerCode}, 4);
    RemoveInvalidAlloyLayers(lastOnCopper);
    EXPECT_EQ(GetCoatCount(lastOnCopper), 2);

    MeasFileData top = Layers({kAlloyLayerCode, 5});
    RemoveInvalidAlloyLayers(top);
    EXPECT_EQ(Codes(top), (std::vector<int>{5, 0, 0, 0, 0}));

    MeasFileData valid = Layers({12, kAlloyLayerCode, 1, 7, kAlloyLayerCode}, 3);
    RemoveInvalidAlloyLayers(valid);
    EXPECT_EQ(GetCoatCount(valid), 5);
}

TEST(ConditionRules, DeleteLayerMovesLayersAndTheirLimitsUp) {
    MeasFileData d = Layers({16, 5, 11, 1, 15});
    for (int k = 0; k < kMaxLayers; ++k)
        d.limits[k].fUpperLimit = static_cast<float>(k + 1);
    DeleteLayer(d, 1);
    EXPECT_EQ(Codes(d), (std::vector<int>{16, 11, 1, 15, 0}));
    EXPECT_EQ(GetCoatName(d, 3), "Fe");
    EXPECT_EQ(d.limits[1].fUpperLimit, 3.0f);
    EXPECT_EQ(d.limits[3].fUpperLimit, 5.0f);
    EXPECT_TRUE(IsZero(&d.coat[4], sizeof d.coat[4]));
    EXPECT_EQ(d.limits[4].fUpperLimit, 0.0f);
    DeleteLayer(d, 4);
    EXPECT_EQ(GetCoatCount(d), 4);
    MeasFileData same = d;
    DeleteLayer(d, 7);  // out of range: nothing
    DeleteLayer(d, -1);
    EXPECT_EQ(std::memcmp(&d, &same, sizeof d), 0);
}

TEST(ConditionRules, AlloyTinAndCopper) {
    MeasFileData none = Layers({11, 5});
    EXPECT_FALSE(HasAlloySn(none).has_value());
    EXPECT_FALSE(HasAlloyCu(none).has_value());

    MeasFileData onBase = Layers({16, 7, kAlloyLayerCode}, 4);
    ASSERT_TRUE(HasAlloySn(onBase).has_value());
    EXPECT_EQ(*HasAlloySn(onBase), 1);
    EXPECT_FALSE(HasAlloyCu(onBase).has_value()) << "no copper layer under the alloy layer";

    MeasFileData full = Layers({12, kAlloyLayerCode, 5});
    EXPECT_EQ(HasAlloySn(full), 0);
    EXPECT_EQ(HasAlloyCu(full), 0);
}

TEST(ConditionRules, TotalReached) {
    MeasFileData d = Layers({5, 16});
    d.nStatTotal = 3;
    d.nItemCt = 6;  // 3 measurements of 2 layers
    EXPECT_FALSE(IsTotalReached(d)) << "statistics flag off";
    d.bStatFlags = kStatTotalOn;
    EXPECT_TRUE(IsTotalReached(d));
    d.nItemCt = 4;
    EXPECT_FALSE(IsTotalReached(d));
    d.nItemCt = 5;  // the third measurement can still be finished
    EXPECT_FALSE(IsTotalReached(d));
    d.nStatTotal = 0;
    EXPECT_FALSE(IsTotalReached(d));
    d.nStatTotal = -2;  // damaged file
    EXPECT_FALSE(IsTotalReached(d));
}

TEST(ConditionRules, FifthLayerStaysEmptyUnderTinAlloyCopper) {
    MeasFileData d = Layers({11, 5});
    InsertAlloyLayer(d);
    ASSERT_EQ(GetCoatName(d, 2), "Cu");
    EXPECT_TRUE(DonotsetLayerNo5(d));
    EXPECT_TRUE(DonotsetLayerNo5(Layers({7, kAlloyLayerCode, 1, 16})));
    EXPECT_FALSE(DonotsetLayerNo5(Layers({11, 5})));
    EXPECT_FALSE(DonotsetLayerNo5(Layers({16, 11, kAlloyLayerCode, 5})));
    EXPECT_FALSE(DonotsetLayerNo5(Layers({11, kAlloyLayerCode}, 4)));
}

TEST(ConditionRules, UnitRange) {
    MeasFileData d = Layers({5, 16, 11});  // ranges 2, 3, 4
    EXPECT_TRUE(CheckUnitRange(d));
    d.bUnit = 2;  // nm needs ranges 6-8
    EXPECT_FALSE(CheckUnitRange(d));
    EXPECT_EQ(FindUnitRangeConflict(d), 0);
    d.coat[0].bRange = 6;
    EXPECT_EQ(FindUnitRangeConflict(d), 1);
    d.bUnit = 4;  // MI: ranges 3-8
    EXPECT_TRUE(CheckUnitRange(d));
    d.coat[3].bRange = 1;  // an unused layer does not count
    EXPECT_TRUE(CheckUnitRange(d));
}

TEST(ConditionRecord, LegacyBlankingMovesIntoTheUsedLayers) {
    MeasFileData d = Layers({16, 5, 11});
    d.bOldBlanking = 7;
    MigrateLegacyBlanking(d);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(d.coat[k].bBlanking, 7) << k;
    EXPECT_EQ(d.coat[3].bBlanking, 0);
    EXPECT_EQ(d.bOldBlanking, 255);
    d.coat[0].bBlanking = 12;
    MigrateLegacyBlanking(d);  // already moved: nothing changes
    EXPECT_EQ(d.coat[0].bBlanking, 12);
}

TEST(ConditionRecord, LimitsOfLayer5EndBeforeTheRecordCount) {
    MeasFileData d = NewMeasFileData();
    d.limits[4].fLowerLimit = 1.5f;
    d.nItemCt = 0x04030201u;
    unsigned char image[sizeof d];
    std::memcpy(image, &d, sizeof d);
    float lower = 0;
    std::memcpy(&lower, image + 412, sizeof lower);
    EXPECT_EQ(lower, 1.5f);
    EXPECT_EQ(image[416], 0x01);
    EXPECT_EQ(image[419], 0x04);
}

}  // namespace
}  // namespace klv
