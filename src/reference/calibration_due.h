#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "reference/calibration_store.h"
#include "reference/meas_file_data.h"

namespace klv {

// When gasket calibrations fall due: the interval in days of each gasket code (0 = never) and
// today's packed date.
struct CalibrationSchedule {
    std::array<int, kGasketRecordCount> intervalDays{};
    std::uint16_t today = 0;
};

// The packed date the gasket's calibration falls due: its calibration date plus the interval.
// None without a calibration, with interval 0, or past the last date a packed date holds.
std::optional<std::uint16_t> CalibrationDueDate(const GasketCalibrationRecord& r, int intervalDays);

// The due date of the condition's gasket when today has reached it, else none.
std::optional<std::uint16_t> OverdueSince(const MeasFileData& d, const CalibrationStore& store,
                                          const CalibrationSchedule& schedule);

// Appended to a calibration date that is due.
inline constexpr char kCalibrationDueMark[] = " (due)";

// The calibration date of the condition's gasket as the lists show it: "" without one, with
// " (due)" once it has fallen due (no schedule: never).
std::string CalibrationDateText(const MeasFileData& d, const CalibrationStore& store,
                                const CalibrationSchedule* schedule);

// "The calibration of gasket A is due since 2026/11/30. Measure anyway?"
std::string CalibrationDueQuestion(const MeasFileData& d, std::uint16_t dueDate);
// The status line when a channel with a due calibration is opened.
std::string CalibrationDueStatus(const MeasFileData& d, std::uint16_t dueDate);

}  // namespace klv
