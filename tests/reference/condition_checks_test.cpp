#include "reference/condition_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "base/fixed_text.h"
#include "reference/coating_table.h"
#include "reference/meas_file_data.h"
#include "reference/unit_conversion.h"
#include "reference/wt_coefficient.h"

namespace klv {
namespace {

// A condition that passes every check: the coatings on steel, range 1/1, E-21, automatic.
MeasFileData Valid(std::initializer_list<int> codes = {5}, int base = 1) {
    MeasFileData d = NewMeasFileData();
    int k = 0;
    for (int code : codes) {
        LayerCondition& c = d.coat[k++];
        c.bCode = static_cast<std::uint8_t>(code);
        c.bRange = 2;
        c.bSolution = 1;
        c.bSensitivity = 1;
        c.bLayerFlags = kLayerCurrentAuto;
        if (code != kAlloyLayerCode)
            SetFixedText(c.Name, GetCoatingShortName(code));
    }
    d.bBaseCode = static_cast<std::uint8_t>(base);
    SetFixedText(d.baseName, "Fe");
    d.bGasket = 1;
    return d;
}

void ExpectFailure(const ConditionCheck& r, ConditionField field, int layer,
                   const std::string& message, bool openList = false) {
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.field, field);
    EXPECT_EQ(r.layer, layer);
    EXPECT_EQ(r.message, message);
    EXPECT_EQ(r.openList, openList);
}

TEST(ConditionChecks, AValidConditionPasses) {
    EXPECT_TRUE(CheckConditionBeforeSave(Valid({16, 5, 11})).ok());
    EXPECT_TRUE(CheckConditionBeforeSave(Valid()).message.empty());
}

TEST(ConditionChecks, ControlCharactersInNamesAndTextsAreRefusedAtTheirControl) {
    struct Case {
        void (*spoil)(MeasFileData&);
        ConditionField field;
        int layer;
    };
    const Case cases[] = {
        {[](MeasFileData& d) { SetFixedText(d.szFileName, "Line\r\nbreak"); },
         ConditionField::FileName, -1},
        {[](MeasFileData& d) { SetFixedText(d.szCustomer, "A\tB"); }, ConditionField::Customer, -1},
        {[](MeasFileData& d) { SetFixedText(d.szGoods, "\x7F"); }, ConditionField::Goods, -1},
        {[](MeasFileData& d) { SetFixedText(d.szLotNo, "7\n"); }, ConditionField::LotNo, -1},
        {[](MeasFileData& d) { SetFixedText(d.szTester, "\x1B"); }, ConditionField::Tester, -1},
        {[](MeasFileData& d) { SetFixedText(d.coat[1].Name, "N\ni"); },
         ConditionField::LayerCoating, 1},
        {[](MeasFileData& d) { SetFixedText(d.baseName, "F\te"); }, ConditionField::Base, -1},
    };
    for (const Case& c : cases) {
        MeasFileData d = Valid({16, 5});
        c.spoil(d);
        ExpectFailure(CheckConditionBeforeSave(d), c.field, c.layer,
                      "Control characters can't be used.");
    }
    MeasFileData unused = Valid({16});
    SetFixedText(unused.coat[3].Name, "\t");  // never shown, never refused
    EXPECT_TRUE(CheckConditionBeforeSave(unused).ok());
}

TEST(ConditionChecks, LackOfItem) {
    ExpectFailure(CheckLayersAndBase(NewMeasFileData()), ConditionField::LayerCoating, 0,
                  "Lack of item.");
    MeasFileData d = Valid();
    d.bBaseCode = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Base, -1, "Lack of item.");
    d = Valid();
    d.bUnit = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Unit, -1, "Lack of item.", true);
    d.bUnit = 9;  // garbage from a file
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Unit, -1, "Lack of item.", true);
    d = Valid();
    d.bGasket = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Gasket, -1, "Lack of item.", true);
    d = Valid({5, 16});
    d.coat[1].bRange = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Range, 1, "Lack of item.", true);
    d = Valid({5, 16});
    d.coat[1].bSolution = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Solution, 1, "Lack of item.", true);
    d = Valid({5, 16});
    d.coat[0].bSensitivity = 0;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Sensitivity, 0, "Lack of item.",
                  true);
}

