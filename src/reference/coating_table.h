#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace klv {

// One coating; the code is the index and is stored in condition files.
struct CoatingRow {
    std::string_view shortName;  // at most 6 characters
    std::string_view fullName;
    std::uint8_t substance;  // substance code of the same material lying under another layer
    float density;           // g/cm³
    bool freeName;           // the operator types the name
    std::string_view surfaceText;
};

inline constexpr int kCoatingCount = 20;
inline constexpr std::uint8_t GoldCoatingCode = 18;
inline constexpr std::uint8_t kFreeNameCoatingCode = 20;

// Coating codes the rules refer to by material.
inline constexpr std::uint8_t kCoatBrass = 1;
inline constexpr std::uint8_t kCoatChrome = 3;
inline constexpr std::uint8_t kCoatCopper = 5;
inline constexpr std::uint8_t kCoatSolder = 7;
inline constexpr std::uint8_t kCoatZincTin = 8;
inline constexpr std::uint8_t kCoatTin = 11;
inline constexpr std::uint8_t kCoatTinWire = 12;
inline constexpr std::uint8_t kCoatNickel = 16;
inline constexpr std::uint8_t kCoatElectrolessNickel = 17;

// Row 0 is the empty "none" row.
extern const std::array<CoatingRow, kCoatingCount + 1> CoatingTable;
// Order of the coating selection dialog.
extern const std::array<std::uint8_t, kCoatingCount> CoatingDisplayOrder;

// Texts shown before a layer is measured, T1-T9.
extern const std::array<std::string_view, 9> SurfaceTreatmentTexts;

// Every lookup answers the empty row for code 0 or a code outside the table.
const CoatingRow& GetCoatingRow(int code);
std::string_view GetCoatingShortName(int code);
std::string_view GetCoatingFullName(int code);
float GetCoatingDensity(int code);
std::uint8_t GetCoatingSubstance(int code);
std::string_view GetSurfaceText(int code);
bool IsFreeNameCoating(int code);
// SO, Sn or SnW: the coatings an alloy layer lies under.
bool IsTinTypeCoating(int code);
// BRS or Cu: the coatings an alloy layer lies over.
bool IsCopperTypeCoating(int code);

}  // namespace klv
