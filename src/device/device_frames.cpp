#include "device/device_frames.h"

namespace klv {

std::uint16_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t GetU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void PutU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t FrameWord(const std::uint8_t* frame, std::uint32_t length) {
    return frame && length >= 2 ? GetU16(frame) : 0;
}

static Frame WithWord(std::uint16_t word, std::size_t length) {
    Frame f(length, 0);
    PutU16(f.data(), word);
    return f;
}

Frame MakeQueryFrame(std::uint16_t word) {
    return WithWord(word, 2);
}

Frame MakeStartElectrolysisFrame(std::uint8_t flags, std::uint16_t countPeriodMs,
                                 std::uint16_t blankingMs, std::uint32_t autoStopCount,
                                 std::uint32_t saturationCount) {
    Frame f = WithWord(kStartElectrolysis, 15);
    f[2] = flags;
    PutU16(&f[3], countPeriodMs);
    PutU16(&f[5], blankingMs);
    PutU32(&f[7], autoStopCount);
    PutU32(&f[11], saturationCount);
    return f;
}

Frame MakeStopElectrolysisFrame(bool abort) {
    Frame f = WithWord(kStopElectrolysis, 3);
    f[2] = abort ? 2 : 1;
    return f;
}

Frame MakeSetPumpFrequencyFrame(std::uint8_t frequencyHz) {
    Frame f = WithWord(kSetPumpFrequency, 4);
    PutU16(&f[2], frequencyHz ? static_cast<std::uint16_t>(10000 / frequencyHz) : 0);
    return f;
}

Frame MakeWritePortsFrame(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                          std::uint8_t clearB) {
    Frame f = WithWord(kWritePorts, 6);
    f[2] = clearA;
    f[3] = setA;
    f[4] = setB;
    f[5] = clearB;
    return f;
}

Frame MakeSetDacValueFrame(std::uint16_t code) {
    Frame f = WithWord(kSetDacValue, 4);
    PutU16(&f[2], code);
    return f;
}

Frame MakeSetCurrentCalibrateFrame(const std::array<std::uint8_t, kCalibrationLength>& block) {
    Frame f = WithWord(kMechaSetCurrentCalibrate, 2 + kCalibrationLength);
    for (std::uint32_t i = 0; i < kCalibrationLength; ++i)
        f[2 + i] = block[i];
    return f;
}

Frame MakeClearEndDetectFrame() {
    return WithWord(kClearEndDetect, 2);
}

std::uint8_t SensitivityHardwareCode(int sensitivity) {
    int code = sensitivity - 2;
    return code >= 0 && code <= 7 ? static_cast<std::uint8_t>(code) : 0;
}

}  // namespace klv
