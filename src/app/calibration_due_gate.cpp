#include "app/calibration_due_gate.h"

#include <algorithm>
#include <string>

#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

constexpr char kSection[] = "Calibration";

std::string IntervalKey(int gasket) {
    return "Interval" + std::string(GetGasketName(gasket));
}

bool IsMeasuringGasket(int gasket) {
    return gasket >= kGasketA && gasket < kGasketWT;
}

}  // namespace

int ReadCalibrationInterval(const ProfileFile& ini, int gasket) {
    if (!IsMeasuringGasket(gasket))
        return 0;
    // A negative interval in a hand-edited file means never, as 0 does.
    return std::max(ini.GetProfileInt(kSection, IntervalKey(gasket), 0), 0);
}

bool WriteCalibrationInterval(ProfileFile& ini, int gasket, int days) {
    return IsMeasuringGasket(gasket) && ini.WriteProfileInt(kSection, IntervalKey(gasket), days);
}

CalibrationSchedule LoadCalibrationSchedule(const ProfileFile& ini, Clock& clock) {
    CalibrationSchedule s;
    for (int g = kGasketA; g < kGasketWT; ++g)
        s.intervalDays[static_cast<std::size_t>(g)] = ReadCalibrationInterval(ini, g);
    const LocalTime now = clock.Now();
    s.today = PackDate(now.year, now.month, now.day);
    return s;
}

void CCalibrationDueGate::Reset() {
    m_answered = false;
    m_overdue.clear();
}

bool CCalibrationDueGate::MayStart(const MeasFileData& d, const CalibrationStore& store,
                                   const CalibrationSchedule& schedule, std::uint32_t dataNumber,
                                   Operator& op) {
    const std::optional<std::uint16_t> due = OverdueSince(d, store, schedule);
    if (!due) {
        m_overdue.erase(dataNumber);
        return true;
    }
    if (!m_answered) {
        if (op.ShowMessage(CalibrationDueQuestion(d, *due), MsgIcon::Question, MsgButtons::YesNo) !=
            IDYES)
            return false;
        m_answered = true;
    }
    m_overdue.insert(dataNumber);
    return true;
}

void CCalibrationDueGate::Forget(std::uint32_t fromDataNumber) {
    m_overdue.erase(m_overdue.lower_bound(fromDataNumber), m_overdue.end());
}

}  // namespace klv
