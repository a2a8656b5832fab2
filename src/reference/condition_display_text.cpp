#include "reference/condition_display_text.h"

#include <algorithm>
#include <vector>

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/alloy_content_table.h"
#include "reference/condition_rules.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"
#include "reference/wt_coefficient.h"

namespace klv {

namespace {

constexpr int kDisplayWidth = 6;
constexpr std::size_t kMinColumn = 6;
constexpr const char* kColumnGap = "  ";
constexpr const char* kInputLater = "Input later";

using ExtraItem = ConditionExtraItem;

std::string Later(const MeasFileData& d, std::uint8_t flag, std::string value) {
    return (d.bWtFlags & flag) != 0 ? std::string(kInputLater) : value;
}

void AddWtItems(const MeasFileData& d, int width, std::vector<ExtraItem>& items) {
    auto Number = [width](float value) { return FormatNumberWidth(value, width); };
    auto Measure = [&](float value, const char* unit) { return Number(value) + " " + unit; };
    switch (d.bWtMode) {
        case kWtModeRoundRod:
            items.push_back({"Diameter", Measure(d.fWtDiameter, "mm")});
            items.push_back({"Length", Later(d, kWtLengthLater, Measure(d.fWtLength, "mm"))});
            break;
        case kWtModeSquareRod:
            items.push_back({"Side a", Measure(d.fWtSideA, "mm")});
            items.push_back({"Side b", Measure(d.fWtSideB, "mm")});
            items.push_back({"Length", Later(d, kWtLengthLater, Measure(d.fWtLength, "mm"))});
            break;
        case kWtModeSmallParts:
            items.push_back({"Area", Later(d, kWtAreaLater, Measure(d.fWtArea, "mm%0"))});
            break;
        case kWtModeDirect:
            items.push_back({"Coefficient of WT", Later(d, kWtCoefLater, Number(d.fWtCoef))});
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<ConditionExtraItem> MakeConditionExtraItems(const MeasFileData& d, int width) {
    auto Number = [width](float value) { return FormatNumberWidth(value, width); };
    std::vector<ExtraItem> items;
    if (const AlloyContentRow* row = FindAlloyContent(d))
        items.push_back(
            {"Content of  " + std::string(row->element), std::to_string(d.bContent) + " W%"});
    if (HasAlloySn(d)) {
        items.push_back({"Coefficient of Sn", Number(d.fAlloyCoefSn)});
        if (HasAlloyCu(d))
            items.push_back({"Coefficient of Cu", Number(d.fAlloyCoefCu)});
    }
    if (d.bGasket == kGasketWT)
        AddWtItems(d, width, items);
    return items;
}

namespace {

// Each column as wide as its label and value, at least six characters, two blanks apart; a
// glyph escape takes one character on screen, so "mm%0" is measured as three.
std::size_t ShownLength(const std::string& text) {
    std::size_t n = text.size();
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '0' && text[i + 1] <= '?')
            --n;
    return n;
}

std::string Pad(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, ShownLength(text)), ' ');
}

void SetExtraLines(const std::vector<ExtraItem>& items, ConditionDisplayTexts& t) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::size_t width =
            std::max({kMinColumn, ShownLength(items[i].label), ShownLength(items[i].value)});
        const bool last = i + 1 == items.size();
        t.extraLabels += last ? items[i].label : Pad(items[i].label, width) + kColumnGap;
        t.extraValues += last ? items[i].value : Pad(items[i].value, width) + kColumnGap;
    }
}

}  // namespace

ConditionDisplayTexts MakeConditionDisplayTexts(const MeasFileData& d, int index,
                                                const CalibrationStore& cal) {
    ConditionDisplayTexts t;
    t.title = FormatFileTitle(index + 1, d);
    t.customer = GetFixedText(d.szCustomer);
    t.goods = GetFixedText(d.szGoods);
    t.tester = GetFixedText(d.szTester);
    t.lot = GetFixedText(d.szLotNo);
    t.quantity = std::to_string(GetDataQuantity(d));
    t.firstDate = FormatPackedDate(d.wFirstDate);
    t.lastDate = FormatPackedDate(d.wLastDate);
    for (int k = 0; k < GetCoatCount(d); ++k)
        t.layers[k] = MakeLayerTexts(d, k);
    t.side = MakeSideTexts(d, &cal);
    SetExtraLines(MakeConditionExtraItems(d, kDisplayWidth), t);
    return t;
}

}  // namespace klv
