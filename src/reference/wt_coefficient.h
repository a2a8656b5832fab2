#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// WT modes of MeasFileData.bWtMode.
inline constexpr std::uint8_t kWtModeNone = 0;
inline constexpr std::uint8_t kWtModeRoundRod = 1;
inline constexpr std::uint8_t kWtModeSquareRod = 2;
inline constexpr std::uint8_t kWtModeSmallParts = 3;
inline constexpr std::uint8_t kWtModeDirect = 4;

// Gasket A's area over the dissolved surface of the geometry (modes 1-3); 0 for the other
// modes and for a geometry without surface.
float GetWtCoefficient(const MeasFileData& d);

// The flag bit of the value that mode asks for after each measurement.
std::uint8_t GetWtLaterFlag(std::uint8_t wtMode);

// Stores the coefficient of the geometry (modes 1-3) and marks it valid, unless its value is
// to be input later.
void ApplyWtCoefficient(MeasFileData& d);

}  // namespace klv