TEST(ConditionChecks, RangeNotForTheUnit) {
    MeasFileData d = Valid({5, 16});
    d.coat[1].bRange = 6;
    d.bUnit = 2;  // nm: layer 1 with 1/1 fails first
    ExpectFailure(CheckRanges(d), ConditionField::Range, 0,
                  "This range can't be used with specified unit");
    d.coat[0].bRange = 7;
    EXPECT_TRUE(CheckRanges(d).ok());
}

TEST(ConditionChecks, AlloyCoefficientsWhereTheyApplyAndContent) {
    MeasFileData d = Valid({11, kAlloyLayerCode}, 4);
    d.fAlloyCoefSn = 0.009f;
    d.fAlloyCoefCu = 5.0f;  // no copper layer under the alloy layer: not checked
    ExpectFailure(CheckAlloyValues(d), ConditionField::AlloyCoefSn, -1,
                  "Range of values are from  0.01  to  0.9.");
    d.fAlloyCoefSn = 0.9f;
    EXPECT_TRUE(CheckAlloyValues(d).ok());
    d.fAlloyCoefSn = 0.01f;
    EXPECT_TRUE(CheckAlloyValues(d).ok());
    d.fAlloyCoefSn = std::nanf("");
    EXPECT_FALSE(CheckAlloyValues(d).ok());

    MeasFileData cu = Valid({11, kAlloyLayerCode, 5});
    cu.fAlloyCoefCu = 0.91f;
    ExpectFailure(CheckAlloyValues(cu), ConditionField::AlloyCoefCu, -1,
                  "Range of values are from  0.01  to  0.9.");

    MeasFileData brass = Valid({16, 1});
    brass.bContent = 51;
    ExpectFailure(CheckConditionBeforeSave(brass), ConditionField::AlloyContent, -1,
                  "Range of values are from  0  to  50.");
    brass.bContent = 50;
    EXPECT_TRUE(CheckAlloyValues(brass).ok());
    MeasFileData plain = Valid({16});
    plain.bContent = 200;  // no alloy coating: the content is not used
    EXPECT_TRUE(CheckAlloyValues(plain).ok());
}

TEST(ConditionChecks, Blanking) {
    MeasFileData d = Valid({5, 16});
    d.coat[1].bBlanking = 41;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Blanking, 1,
                  "Range of values are from  0  to  40.");
    d.coat[1].bBlanking = 40;
    EXPECT_TRUE(CheckBlanking(d).ok());
}

TEST(ConditionChecks, AutoStopLimitsAreConvertedAndCutToTheResolution) {
    MeasFileData um = Valid();
    EXPECT_EQ(CheckAutoStopValue(um, 0, 0.1f), "");
    EXPECT_EQ(CheckAutoStopValue(um, 0, 40.0f), "");
    EXPECT_EQ(CheckAutoStopValue(um, 0, 0.0f), "Range of values are from  0.1  to  40.0.");
    EXPECT_EQ(CheckAutoStopValue(um, 0, 40.1f), "Range of values are from  0.1  to  40.0.");
    // A typed value counts at its nearest step: 40.06 is 40.1, beyond the limit.
    EXPECT_EQ(CheckAutoStopValue(um, 0, 40.06f), "Range of values are from  0.1  to  40.0.");
    EXPECT_EQ(CheckAutoStopValue(um, 0, 40.04f), "");
    EXPECT_EQ(CheckAutoStopValue(um, 0, std::nanf("")), "Range of values are from  0.1  to  40.0.");

    MeasFileData mil = Valid();
    mil.bUnit = 3;
    mil.coat[0].bRange = 1;
    EXPECT_EQ(CheckAutoStopValue(mil, 0, 1.58f), "Range of values are from  0.00  to  1.57.");
    EXPECT_EQ(CheckAutoStopValue(mil, 0, 1.57f), "");

    MeasFileData nm = Valid();
    nm.bUnit = 2;
    nm.coat[0].bRange = 6;
    EXPECT_EQ(CheckAutoStopValue(nm, 0, 99.0f), "Range of values are from  100  to  40000.");
    MeasFileData mi = Valid();
    mi.bUnit = 4;
    mi.coat[0].bRange = 3;
    EXPECT_EQ(CheckAutoStopValue(mi, 0, 1575.0f), "Range of values are from  3  to  1574.");

    // Stored values: only layers with auto stop on, and a limit typed in mil survives the
    // round trip through micrometres.
    mil.coat[0].fAutoStop = FromUnit(1.57f, 3);
    mil.coat[0].bLayerFlags |= kLayerAutoStopOn;
    EXPECT_TRUE(CheckAutoStop(mil).ok());
    um.coat[0].fAutoStop = 50.0f;
    EXPECT_TRUE(CheckAutoStop(um).ok());
    um.coat[0].bLayerFlags |= kLayerAutoStopOn;
    ExpectFailure(CheckConditionBeforeSave(um), ConditionField::AutoStop, 0,
                  "Range of values are from  0.1  to  40.0.");
}

