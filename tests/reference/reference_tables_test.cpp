#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "reference/alloy_content_table.h"
#include "reference/coating_table.h"
#include "reference/layer_setting_tables.h"
#include "reference/meas_file_data.h"
#include "reference/resolution_table.h"
#include "reference/solution_combination_table.h"
#include "reference/substance_table.h"
#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

TEST(ReferenceTables, CodeZeroAndGarbageCodesGiveTheEmptyRow) {
    for (int code : {0, -1, 21, 128, 255}) {
        EXPECT_EQ(GetCoatingShortName(code), "") << code;
        EXPECT_EQ(GetCoatingFullName(code), "") << code;
        EXPECT_EQ(GetCoatingSubstance(code), 0) << code;
        EXPECT_EQ(GetCoatingDensity(code), 0.0f) << code;
        EXPECT_EQ(GetSurfaceText(code), "") << code;
        EXPECT_EQ(GetTestSolutionName(code), "") << code;
        EXPECT_EQ(GetRangeRateFactor(code), 0.0f) << code;
        EXPECT_EQ(GetRangeAutoSensitivity(code), 0) << code;
        EXPECT_EQ(GetCurrentFactor(code), 0.0f) << code;
    }
    for (int code : {0, 35, 255})
        EXPECT_EQ(GetSubstanceShortName(code), "") << code;
    for (int code : {0, 10, 255})
        EXPECT_EQ(GetSensitivityName(code), "") << code;
    for (int code : {0, 9, 255})
        EXPECT_EQ(GetRangeName(code), "") << code;
    for (int code : {0, 5, 255}) {
        EXPECT_EQ(GetUnitName(code), "") << code;
        EXPECT_EQ(GetUnitFactor(code), 0.0f) << code;
        EXPECT_EQ(GetGasketName(code), "") << code;
        EXPECT_EQ(GetGasketAreaRatio(code), 0.0f) << code;
        EXPECT_EQ(GetGasketArea(code), 0.0f) << code;
    }
    EXPECT_EQ(FindCombination(0, 0), nullptr);
    EXPECT_EQ(FindCombination(0, 0, true), nullptr);
    EXPECT_EQ(FindResolution(0, 0), nullptr);
    EXPECT_EQ(FindAlloyContentForCoating(0), nullptr);
}

TEST(ReferenceTables, CoatingRows) {
    EXPECT_EQ(GetCoatingShortName(1), "BRS");
    EXPECT_EQ(GetCoatingFullName(2), "Cadmiun");
    EXPECT_EQ(GetCoatingFullName(19), "Indiumn");
    EXPECT_EQ(GetCoatingShortName(8), "Zn-Sn");
    EXPECT_EQ(GetCoatingFullName(12), "Tin plating wire");
    EXPECT_EQ(GetCoatingSubstance(11), 7);
    EXPECT_EQ(GetCoatingSubstance(9), 28);
    EXPECT_EQ(GetCoatingSubstance(20), 33);
    EXPECT_EQ(GetCoatingDensity(15), 7.874f);
    EXPECT_EQ(GetCoatingDensity(16), 8.902f);
    EXPECT_EQ(GetCoatingDensity(18), 19.32f);
    EXPECT_EQ(GetCoatingDensity(4), 0.87f);
    EXPECT_EQ(GoldCoatingCode, 18);
    EXPECT_EQ(GetCoatingShortName(GoldCoatingCode), "Au");
    for (int code = 1; code <= kCoatingCount; ++code) {
        EXPECT_EQ(IsFreeNameCoating(code), code == 20) << code;
        EXPECT_LE(GetCoatingShortName(code).size(), 6u) << code;
        EXPECT_NE(GetCoatingSubstance(code), 0) << code;
    }
    EXPECT_EQ(GetCoatingShortName(20), "");
}

