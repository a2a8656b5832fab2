#pragma once

#include <string>

#include "reference/meas_file_data.h"

namespace klv {

// The control a failed check points at; with `layer` it names the layer's control.
enum class ConditionField {
    None,
    LayerCoating,
    Base,
    Unit,
    Gasket,
    Range,
    Solution,
    Sensitivity,
    AlloyCoefSn,
    AlloyCoefCu,
    AlloyContent,
    Blanking,
    AutoStop,
    Current,
    WtMode,
    WtDiameter,
    WtSideA,
    WtSideB,
    WtLength,
    WtArea,
    WtCoef,
    FileName,
    Customer,
    Goods,
    LotNo,
    Tester,
};

struct ConditionCheck {
    ConditionField field = ConditionField::None;
    int layer = -1;         // 0-4 for a per-layer control, else -1
    std::string message;    // the message box text
    bool openList = false;  // the control's selection list is opened after the message
    bool ok() const { return field == ConditionField::None; }
};

// Each text of a condition with the control that shows it, in control order: the name, the four
// texts, the names of all five layers, the base name.
template <class Record, class Visit>
void ForEachConditionText(Record& d, Visit&& visit) {
    visit(ConditionField::FileName, -1, d.szFileName);
    visit(ConditionField::Customer, -1, d.szCustomer);
    visit(ConditionField::Goods, -1, d.szGoods);
    visit(ConditionField::LotNo, -1, d.szLotNo);
    visit(ConditionField::Tester, -1, d.szTester);
    for (int k = 0; k < kMaxLayers; ++k)
        visit(ConditionField::LayerCoating, k, d.coat[k].Name);
    visit(ConditionField::Base, -1, d.baseName);
}

// Each check answers the first failure in control order, or an ok result.
// No control character in the texts, in the names of the used layers or of the base.
ConditionCheck CheckTexts(const MeasFileData& d);
// Coating of layer 1, base, unit and gasket.
ConditionCheck CheckLayersAndBase(const MeasFileData& d);
// A range on every used layer, and every (unit, range) pair in the resolution table.
ConditionCheck CheckRanges(const MeasFileData& d);
// A test solution and a sensitivity on every used layer.
ConditionCheck CheckSolutions(const MeasFileData& d);
// The Sn and Cu coefficients where they apply, and the alloy content.
ConditionCheck CheckAlloyValues(const MeasFileData& d);
ConditionCheck CheckBlanking(const MeasFileData& d);
// Auto stop thickness of layers with auto stop on.
ConditionCheck CheckAutoStop(const MeasFileData& d);
// Manual output current of layers without the automatic current.
ConditionCheck CheckOutputCurrent(const MeasFileData& d);
// WT mode and geometry, with the WT gasket only; values to be input later are not required.
ConditionCheck CheckWt(const MeasFileData& d);
// All of the above in that order.
ConditionCheck CheckConditionBeforeSave(const MeasFileData& d);

// An auto stop value typed in the condition's unit for layer k: "" when it lies within
// 0.1-40 µm converted and cut to the layer's resolution, else the range message.
std::string CheckAutoStopValue(const MeasFileData& d, int k, float valueInUnit);
// A typed output current in mA, or in µA when microAmps is set: "" or the range message.
std::string CheckOutputCurrentValue(float value, bool microAmps);

// The note on layers whose coating and under-substance have no combination row, one
// "%s / %s\n" line each, then the closing sentence; empty when every layer has a row.
std::string CombinationNote(const MeasFileData& d);

}  // namespace klv
