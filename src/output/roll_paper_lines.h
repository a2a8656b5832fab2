#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// Roll-paper print mode bits (LinePrinter/MeasDataPrint).
inline constexpr int kPrintOneDataPerLine = 0x01;
inline constexpr int kPrintFiveDataPerLine = 0x04;
inline constexpr int kPrintAtStatistics = 0x08;
inline constexpr int kPrintModeBits =
    kPrintOneDataPerLine | kPrintFiveDataPerLine | kPrintAtStatistics;

// Measurements of a single layer without plating weight count may be gathered five to a line
// or left to the statistics; everything else prints one data per line.
bool IsGatheredMeasurement(const MeasFileData& d);

// The lines of a stored measurement (or of its layers so far): a single-layer condition gives
// one, more layers one per item from the current layer's on (from the first when alloy or an
// unusable WT coefficient makes the items depend on each other).
std::vector<std::string> MakeMeasurementLines(const MeasFileData& d,
                                              std::span<const MsrLogRecord> records,
                                              int currentLayer);

// "%4d " with the first data number, " %s" per value text, then " %s" with the unit.
std::string MakeFiveDataLine(const MeasFileData& d, std::uint32_t firstNumber,
                             const std::vector<std::string>& values);

// The first item's value text of a measurement, as the five-data line shows it.
std::string GetFirstValueText(const MeasFileData& d, std::span<const MsrLogRecord> records);

}  // namespace klv
