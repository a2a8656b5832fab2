#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace klv {

struct MeasFileData;

// An alloy coating whose composition is entered as the weight percent of one element.
struct AlloyContentRow {
    std::uint8_t coating;
    std::string_view element;  // shown as "Content of  %s"
    std::uint8_t maxContent;   // %
    float c1, c2, c3, scale;   // output current correction
    float baseDensity;         // g/cm³
    float elementDensity;      // g/cm³
};

inline constexpr int kAlloyContentCount = 4;
// In the order a condition's content value is matched against its layers.
extern const std::array<AlloyContentRow, kAlloyContentCount> AlloyContentTable;

// The row of an alloy coating, or nullptr.
const AlloyContentRow* FindAlloyContentForCoating(int coating);
// The row the condition's one content value belongs to: the first of SO, Zn-Sn, BRS, NiP
// found among its used layers, or nullptr.
const AlloyContentRow* FindAlloyContent(const MeasFileData& d);

}  // namespace klv
