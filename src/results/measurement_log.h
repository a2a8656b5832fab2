#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "base/clock.h"
#include "reference/condition_store.h"
#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// The records of the measurement being taken; the caller keeps it for the whole measurement.
using MeasurementBuffer = std::array<MsrLogRecord, kMaxLayers>;

inline constexpr char kMsgMeasurementLimit[] =
    "Amount of measurement data have reached to the limit.";

// Whether the channel may start another measurement (at most 99999 are stored).
bool CanAcceptMeasurement(const MeasFileData& d);

// Stores layer k of the running measurement: k = 0 first completes an interrupted measurement
// (CompleteInterruptedMeasurement) and reserves the new measurement's records, then the buffer
// is written at the measurement's start and the condition with one more record. On failure the
// condition is left as it was, apart from such a completion (records beyond its count are
// ignored).
bool AddMsrLogRecord(ConditionStore& store, Clock& clock, MeasFileData& d, int index,
                     MeasurementBuffer& buffer, int k, float valueInUnit, bool noValue);

// Stores layer k, the one stored last of the running measurement, again with a new value
// (after an additional electrolysis): its records are rewritten in place, the count stays.
// On failure the buffer and the log are left as they were.
bool RestoreLastLayerRecord(ConditionStore& store, const MeasFileData& d, int index,
                            MeasurementBuffer& buffer, int k, float valueInUnit);

// Where the roll-paper printer takes the cancellation line.
class CancellationPrinter {
public:
    virtual ~CancellationPrinter() = default;
    virtual void PrintCancellationLine(const std::string& line) = 0;
};

enum class CancelResult { Cancelled, Declined, Failed };

// "%4d    --Cancellation of data--" for the cancelled measurement number.
std::string FormatCancellationLine(std::uint32_t number);

// Drops the last (or the partly stored) measurement after the operator's confirmation;
// `printer` is null when printing of results is off.
CancelResult CancelLastMeasurement(ConditionStore& store, MeasFileData& d, int index,
                                   CancellationPrinter* printer);

// Writes the L records of measurement `number` (1-based) back in place.
bool RewriteMeasurement(ConditionStore& store, const MeasFileData& d, int index,
                        std::uint32_t number, std::span<const MsrLogRecord> records);

// Removes the measurements with the given numbers (1-based). The later measurements move down
// in the log before the lowered record count is written, so no crash loses one that stays.
bool RemoveMeasurements(ConditionStore& store, MeasFileData& d, int index,
                        std::span<const std::uint32_t> numbers);

}  // namespace klv