TEST(ReferenceTables, SurfaceTextsKeepTheirExactWording) {
    EXPECT_EQ(GetSurfaceText(5),
              "Firs polish several times with plastic eraser, and drop P-12 on test portion.  "
              "Then 2--3 seconds later wash in water, and wipe it with a dry cloth.");
    EXPECT_EQ(GetSurfaceText(9),
              "Polish with fine type sand eraser.  If the surface is rough, "
              "remove Chromate completely.");
    EXPECT_EQ(GetSurfaceText(13), SurfaceTreatmentTexts[6]);
    EXPECT_EQ(GetSurfaceText(14), SurfaceTreatmentTexts[7]);
    EXPECT_NE(SurfaceTreatmentTexts[6].find("2--5 seconds"), std::string_view::npos);
    EXPECT_NE(SurfaceTreatmentTexts[7].find("2--4 seconds"), std::string_view::npos);
    EXPECT_EQ(GetSurfaceText(16), SurfaceTreatmentTexts[8]);
    EXPECT_EQ(GetSurfaceText(17), SurfaceTreatmentTexts[8]);
    EXPECT_EQ(GetSurfaceText(19), "Polish with PD, and wipe it with a dry cloth.");
    EXPECT_EQ(GetSurfaceText(20), "");
}

TEST(ReferenceTables, DisplayOrdersOfferEveryCoatingAndOnlyBaseMaterials) {
    std::set<int> coatings(CoatingDisplayOrder.begin(), CoatingDisplayOrder.end());
    EXPECT_EQ(coatings.size(), 20u);
    EXPECT_EQ(*coatings.begin(), 1);
    EXPECT_EQ(*coatings.rbegin(), 20);
    EXPECT_EQ(CoatingDisplayOrder.front(), 3);
    EXPECT_EQ(CoatingDisplayOrder[14], 7);

    std::set<int> bases(BaseDisplayOrder.begin(), BaseDisplayOrder.end());
    EXPECT_EQ(bases.size(), BaseDisplayOrder.size());
    for (int never : {24, 25, 26, 27, 29, 30, 31, 32})
        EXPECT_EQ(bases.count(never), 0u);
    EXPECT_EQ(BaseDisplayOrder[1], 34);
    EXPECT_EQ(BaseDisplayOrder[15], 28);
    EXPECT_EQ(BaseDisplayOrder.back(), 33);
}

TEST(ReferenceTables, SubstanceRows) {
    EXPECT_EQ(GetSubstanceFullName(2), "Aluminuim");
    EXPECT_EQ(GetSubstanceFullName(18), "Cadomium");
    EXPECT_EQ(GetSubstanceShortName(15), "ZnD");
    EXPECT_EQ(GetSubstanceFullName(15), "Zinc");
    EXPECT_EQ(GetSubstanceShortName(32), "ALY");
    EXPECT_EQ(GetSubstanceFullName(32), "Alloy layer");
    EXPECT_EQ(GetSubstanceRow(32).flag, kSubstanceAlloyLayer);
    EXPECT_EQ(GetSubstanceShortName(34), "PL");
    EXPECT_EQ(GetSubstanceFullName(31), "Indium");
    for (int code = 1; code <= kSubstanceCount; ++code)
        EXPECT_EQ(IsFreeNameSubstance(code), code == 33) << code;
    // A coating's substance row names the same material.
    for (int code = 1; code < kCoatingCount; ++code)
        EXPECT_EQ(GetSubstanceShortName(GetCoatingSubstance(code)), GetCoatingShortName(code))
            << code;
}

TEST(ReferenceTables, SolutionsSensitivitiesRanges) {
    EXPECT_EQ(GetTestSolutionName(15), "E-35A");
    EXPECT_EQ(GetTestSolutionName(18), "E-38A");
    EXPECT_EQ(GetTestSolutionName(19), "E-24/26");
    EXPECT_EQ(GetTestSolutionName(20), "E-39");
    EXPECT_EQ(GetSensitivityName(1), "Automatic");
    EXPECT_EQ(GetSensitivityName(9), "8");
    EXPECT_EQ(GetRangeName(1), "2/1");
    EXPECT_EQ(GetRangeName(8), "1/100");
    EXPECT_EQ(GetRangeRateFactor(3), 0.4f);
    EXPECT_EQ(GetRangeRateFactor(6), 0.04f);
    EXPECT_EQ(GetRangeAutoSensitivity(2), 3);
    EXPECT_EQ(GetRangeAutoSensitivity(3), 4);
    EXPECT_EQ(GetEffectiveSensitivity(kSensitivityAutomatic, 3), 4);
    EXPECT_EQ(GetEffectiveSensitivity(kSensitivityAutomatic, 0), 0) << "device checks pass range 0";
    EXPECT_EQ(GetEffectiveSensitivity(6, 3), 6);
    for (int r = 1; r <= kCurrentRangeCount; ++r)
        EXPECT_EQ(IsLowRange(r), r >= 5) << r;
    EXPECT_EQ(GetCurrentFactorRow(5).name, "Cu/Zn");
    EXPECT_EQ(GetCurrentFactor(5), 15.65f);
    EXPECT_EQ(GetCurrentFactor(13), 10.804f);
}

