#include "reference/calibration_due.h"

#include <gtest/gtest.h>

#include "reference/channel_list_rows.h"
#include "reference/layer_value_format.h"
#include "support/result_conditions.h"

namespace klv {
namespace {

GasketCalibrationRecord CalibratedOn(int year, int month, int day) {
    GasketCalibrationRecord r{};
    r.bCalFlags = kGasketHasCalibration;
    r.wCalDate = PackDate(year, month, day);
    return r;
}

TEST(CalibrationDue, TheDueDateCountsCalendarDays) {
    struct Case {
        GasketCalibrationRecord record;
        int days;
        std::optional<std::uint16_t> due;
    };
    const Case cases[] = {
        {CalibratedOn(2026, 11, 1), 29, PackDate(2026, 11, 30)},
        {CalibratedOn(2026, 12, 20), 15, PackDate(2027, 1, 4)},
        {CalibratedOn(2028, 2, 28), 1, PackDate(2028, 2, 29)},
        {CalibratedOn(2027, 2, 28), 1, PackDate(2027, 3, 1)},
        {CalibratedOn(2026, 3, 4), 365, PackDate(2027, 3, 4)},
        {CalibratedOn(2026, 3, 4), 0, std::nullopt},
        {CalibratedOn(2099, 12, 1), 31, std::nullopt},
        {GasketCalibrationRecord{}, 30, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CalibrationDueDate(c.record, c.days), c.due)
            << FormatPackedDate(c.record.wCalDate) << " + " << c.days;
}

TEST(CalibrationDue, FallsDueOnItsDayAndShowsSoInTheLists) {
    const MeasFileData d = test::Condition({test::Layer(kCoatNickel, "Ni")});
    const CalibrationStore store = test::CalibratedGasketA(1.0f);  // 2026/03/04
    CalibrationSchedule s;
    s.intervalDays[kGasketA] = 30;
    s.today = PackDate(2026, 4, 2);
    EXPECT_EQ(OverdueSince(d, store, s), std::nullopt) << "the day before";
    EXPECT_EQ(CalibrationDateText(d, store, &s), "2026/03/04");
    s.today = PackDate(2026, 4, 3);
    EXPECT_EQ(OverdueSince(d, store, s), PackDate(2026, 4, 3));
    EXPECT_EQ(CalibrationDateText(d, store, &s), "2026/03/04 (due)");
    EXPECT_EQ(CalibrationDateText(d, store, nullptr), "2026/03/04");
    const std::string listed = ChannelListCells(0, &d, store, &s)[8];
    EXPECT_EQ(listed.substr(listed.rfind('\n') + 1), "2026/03/04 (due)  +1%");
    EXPECT_EQ(CalibrationDueQuestion(d, PackDate(2026, 11, 30)),
              "The calibration of gasket A is due since 2026/11/30. Measure anyway?");
    EXPECT_EQ(CalibrationDueStatus(d, PackDate(2026, 11, 30)),
              "The calibration of gasket A is due since 2026/11/30.");
    // Another gasket's interval does not count, nor one without a calibration.
    MeasFileData onB = d;
    onB.bGasket = kGasketA + 1;
    EXPECT_EQ(OverdueSince(onB, store, s), std::nullopt);
    s.intervalDays[kGasketA + 1] = 1;
    EXPECT_EQ(OverdueSince(onB, store, s), std::nullopt);
}

}  // namespace
}  // namespace klv
