#include "reference/layer_value_format.h"

#include <algorithm>
#include <cstdio>

#include "base/fixed_text.h"
#include "base/number_format.h"
#include "reference/condition_rules.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr int kValueWidth = 6;

bool IsAlloyNeighbour(const MeasFileData& d, int k) {
    return k >= 0 && k < GetCoatCount(d) && IsAlloyLayer(d.coat[k]);
}

// An alloy layer measured with a finer range lends its decimals to the layers beside it.
int ValueDecimals(const MeasFileData& d, int k) {
    int decimals = GetLayerDecimals(d, k);
    for (int n : {k + 1, k - 1}) {
        if (IsAlloyNeighbour(d, n))
            decimals = std::max(decimals, GetLayerDecimals(d, n));
    }
    return decimals;
}

std::string UnitPadded(const MeasFileData& d) {
    std::string unit(GetUnitName(d.bUnit));
    unit.resize(std::max<std::size_t>(unit.size(), 3), ' ');
    return unit;
}

}  // namespace

std::string FormatLayerValue(float valueInUnit, const MeasFileData& d, int k, bool wt,
                             bool noValue) {
    if (noValue)
        return " -----";
    // Without a resolution row (a condition that could not be saved) all digits are shown.
    const int decimals = wt ? kPrintfDecimals : ValueDecimals(d, k);
    return FitNumberText(FormatFixed(valueInUnit, decimals), kValueWidth);
}

std::string FormatLayerLine(const MeasFileData& d, int k, float valueInUnit, int displayMode,
                            bool noValue) {
    std::string line = GetCoatNamePadded(d, k) + " ";
    line += FormatLayerValue(valueInUnit, d, k, d.bGasket == kGasketWT, noValue) + " ";
    line += displayMode == 2 || displayMode == 3 ? std::string("CNT")
                                                 : std::string(GetUnitName(d.bUnit));
    return line;
}

std::string FormatFileTitle(int channelNumber, const MeasFileData& d) {
    std::string name = GetFixedText(d.szFileName);
    if (channelNumber == 0)
        return name;
    return std::to_string(channelNumber) + " : " + name;
}

std::string FormatAutoStop(const MeasFileData& d, int k) {
    if (k < 0 || k >= kMaxLayers || (d.coat[k].bLayerFlags & kLayerAutoStopOn) == 0)
        return "Null";
    const int decimals = d.bGasket == kGasketWT ? kPrintfDecimals : GetLayerDecimals(d, k);
    return FitNumberText(FormatFixed(ToUnit(d.coat[k].fAutoStop, d.bUnit), decimals), kValueWidth);
}

std::string FormatAutoStopReference(const MeasFileData& d) {
    const std::string unit = UnitPadded(d);
    auto value = [&](float micrometres) {
        return FitNumberText(FormatNumberWidth(ToUnit(micrometres, d.bUnit), kValueWidth),
                             kValueWidth) +
               unit;
    };
    std::string text = " Gasket      Cr        Other";
    const char* names[] = {"A", "B", "C"};
    for (std::size_t g = 0; g < AutoStopReferenceTable.size(); ++g) {
        const AutoStopReference& ref = AutoStopReferenceTable[g];
        text += std::string("\n   ") + names[g] + "     " + value(ref.chrome) + "   " +
                value(ref.other);
    }
    return text;
}

std::string FormatRangeBound(float micrometres, const MeasFileData& d, int k) {
    const int decimals = d.bGasket == kGasketWT ? kPrintfDecimals : GetLayerDecimals(d, k);
    std::string text =
        FitNumberText(FormatFixed(CutToResolution(micrometres, d, k), decimals), kValueWidth);
    text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size()
                                                                   : text.find_first_not_of(' '));
    return text;
}

std::string FormatPackedDate(std::uint16_t packed) {
    if (packed == 0)
        return {};
    const Date date = UnpackDate(packed);
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

}  // namespace klv
