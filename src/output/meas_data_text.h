#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "output/meas_data_line.h"

namespace klv {

// The lines of consecutive measurements, numbered from `firstNumber`, each ended by CR LF.
// `records` holds L records per measurement; a last measurement may hold fewer. Layers of an
// interrupted write count as stored without value; a measurement with no stored layer at all
// is left out and its number added to `neverStored`.
std::string FormatMeasDataText(const MeasFileData& d, std::span<const MsrLogRecord> records,
                               std::uint32_t firstNumber, const LineFormat& format,
                               std::vector<std::uint32_t>& neverStored);

// What an output tells after writing when measurements were left out for holding no stored
// layer.
std::string LeftOutMessage(std::size_t count);

}  // namespace klv
