#include "reference/calibration_due.h"

#include "reference/calibration_date.h"
#include "reference/layer_value_format.h"
#include "reference/unit_gasket_tables.h"

namespace klv {
namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

constexpr int kLastPackedYear = 2099;

std::string GasketLetter(const MeasFileData& d) {
    return std::string(GetGasketName(d.bGasket));
}

}  // namespace

std::optional<std::uint16_t> CalibrationDueDate(const GasketCalibrationRecord& r,
                                                int intervalDays) {
    if (intervalDays <= 0 || (r.bCalFlags & kGasketHasCalibration) == 0 || r.wCalDate == 0)
        return std::nullopt;
    const Date from = UnpackDate(r.wCalDate);
    const Date due = CivilFromDays(DaysFromCivil(from.year, from.month, from.day) + intervalDays);
    if (due.year > kLastPackedYear)
        return std::nullopt;
    return PackDate(due.year, due.month, due.day);
}

std::optional<std::uint16_t> OverdueSince(const MeasFileData& d, const CalibrationStore& store,
                                          const CalibrationSchedule& schedule) {
    if (d.bGasket >= kGasketRecordCount)
        return std::nullopt;
    const std::optional<std::uint16_t> due =
        CalibrationDueDate(store.gasket[d.bGasket], schedule.intervalDays[d.bGasket]);
    // Packed dates order as the days they name.
    if (!due || schedule.today < *due)
        return std::nullopt;
    return due;
}

std::string CalibrationDateText(const MeasFileData& d, const CalibrationStore& store,
                                const CalibrationSchedule* schedule) {
    std::string date = FormatCalibrationDate(d, store);
    if (!date.empty() && schedule != nullptr && OverdueSince(d, store, *schedule))
        date += kCalibrationDueMark;
    return date;
}

std::string CalibrationDueQuestion(const MeasFileData& d, std::uint16_t dueDate) {
    return "The calibration of gasket " + GasketLetter(d) + " is due since " +
           FormatPackedDate(dueDate) + ". Measure anyway?";
}

std::string CalibrationDueStatus(const MeasFileData& d, std::uint16_t dueDate) {
    return "The calibration of gasket " + GasketLetter(d) + " is due since " +
           FormatPackedDate(dueDate) + ".";
}

}  // namespace klv