TEST(ReferenceTables, UnitsAndGaskets) {
    EXPECT_EQ(GetUnitName(3), "mil");
    EXPECT_EQ(GetUnitName(4), "MI");
    EXPECT_EQ(GetUnitFactor(2), 0.001f);
    EXPECT_EQ(GetUnitFactor(3), 25.4f);
    EXPECT_EQ(GetUnitFactor(4), 0.0254f);
    EXPECT_EQ(GetGasketName(4), "WT");
    EXPECT_EQ(GetGasketDiameterText(3), "1.7d");
    EXPECT_EQ(GetGasketDiameterText(4), "");
    EXPECT_EQ(GetGasketAreaRatio(3), 0.186567f);
    EXPECT_EQ(GetGasketArea(2), 4.645f);
    // The WT holder measures with gasket A's values.
    EXPECT_EQ(GetGasketAreaRatio(4), 1.0f);
    EXPECT_EQ(GetGasketArea(4), 9.29f);
    EXPECT_EQ(GasketTable[4].areaRatio, 0.0f);
    EXPECT_EQ(AutoStopReferenceTable[0].chrome, 15.0f);
    EXPECT_EQ(AutoStopReferenceTable[2].other, 40.0f);
    EXPECT_EQ(kStandardAlloyCoefSn, 0.25f);
    EXPECT_EQ(kStandardAlloyCoefCu, 0.323f);
}

TEST(SolutionCombinationTable, HasAllRowsEachWithKnownCodes) {
    ASSERT_EQ(SolutionCombinationTable.size(), 144u);
    int rows = 0;
    std::set<std::pair<int, int>> pairs;
    for (const SolutionCombinationRow& row : SolutionCombinationTable) {
        EXPECT_GE(row.coating, 1);
        EXPECT_LE(row.coating, 19);
        EXPECT_NE(GetSubstanceShortName(row.underSubstance), "");
        EXPECT_NE(GetCurrentFactorRow(row.currentFactorRow).name, "");
        EXPECT_NE(GetTestSolutionName(row.solution), "");
        pairs.insert({row.coating, row.underSubstance});
        ++rows;
    }
    EXPECT_EQ(rows, 144);
    EXPECT_EQ(pairs.size(), 144u) << "a (coating, under-substance) pair repeats";
    auto count = [](int coating) {
        return std::count_if(SolutionCombinationTable.begin(), SolutionCombinationTable.end(),
                             [&](const auto& r) { return r.coating == coating; });
    };
    const int perCoating[] = {0, 3, 7, 15, 15, 20, 9, 5, 5, 6, 8, 8, 2, 5, 4, 3, 14, 4, 6, 5};
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(count(c), perCoating[c]) << c;
    EXPECT_EQ(count(20), 0);
}

