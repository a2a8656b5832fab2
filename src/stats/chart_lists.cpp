#include "stats/chart_lists.h"

#include <algorithm>

#include "base/number_format.h"
#include "reference/layer_value_format.h"
#include "reference/unit_conversion.h"
#include "reference/unit_gasket_tables.h"
#include "stats/stat_columns.h"

namespace klv {

namespace {

std::string TrimLeft(std::string text) {
    text.erase(0, std::min(text.find_first_not_of(' '), text.size()));
    return text;
}

std::string InUnitText(double inUnit, const MeasFileData& d, int k) {
    return TrimLeft(FormatLayerValue(static_cast<float>(inUnit), d, GetStatColumn(d, k).formatLayer,
                                     d.bGasket == kGasketWT, false));
}

// A column as wide as its header plus `extra`.
ChartListColumn Column(const char* header, int extra) {
    const std::string text = header;
    return {text, static_cast<int>(text.size()) + extra};
}

// Widths that follow the header lengths, at least 8.
ChartListColumn HeaderWide(const char* header) {
    const std::string text = header;
    return {text, std::max(8, static_cast<int>(text.size()))};
}

}  // namespace

std::string ChartValueText(double stored, const MeasFileData& d, int k) {
    return InUnitText(ToUnit(static_cast<float>(stored), d.bUnit), d, k);
}

ChartList HistogramList(const MeasFileData& d, int k, std::uint32_t dataCount,
                        const LayerStatistics& s, const Histogram& h, const CapabilityFigures& c) {
    ChartList list;
    list.columns = {Column("Unit", 4),    Column("Data number", 4),
                    Column("Average", 4), Column("Division number", 4),
                    HeaderWide("Cp"),     HeaderWide("Cpk"),
                    HeaderWide("Pp"),     HeaderWide("Ppk")};
    const CapabilityTexts pc = FormatCapability(c);
    list.rows.push_back({GetStatUnitName(d, k), std::to_string(dataCount),
                         InUnitText(s.dAverage, d, k), std::to_string(h.scale.divisions), pc.cp,
                         pc.cpk, pc.pp, pc.ppk});
    return list;
}

ChartList ProfileList(const MeasFileData& d, int k, const ProfileValues& v) {
    ChartList list;
    list.columns = {Column("Unit", 2),     Column("Maximum", 2),     Column("Minimum", 2),
                    Column("Average", 2),  Column("Data number", 2), Column("Start point", 2),
                    Column("End point", 2)};
    const double average = v.count != 0 ? v.sum / static_cast<double>(v.count) : 0;
    list.rows.push_back({GetStatUnitName(d, k), ChartValueText(v.maximum, d, k),
                         ChartValueText(v.minimum, d, k), ChartValueText(average, d, k),
                         std::to_string(v.count), ChartValueText(v.first, d, k),
                         ChartValueText(v.last, d, k)});
    return list;
}

ChartList ControlLimitList(const MeasFileData& d, int k, const ControlChart& c, bool individuals) {
    ChartList list;
    list.columns = {{"", 8},
                    HeaderWide("Average"),
                    HeaderWide("UCL"),
                    HeaderWide("LCL"),
                    HeaderWide("Range indication")};
    const auto row = [&](const char* name, const ChartBlock& b) {
        return std::vector<std::string>{
            name, ChartValueText(b.centre, d, k), ChartValueText(b.ucl, d, k),
            ChartValueText(b.lcl, d, k),
            ChartValueText(b.bottom, d, k) + "--" + ChartValueText(b.top, d, k)};
    };
    const ControlChartNames names = ControlChartNamesOf(individuals);
    list.rows = {row(names.x, c.x), row(names.r, c.r)};
    return list;
}

ChartList ControlFactorList(const ControlChartFactors& f, bool individuals) {
    ChartList list;
    list.columns = {{"", 8}, HeaderWide("Factor")};
    const std::pair<const char*, float> factors[] = {
        individuals ? std::pair{"E2", kIndividualsFactor} : std::pair{"A2", f.A2},
        {"D3", individuals ? 0.0f : f.D3},
        {"D4", individuals ? kMovingRangeFactor : f.D4}};
    for (const auto& [name, value] : factors)
        list.rows.push_back(
            {name, FitNumberText(FormatFixed(static_cast<double>(value), kPrintfDecimals), 6)});
    return list;
}

CapabilityTexts FormatCapability(const CapabilityFigures& c) {
    const auto text = [](const std::optional<double>& v) {
        return v ? FormatFixed(*v, 3) : std::string("-");
    };
    return {text(c.cp), text(c.cpk), text(c.pp), text(c.ppk)};
}

ControlChartNames ControlChartNamesOf(bool individuals) {
    return individuals ? ControlChartNames{"X", "MR"} : ControlChartNames{"%5", "R"};
}

std::vector<std::string> RunRuleLines(const ControlChartSeries& s, const ChartRuleBreaks& b) {
    // The list is plain text: no glyph escapes.
    const char* x = s.individuals ? "X" : "X-bar";
    const char* r = s.individuals ? "MR" : "R";
    std::vector<std::string> lines;
    for (std::size_t g = 0; g < s.x.size(); ++g) {
        if (g < b.x.size() && b.x[g] != 0)
            lines.push_back(std::to_string(g + 1) + " " + x + ": " + RunRuleList(b.x[g]));
        if (g >= s.rFirst && g - s.rFirst < b.r.size() && b.r[g - s.rFirst] != 0)
            lines.push_back(std::to_string(g + 1) + " " + r + ": " +
                            RunRuleList(b.r[g - s.rFirst]));
    }
    return lines;
}

}  // namespace klv
