#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace klv {

// Base materials, and the identity of the material under a layer.
struct SubstanceRow {
    std::string_view shortName;
    std::string_view fullName;
    std::uint8_t flag;  // kSubstanceFreeName or kSubstanceAlloyLayer
};

inline constexpr int kSubstanceCount = 34;
inline constexpr std::uint8_t kSubstanceFreeName = 1;
inline constexpr std::uint8_t kSubstanceAlloyLayer = 2;

inline constexpr std::uint8_t kSubstSteel = 1;
inline constexpr std::uint8_t kSubstBrass = 3;
inline constexpr std::uint8_t kSubstCopper = 4;
inline constexpr std::uint8_t kSubstMolybdenum = 11;
inline constexpr std::uint8_t kSubstStainless = 13;
inline constexpr std::uint8_t kSubstAlloyLayer = 32;
inline constexpr std::uint8_t kSubstFreeNameCode = 33;

// Row 0 is the empty "none" row.
extern const std::array<SubstanceRow, kSubstanceCount + 1> SubstanceTable;
// Order of the base material selection dialog; 24-27 and 29-32 are never offered.
extern const std::array<std::uint8_t, 26> BaseDisplayOrder;

// Every lookup answers the empty row for code 0 or a code outside the table.
const SubstanceRow& GetSubstanceRow(int code);
std::string_view GetSubstanceShortName(int code);
std::string_view GetSubstanceFullName(int code);
bool IsFreeNameSubstance(int code);

}  // namespace klv
