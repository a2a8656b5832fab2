#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace klv {

// Test solutions, sensitivities, current ranges and output current factors: the per-layer
// settings of a condition. Codes are indices and are stored in condition files.

inline constexpr int kTestSolutionCount = 20;
inline constexpr std::uint8_t kSolutionE21 = 1;
inline constexpr std::uint8_t kSolutionE24 = 4;
inline constexpr std::uint8_t kSolutionE26 = 6;
inline constexpr std::uint8_t kSolutionE31 = 11;
inline constexpr std::uint8_t kSolutionE37 = 17;
inline constexpr std::uint8_t kSolutionE24E26 = 19;
extern const std::array<std::string_view, kTestSolutionCount + 1> TestSolutionTable;

inline constexpr int kSensitivityCount = 9;
inline constexpr std::uint8_t kSensitivityAutomatic = 1;
extern const std::array<std::string_view, kSensitivityCount + 1> SensitivityTable;

struct CurrentRangeRow {
    std::string_view text;
    float rateFactor;                   // multiplies the output current
    std::uint8_t automaticSensitivity;  // sensitivity code used for "Automatic"
    bool lowRange;
};
inline constexpr int kCurrentRangeCount = 8;
extern const std::array<CurrentRangeRow, kCurrentRangeCount + 1> CurrentRangeTable;

struct CurrentFactorRow {
    std::string_view name;
    float current;  // mA at range 1/1 with gasket A
};
inline constexpr int kCurrentFactorCount = 13;
extern const std::array<CurrentFactorRow, kCurrentFactorCount + 1> CurrentFactorTable;

// Every lookup answers the empty row (name "", factors 0) for code 0 or a code outside the table.
std::string_view GetTestSolutionName(int code);
std::string_view GetSensitivityName(int code);
const CurrentRangeRow& GetCurrentRangeRow(int code);
std::string_view GetRangeName(int code);
float GetRangeRateFactor(int code);
std::uint8_t GetRangeAutoSensitivity(int code);
// The sensitivity the instrument runs with: the range's own for "Automatic", else the setting.
int GetEffectiveSensitivity(int setting, int rangeCode);
bool IsLowRange(int code);
const CurrentFactorRow& GetCurrentFactorRow(int row);
float GetCurrentFactor(int row);

}  // namespace klv
