#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "records/results_record.h"
#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// Single-byte text of a record (in the program's charset) as UTF-8, up to its terminator.
std::string RecordTextToUtf8(std::string_view text);

std::string FormatIsoDate(std::uint16_t packedDate);
std::string FormatIsoDateTime(const LocalTime& t);

// The record of measurement `number` of channel index `index` (0-49) from its log records;
// `at` is when it was taken (nothing: only the log's date is known). `calibration` is the
// calibration in force, or null.
MeasurementRecord BuildMeasurementRecord(const MeasFileData& d, int index, std::uint32_t number,
                                         std::span<const MsrLogRecord> records,
                                         const CalibrationStore* calibration, const LocalTime* at);

}  // namespace klv
