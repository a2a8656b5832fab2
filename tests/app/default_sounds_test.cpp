#include "app/default_sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>

#include "app/tone_wave.h"

namespace klv {
namespace {

std::uint32_t Le(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

std::int16_t Sample(const std::string& wave, std::size_t n) {
    return static_cast<std::int16_t>(Le(wave, 44 + 2 * n, 2));
}

TEST(ToneWave, IsAPlayableMonoPcmImageThatStartsAndEndsSilently) {
    const Tone tones[] = {{1000, 100}, {0, 20}};
    std::string wave = MakeToneWave(tones);
    ASSERT_EQ(wave.size(), 44u + 2 * (2205 + 441));
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(Le(wave, 4, 4), wave.size() - 8);
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le(wave, 20, 2), 1u);  // PCM
    EXPECT_EQ(Le(wave, 22, 2), 1u);  // mono
    EXPECT_EQ(Le(wave, 24, 4), 22050u);
    EXPECT_EQ(Le(wave, 34, 2), 16u);
    EXPECT_EQ(wave.substr(36, 4), "data");
    EXPECT_EQ(Le(wave, 40, 4), wave.size() - 44);
    int peak = 0;
    for (std::size_t n = 0; n < 2205; ++n)
        peak = std::max(peak, std::abs(static_cast<int>(Sample(wave, n))));
    EXPECT_GT(peak, 15000);
    EXPECT_EQ(Sample(wave, 0), 0);
    EXPECT_LT(std::abs(static_cast<int>(Sample(wave, 2204))), 200);
    for (std::size_t n = 2205; n < 2205 + 441; ++n)
        ASSERT_EQ(Sample(wave, n), 0) << n;
}

TEST(DefaultSounds, EveryEventHasATuneOfItsOwn) {
    std::set<std::string> waves;
    for (int row = 0; row < 7; ++row) {
        std::string wave = DefaultSoundWave(row);
        EXPECT_GT(wave.size(), 44u + 2 * 22050 / 10) << row;  // at least a tenth of a second
        EXPECT_LT(wave.size(), 44u + 2 * 22050) << row;       // short: below one second
        waves.insert(wave);
    }
    EXPECT_EQ(waves.size(), 7u);
    EXPECT_TRUE(DefaultSoundWave(7).empty());
}

}  // namespace
}  // namespace klv
