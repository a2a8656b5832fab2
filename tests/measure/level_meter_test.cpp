#include <gtest/gtest.h>

#include "measure/level_meter_level.h"

namespace klv {
namespace {

PollingData Poll(std::uint16_t flags, std::uint8_t adc, std::uint8_t reason = 0) {
    PollingData p;
    p.status.SetFlags(flags);
    p.status.SetAdc0804(adc);
    p.status.SetEndReason(reason);
    return p;
}

TEST(LevelMeter, LevelsFromTheReading) {
    struct Case {
        std::uint8_t reading;
        int level;
    };
    const Case cases[] = {{135, 1}, {121, -1}, {200, 6}, {255, 6}, {128, 0},
                          {127, 0}, {134, 0},  {122, 0}, {0, -6},  {148, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(LevelFromReading(c.reading), c.level) << int(c.reading);
}

TEST(LevelMeter, BlankingStoppedAndPlatingEnd) {
    LevelMeterState s = LevelMeterFor(Poll(kStatusRunning, 200));
    EXPECT_EQ(s.level, 6);
    EXPECT_TRUE(s.running);
    EXPECT_FALSE(s.blinking);
    s = LevelMeterFor(Poll(kStatusRunning | kStatusBlanking, 200));
    EXPECT_EQ(s.level, 0);
    EXPECT_TRUE(s.blinking);
    s = LevelMeterFor(Poll(0, 200, kEndPlating));
    EXPECT_EQ(s.level, 6);
    EXPECT_FALSE(s.running);
    s = LevelMeterFor(Poll(0, 200, kEndOperatorStop));
    EXPECT_EQ(s.level, 0);
}

}  // namespace
}  // namespace klv
