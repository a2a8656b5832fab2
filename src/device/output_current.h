#pragma once

#include <array>
#include <cstdint>

#include "device/device_frames.h"

namespace klv {

inline constexpr float kDacHighPoint = 55071.42578125f;
inline constexpr std::uint32_t kDacMaximum = 65535;
inline constexpr int kOutputRangeCount = 5;

struct OutputRange {
    float highMa;
    float lowMa;
    std::uint8_t code;  // port B bits 0-2
};
extern const std::array<OutputRange, kOutputRangeCount> OutputRangeTable;

// The 40-byte current calibration block: per range the relative error of the high output
// point, then of the low point. All zero = uncalibrated.
struct CurrentCalibration {
    std::array<float, 2 * kOutputRangeCount> fErrors{};

    float HighError(int range) const { return fErrors[2 * range]; }
    float LowError(int range) const { return fErrors[2 * range + 1]; }
    static CurrentCalibration FromBlock(const std::uint8_t* block);
};

struct OutputSetting {
    int range = 0;  // index 0-4 into OutputRangeTable
    std::uint16_t dacCode = 0;
    bool clamped = false;  // the target lay beyond the DAC's reach
};

// Range and DAC code for target `targetMa`. Nominal uses `nominalRange` without errors.
OutputSetting ChooseOutput(float targetMa, const CurrentCalibration& cal, bool nominal,
                           int nominalRange);

}  // namespace klv
