#include "reference/layer_setting_tables.h"

#include "reference/table_row.h"

namespace klv {

// Code 19 is one code whose name joins those of 4 and 6.
const std::array<std::string_view, kTestSolutionCount + 1> TestSolutionTable = {
    "",     "E-21", "E-22", "E-23", "E-24",  "E-25", "E-26", "E-27",  "E-28",    "E-29", "E-30",
    "E-31", "E-32", "E-33", "E-34", "E-35A", "E-36", "E-37", "E-38A", "E-24/26", "E-39"};

const std::array<std::string_view, kSensitivityCount + 1> SensitivityTable = {
    "", "Automatic", "1", "2", "3", "4", "5", "6", "7", "8"};

const std::array<CurrentRangeRow, kCurrentRangeCount + 1> CurrentRangeTable = {{
    {"", 0.0f, 0, false},
    {"2/1", 2.0f, 3, false},
    {"1/1", 1.0f, 3, false},
    {"4/10", 0.4f, 4, false},
    {"2/10", 0.2f, 4, false},
    {"1/10", 0.1f, 4, true},
    {"4/100", 0.04f, 4, true},
    {"2/100", 0.02f, 4, true},
    {"1/100", 0.01f, 4, true},
}};

const std::array<CurrentFactorRow, kCurrentFactorCount + 1> CurrentFactorTable = {{
    {"", 0.0f},
    {"BRS", 29.0f},
    {"Cd", 17.1f},
    {"Cr", 88.6f},
    {"Cu", 31.3f},
    {"Cu/Zn", 15.65f},
    {"Pb", 12.25f},
    {"Sn", 13.55f},
    {"Zn", 24.4f},
    {"Ag", 10.88f},
    {"Ni", 34.2f},
    {"Au", 23.7f},
    {"In", 22.2f},
    {"BCr", 10.804f},
}};

std::string_view GetTestSolutionName(int code) {
    return TableRow(TestSolutionTable, code);
}
std::string_view GetSensitivityName(int code) {
    return TableRow(SensitivityTable, code);
}
const CurrentRangeRow& GetCurrentRangeRow(int code) {
    return TableRow(CurrentRangeTable, code);
}
std::string_view GetRangeName(int code) {
    return GetCurrentRangeRow(code).text;
}
float GetRangeRateFactor(int code) {
    return GetCurrentRangeRow(code).rateFactor;
}
std::uint8_t GetRangeAutoSensitivity(int code) {
    return GetCurrentRangeRow(code).automaticSensitivity;
}
int GetEffectiveSensitivity(int setting, int rangeCode) {
    return setting == kSensitivityAutomatic ? GetRangeAutoSensitivity(rangeCode) : setting;
}
bool IsLowRange(int code) {
    return GetCurrentRangeRow(code).lowRange;
}
const CurrentFactorRow& GetCurrentFactorRow(int row) {
    return TableRow(CurrentFactorTable, row);
}
float GetCurrentFactor(int row) {
    return GetCurrentFactorRow(row).current;
}

}  // namespace klv
