#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

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

// Cells as golden/make_reference_tables.py writes them: "%g" numbers, 0/1 flags, TAB between.
std::string Cell(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
    return text;
}
std::string Cell(int v) {
    return std::to_string(v);
}
std::string Cell(std::uint8_t v) {
    return std::to_string(v);
}
std::string Cell(std::uint16_t v) {
    return std::to_string(v);
}
std::string Cell(bool v) {
    return v ? "1" : "0";
}
std::string Cell(std::string_view v) {
    return std::string(v);
}
std::string Cell(const char* v) {
    return v;
}

template <typename... Cells>
std::string Line(std::string_view table, const Cells&... cells) {
    std::string line(table);
    ((line += '\t', line += Cell(cells)), ...);
    return line;
}

template <typename Array>
std::string OrderLine(std::string_view table, const Array& order) {
    std::string line(table);
    for (auto code : order)
        line += '\t' + Cell(code);
    return line;
}

std::vector<std::string> ProgramTables() {
    std::vector<std::string> out;
    for (int code = 0; code <= kCoatingCount; ++code) {
        const CoatingRow& r = CoatingTable[code];
        out.push_back(Line("coating", code, r.shortName, r.fullName, r.substance, r.density,
                           r.freeName, r.surfaceText));
    }
    for (std::size_t i = 0; i < SurfaceTreatmentTexts.size(); ++i)
        out.push_back(Line("surface-text", static_cast<int>(i + 1), SurfaceTreatmentTexts[i]));
    out.push_back(OrderLine("coating-order", CoatingDisplayOrder));
    out.push_back(Line("gold-code", GoldCoatingCode));
    for (int code = 0; code <= kSubstanceCount; ++code) {
        const SubstanceRow& r = SubstanceTable[code];
        out.push_back(Line("substance", code, r.shortName, r.fullName, r.flag));
    }
    out.push_back(OrderLine("base-order", BaseDisplayOrder));
    for (int code = 0; code <= kTestSolutionCount; ++code)
        out.push_back(Line("test-solution", code, TestSolutionTable[code]));
    for (int code = 0; code <= kSensitivityCount; ++code)
        out.push_back(Line("sensitivity", code, SensitivityTable[code]));
    for (int code = 0; code <= kCurrentRangeCount; ++code) {
        const CurrentRangeRow& r = CurrentRangeTable[code];
        out.push_back(
            Line("current-range", code, r.text, r.rateFactor, r.automaticSensitivity, r.lowRange));
    }
    for (int code = 0; code <= kUnitCount; ++code)
        out.push_back(Line("unit", code, UnitTable[code].name, UnitTable[code].micrometresPerUnit));
    for (int code = 0; code <= kGasketCount; ++code) {
        const GasketRow& r = GasketTable[code];
        out.push_back(Line("gasket", code, r.name, r.areaRatio, r.area, r.diameterText));
    }
    for (int row = 0; row <= kCurrentFactorCount; ++row)
        out.push_back(Line("current-factor", row, CurrentFactorTable[row].name,
                           CurrentFactorTable[row].current));
    for (const AlloyContentRow& r : AlloyContentTable)
        out.push_back(Line("alloy-content", r.coating, r.element, r.maxContent, r.c1, r.c2, r.c3,
                           r.scale, r.baseDensity, r.elementDensity));
    for (const SolutionCombinationRow& r : SolutionCombinationTable)
        out.push_back(Line("combination", r.coating, r.underSubstance, r.currentFactorRow,
                           r.solution, r.listed, r.pumpOff));
    for (const ResolutionRow& r : ResolutionTable)
        out.push_back(Line("resolution", r.unit, r.range, r.countPeriodMs, r.decimals,
                           static_cast<int>(r.scale)));
    const char* gaskets[] = {"A", "B", "C"};
    for (std::size_t i = 0; i < AutoStopReferenceTable.size(); ++i)
        out.push_back(Line("auto-stop-reference", gaskets[i], AutoStopReferenceTable[i].chrome,
                           AutoStopReferenceTable[i].other));
    out.push_back(Line("standard-alloy-coefficients", kStandardAlloyCoefSn, kStandardAlloyCoefCu));
    return out;
}

std::vector<std::string> GoldenTables() {
    std::ifstream in(KLV_REFERENCE_GOLDEN);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ReferenceTablesGolden, EveryCellMatchesTheGoldenImage) {
    const std::vector<std::string> golden = GoldenTables();
    ASSERT_FALSE(golden.empty()) << "cannot read " << KLV_REFERENCE_GOLDEN;
    const std::vector<std::string> program = ProgramTables();
    EXPECT_EQ(program.size(), golden.size());
    int differences = 0;
    for (std::size_t i = 0; i < std::min(program.size(), golden.size()) && differences < 10; ++i) {
        if (program[i] != golden[i]) {
            ++differences;
            ADD_FAILURE() << "line " << i + 1 << "\n  golden:  " << golden[i]
                          << "\n  program: " << program[i];
        }
    }
}

}  // namespace
}  // namespace klv