TEST(ConditionChecks, OutputCurrent) {
    EXPECT_EQ(CheckOutputCurrentValue(220.0f, false), "");
    EXPECT_EQ(CheckOutputCurrentValue(220.5f, false), "Range of values are from  0  to  220.");
    EXPECT_EQ(CheckOutputCurrentValue(-1.0f, false), "Range of values are from  0  to  220.");
    EXPECT_EQ(CheckOutputCurrentValue(220000.0f, true), "");
    EXPECT_EQ(CheckOutputCurrentValue(220001.0f, true), "Range of values are from  0  to  220000.");
    MeasFileData d = Valid({5, 16});
    d.coat[0].fCurrent = 500.0f;  // automatic: the manual value is not used
    EXPECT_TRUE(CheckOutputCurrent(d).ok());
    d.coat[1].bLayerFlags = 0;
    d.coat[1].fCurrent = 221.0f;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::Current, 1,
                  "Range of values are from  0  to  220.");
}

TEST(ConditionChecks, WtValues) {
    MeasFileData d = Valid();
    EXPECT_TRUE(CheckWt(d).ok()) << "not the WT gasket";
    d.bGasket = 4;
    ExpectFailure(CheckConditionBeforeSave(d), ConditionField::WtMode, -1, "Not selected.");
    d.bWtMode = kWtModeRoundRod;
    d.fWtDiameter = std::nanf("");
    ExpectFailure(CheckWt(d), ConditionField::WtDiameter, -1, "Error in the numerical value.");
    d.fWtDiameter = 0.0f;
    ExpectFailure(CheckWt(d), ConditionField::WtDiameter, -1, "Less than zero can't be specified.");
    d.fWtDiameter = 1.0f;
    ExpectFailure(CheckWt(d), ConditionField::WtLength, -1, "Less than zero can't be specified.");
    d.bWtFlags = kWtLengthLater;
    EXPECT_TRUE(CheckWt(d).ok()) << "the length is asked after each measurement";
    d.bWtMode = kWtModeSquareRod;
    d.fWtSideA = 1.0f;
    d.fWtSideB = -1.0f;
    ExpectFailure(CheckWt(d), ConditionField::WtSideB, -1, "Less than zero can't be specified.");
    d.bWtMode = kWtModeSmallParts;
    ExpectFailure(CheckWt(d), ConditionField::WtArea, -1, "Less than zero can't be specified.");
    d.bWtFlags = kWtAreaLater;
    EXPECT_TRUE(CheckWt(d).ok());
    d.bWtMode = kWtModeDirect;
    d.fWtCoef = 0.8f;
    EXPECT_TRUE(CheckWt(d).ok());
    d.fWtCoef = INFINITY;
    ExpectFailure(CheckWt(d), ConditionField::WtCoef, -1, "Error in the numerical value.");
}

TEST(ConditionChecks, CombinationNote) {
    EXPECT_EQ(CombinationNote(Valid({16, 5})), "");
    MeasFileData d = Valid({18, 15}, 34);  // Au on Fe, Fe on non-metal
    SetFixedText(d.baseName, "PL");
    EXPECT_EQ(CombinationNote(d),
              "Au / Fe\nFe / PL\n\nis not applicable for a combination of test solutions "
              "selection table.");
    d.baseName[0] = '\0';  // the base's table name stands in for a missing typed name
    EXPECT_EQ(CombinationNote(d).substr(0, 16), "Au / Fe\nFe / PL\n");

    MeasFileData alloy = Valid({12, kAlloyLayerCode}, 1);  // SnW has no row on steel
    EXPECT_EQ(CombinationNote(alloy).substr(0, 36), "SnW / Alloy layer\nAlloy layer / Fe\n\n");
}

}  // namespace
}  // namespace klv
