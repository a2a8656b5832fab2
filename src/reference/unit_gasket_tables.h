#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace klv {

// Display units and gaskets. Codes are indices and are stored in condition files.

struct UnitRow {
    std::string_view name;
    float micrometresPerUnit;
};
inline constexpr int kUnitCount = 4;
inline constexpr std::uint8_t kUnitMicrometre = 1;
inline constexpr std::uint8_t kUnitNanometre = 2;
inline constexpr std::uint8_t kUnitMil = 3;
inline constexpr std::uint8_t kUnitMicroInch = 4;
extern const std::array<UnitRow, kUnitCount + 1> UnitTable;

struct GasketRow {
    std::string_view name;
    float areaRatio;  // to gasket A; multiplies the output current
    float area;       // mm²
    std::string_view diameterText;
};
inline constexpr int kGasketCount = 4;
inline constexpr std::uint8_t kGasketA = 1;
inline constexpr std::uint8_t kGasketWT = 4;  // wire and small-part holder
extern const std::array<GasketRow, kGasketCount + 1> GasketTable;

// Guidance of the auto-stop page, µm.
struct AutoStopReference {
    float chrome;
    float other;
};
// Rows for gaskets A, B and C.
extern const std::array<AutoStopReference, 3> AutoStopReferenceTable;

// Every lookup answers the empty row (name "", factors 0) for code 0 or a code outside the table.
std::string_view GetUnitName(int code);
float GetUnitFactor(int code);
std::string_view GetGasketName(int code);
std::string_view GetGasketDiameterText(int code);
// Gasket 4 answers with gasket A's values: its reading is corrected by the WT coefficient.
float GetGasketAreaRatio(int code);
float GetGasketArea(int code);

}  // namespace klv
