#pragma once

#include <cstdint>
#include <set>

#include "base/clock.h"
#include "base/operator.h"
#include "base/profile.h"
#include "reference/calibration_due.h"

namespace klv {

// The calibration interval of each measuring gasket (A, B, C), in days; 0 = never due.
int ReadCalibrationInterval(const ProfileFile& ini, int gasket);
bool WriteCalibrationInterval(ProfileFile& ini, int gasket, int days);
// The intervals of the settings file and today's date from the clock.
CalibrationSchedule LoadCalibrationSchedule(const ProfileFile& ini, Clock& clock);

// The open channel's guard against measuring with a due calibration: F2 asks once per channel
// opening, and the measurements taken anyway are remembered by data number.
class CCalibrationDueGate {
public:
    // A channel was opened: ask again, remember nothing.
    void Reset();
    // Whether measurement `dataNumber` (1-based) of `d` may start; asks the operator the first
    // time the gasket is found due. Remembers whether the measurement is taken with a due
    // calibration.
    bool MayStart(const MeasFileData& d, const CalibrationStore& store,
                  const CalibrationSchedule& schedule, std::uint32_t dataNumber, Operator& op);
    bool TakenOverdue(std::uint32_t dataNumber) const { return m_overdue.count(dataNumber) != 0; }
    // Measurements from `dataNumber` on were removed.
    void Forget(std::uint32_t fromDataNumber);

private:
    bool m_answered = false;
    std::set<std::uint32_t> m_overdue;
};

}  // namespace klv
