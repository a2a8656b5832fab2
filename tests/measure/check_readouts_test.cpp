#include "measure/check_readouts.h"

#include <gtest/gtest.h>

namespace klv {
namespace {

TEST(CheckReadouts, LevelIndicationDividesBy127FromReading128AndBy128Below) {
    const struct {
        int reading;
        int mv;
    } cases[] = {{0, -5000}, {1, -4960}, {127, -39}, {128, 0}, {129, 39}, {255, 5000}};
    for (const auto& c : cases)
        EXPECT_EQ(LevelIndicationMv(static_cast<std::uint8_t>(c.reading)), c.mv) << c.reading;
}

TEST(CheckReadouts, GraphIndicationDividesBy32767AboveZeroAndBy32768Below) {
    const struct {
        int reading;
        int mv;
    } cases[] = {{32767, 10000},  {-32768, -10000}, {-32767, -9999}, {16384, 5000},
                 {-16384, -5000}, {-4, -1},         {3, 0},          {0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(GraphIndicationMv(static_cast<std::int16_t>(c.reading)), c.mv) << c.reading;
    EXPECT_EQ(FormatMv(-39), "-39 mV");
}

TEST(CheckReadouts, OutputCurrentIsFactorTimesAreaRatioTimesRangeFactor) {
    EXPECT_FLOAT_EQ(CheckOutputCurrent(10, 1, 2), 34.2f);         // Ni, A, 1/1
    EXPECT_FLOAT_EQ(CheckOutputCurrent(3, 2, 1), 88.6f);          // Cr, B, 2/1
    EXPECT_NEAR(CheckOutputCurrent(13, 3, 8), 0.0201567f, 1e-6);  // BCr, C, 1/100
    EXPECT_EQ(FormatCheckCurrent(34.2f), "34.200 mA");
    EXPECT_EQ(FormatCheckCurrent(177.2f), "177.20 mA");
    EXPECT_EQ(FormatCheckCurrent(0.0201567f), "0.0202 mA");
    EXPECT_EQ(FormatCheckCurrent(123456.0f), "123456 mA");
}

}  // namespace
}  // namespace klv

#include "measure/current_calibration_sheet.h"

namespace klv {
namespace {

TEST(CurrentCalibrationSheet, ReadValuesAndErrorsInTheUnitOfTheirRange) {
    const OutputPoint hi210 = OutputPointAt(0), lo21uA = OutputPointAt(7);
    EXPECT_FLOAT_EQ(NominalMa(hi210), 210.0f);
    EXPECT_FLOAT_EQ(NominalMa(lo21uA), 0.021f);
    EXPECT_EQ(FormatReadValue(hi210, 0.0f), "210.0");
    EXPECT_EQ(FormatReadValue(OutputPointAt(1), 0.0f), "21.00");
    EXPECT_EQ(FormatReadValue(OutputPointAt(4), 0.0f), "2100.");  // 2.1 mA in µA
    EXPECT_EQ(FormatReadValue(lo21uA, 0.0f), "21.00");
    EXPECT_EQ(FormatReadValue(OutputPointAt(9), 0.0f), "2.100");
    EXPECT_EQ(FormatReadValue(hi210, 0.01f), "212.1");
    EXPECT_EQ(FormatReadError(hi210, 210.0), "0");
    EXPECT_EQ(FormatReadError(hi210, 212.1), "+1.00%");
    EXPECT_EQ(FormatReadError(hi210, 207.9), "-1.00%");
    EXPECT_EQ(FormatReadError(hi210, 1000.0), "+99.99%");
    EXPECT_EQ(FormatReadError(lo21uA, 21.21), "+1.00%");
}

TEST(CurrentCalibrationSheet, TheBlockHoldsEachPointsRelativeErrorOrNothing) {
    std::array<std::string, kOutputPointCount> typed = {
        "212.1", "21.00", "21.21", "2.100", "2100", "210.0", "210.0", "21.00", "21.00", "2.100"};
    int bad = -1;
    std::optional<CurrentCalibration> cal = CalibrationFromReadings(typed, &bad);
    ASSERT_TRUE(cal.has_value());
    EXPECT_NEAR(cal->HighError(0), 0.01f, 1e-6);
    EXPECT_NEAR(cal->HighError(1), 0.01f, 1e-6);
    EXPECT_NEAR(cal->LowError(1), 0.0f, 1e-6);
    EXPECT_NEAR(cal->HighError(2), 0.0f, 1e-6);
    EXPECT_NEAR(cal->LowError(4), 0.0f, 1e-6);
    const std::optional<std::vector<std::string>> lines = CalibrationPrintLines(typed);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 6u);
    EXPECT_EQ(lines->front(), "Hi output\tRead value\tError\tLo output\tRead value\tError");
    EXPECT_EQ((*lines)[1], "210.0mA\t212.1\t+1.00%\t21.00mA\t21.00\t0");
    EXPECT_EQ((*lines)[5], "21.00um\t21.00\t0\t2.100um\t2.100\t0");
    typed[6] = "2l0";
    EXPECT_FALSE(CalibrationFromReadings(typed, &bad).has_value());
    EXPECT_EQ(bad, 6);
    EXPECT_FALSE(CalibrationPrintLines(typed).has_value()) << "nothing printed with a bad value";
}

TEST(CurrentCalibrationSheet, ReadValuesFurtherThanTwentyPercentFromTheirPointAreRefused) {
    const std::array<std::string, kOutputPointCount> good = {
        "210.0", "21.00", "21.00", "2.100", "2100", "210.0", "210.0", "21.00", "21.00", "2.100"};
    struct Case {
        int point;
        const char* typed;
        ReadingFault fault;
    };
    // 0, a negative value and a misplaced decimal point at 210 mA; the ends of the band.
    const Case cases[] = {
        {0, "0", ReadingFault::OutOfRange},    {0, "-210", ReadingFault::OutOfRange},
        {0, "21.0", ReadingFault::OutOfRange}, {0, "167.9", ReadingFault::OutOfRange},
        {0, "168", ReadingFault::None},        {0, "252", ReadingFault::None},
        {3, "2.53", ReadingFault::OutOfRange}, {4, "1680", ReadingFault::None},
        {9, "1.67", ReadingFault::OutOfRange}, {9, "x", ReadingFault::NotANumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " at point " + std::to_string(c.point));
        std::array<std::string, kOutputPointCount> typed = good;
        typed[static_cast<std::size_t>(c.point)] = c.typed;
        int bad = -1;
        ReadingFault fault = ReadingFault::None;
        EXPECT_EQ(CalibrationFromReadings(typed, &bad, &fault).has_value(),
                  c.fault == ReadingFault::None);
        EXPECT_EQ(fault, c.fault);
        EXPECT_EQ(bad, c.fault != ReadingFault::None ? c.point : -1);
        // What was read is printed all the same, as long as it is a number.
        EXPECT_EQ(CalibrationPrintLines(typed).has_value(), c.fault != ReadingFault::NotANumber);
    }
    EXPECT_EQ(ReadValueRangeText(OutputPointAt(0)), "Range of values are from  168  to  252.");
    EXPECT_EQ(ReadValueRangeText(OutputPointAt(9)), "Range of values are from  1.68  to  2.52.");
}

}  // namespace
}  // namespace klv
