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