TEST(SolutionCombinationTable, Lookups) {
    const SolutionCombinationRow* tinOnCopper = FindCombination(11, 4);
    ASSERT_NE(tinOnCopper, nullptr);
    EXPECT_EQ(tinOnCopper->solution, 19);
    EXPECT_EQ(GetTestSolutionName(tinOnCopper->solution), "E-24/26");
    EXPECT_EQ(tinOnCopper->currentFactorRow, 7);
    EXPECT_FALSE(tinOnCopper->listed);

    const SolutionCombinationRow* chrome = FindCombination(3, 99, true);
    ASSERT_NE(chrome, nullptr);
    EXPECT_EQ(chrome->underSubstance, 1);
    EXPECT_EQ(chrome->solution, 7);
    EXPECT_TRUE(chrome->pumpOff);

    const SolutionCombinationRow* chromeOnZinc = FindCombination(3, 28);
    ASSERT_NE(chromeOnZinc, nullptr);
    EXPECT_EQ(GetTestSolutionName(chromeOnZinc->solution), "E-34");
    EXPECT_TRUE(chromeOnZinc->listed);
    const SolutionCombinationRow* blackChromeOnZnD = FindCombination(4, 15);
    ASSERT_NE(blackChromeOnZnD, nullptr);
    EXPECT_EQ(blackChromeOnZnD->currentFactorRow, 13);
    EXPECT_FALSE(blackChromeOnZnD->listed);

    const SolutionCombinationRow* copperOnBrass = FindCombination(5, 3);
    ASSERT_NE(copperOnBrass, nullptr);
    EXPECT_EQ(GetCurrentFactorRow(copperOnBrass->currentFactorRow).name, "Cu/Zn");
    EXPECT_EQ(GetTestSolutionName(copperOnBrass->solution), "E-28");
    EXPECT_EQ(FindCombination(5, 1)->currentFactorRow, 4);

    EXPECT_TRUE(FindCombination(2, 12)->pumpOff);
    EXPECT_FALSE(FindCombination(2, 5)->pumpOff);
    EXPECT_EQ(GetTestSolutionName(FindCombination(16, 5)->solution), "E-37");
    EXPECT_EQ(GetTestSolutionName(FindCombination(16, 10)->solution), "E-29");
    EXPECT_EQ(GetTestSolutionName(FindCombination(11, 2)->solution), "E-27");
    EXPECT_EQ(FindCombination(15, 99, true)->underSubstance, 2);
    EXPECT_EQ(FindCombination(18, 99, true)->underSubstance, 3);
    EXPECT_EQ(FindCombination(12, 1), nullptr);
    EXPECT_EQ(FindCombination(20, 1, true), nullptr);
}

TEST(ResolutionTable, RowsAndLookups) {
    ASSERT_EQ(ResolutionTable.size(), 25u);
    for (const ResolutionRow& row : ResolutionTable) {
        int scale = 1;
        for (int i = 0; i < row.decimals; ++i)
            scale *= 10;
        EXPECT_EQ(row.scale, scale);
        EXPECT_EQ(FindResolution(row.unit, row.range), &row);
    }
    EXPECT_TRUE(std::is_sorted(ResolutionTable.begin(), ResolutionTable.end(),
                               [](const auto& a, const auto& b) {
                                   return a.unit != b.unit ? a.unit < b.unit : a.range < b.range;
                               }));
    EXPECT_EQ(FindResolution(2, 3), nullptr);
    EXPECT_EQ(FindResolution(2, 5), nullptr);
    EXPECT_EQ(FindResolution(4, 2), nullptr);
    EXPECT_EQ(FindResolution(1, 9), nullptr);
    const ResolutionRow* milCoarse = FindResolution(3, 1);
    ASSERT_NE(milCoarse, nullptr);
    EXPECT_EQ(milCoarse->countPeriodMs, 1016);
    EXPECT_EQ(milCoarse->decimals, 2);
    EXPECT_EQ(FindResolution(3, 8)->scale, 10000);
    EXPECT_EQ(FindResolution(1, 3)->countPeriodMs, 200);
    EXPECT_EQ(FindResolution(4, 5)->countPeriodMs, 2032);
    EXPECT_EQ(FindResolution(2, 8)->decimals, 0);
}

TEST(AlloyContentTable, RowsAndTheFirstApplicableAlloyOfACondition) {
    const AlloyContentRow* brass = FindAlloyContentForCoating(1);
    ASSERT_NE(brass, nullptr);
    EXPECT_EQ(brass->element, "Zn");
    EXPECT_EQ(brass->maxContent, 50);
    EXPECT_EQ(brass->scale, 0.931f);
    EXPECT_EQ(FindAlloyContentForCoating(17)->elementDensity, 3.9f);
    EXPECT_EQ(FindAlloyContentForCoating(8)->c1, -0.725f);
    EXPECT_EQ(FindAlloyContentForCoating(11), nullptr);

    MeasFileData d = NewMeasFileData();
    EXPECT_EQ(FindAlloyContent(d), nullptr);
    d.coat[0].bCode = 17;  // NiP
    d.coat[1].bCode = 1;   // BRS
    EXPECT_EQ(FindAlloyContent(d)->coating, 1) << "BRS comes before NiP whatever the layer";
    d.coat[2].bCode = 7;  // SO
    EXPECT_EQ(FindAlloyContent(d)->coating, 7);
    d.coat[1].bCode = 0;  // SO now lies behind an empty layer and is not used
    EXPECT_EQ(FindAlloyContent(d)->coating, 17);
}

}  // namespace
}  // namespace klv
