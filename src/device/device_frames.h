#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace klv {

inline constexpr std::uint16_t kStartElectrolysis = 0x025A;
inline constexpr std::uint16_t kStopElectrolysis = 0x045A;
inline constexpr std::uint16_t kSetPumpFrequency = 0x065A;
inline constexpr std::uint16_t kWritePorts = 0x085A;
inline constexpr std::uint16_t kSetDacValue = 0x0A5A;
inline constexpr std::uint16_t kMechaSetCurrentCalibrate = 0x0C5A;
inline constexpr std::uint16_t kClearEndDetect = 0x0E5A;
inline constexpr std::uint16_t kGetDeviceStatus = 0x105A;
inline constexpr std::uint16_t kMechaGetCurrentCalibrate = 0x125A;
inline constexpr std::uint16_t kCommandCancel = 0xFAF0;

inline constexpr std::uint32_t kDeviceStatusLength = 22;
inline constexpr std::uint32_t kCalibrationLength = 40;

using Frame = std::vector<std::uint8_t>;

// The command word of a frame (0 when shorter than two bytes).
std::uint16_t FrameWord(const std::uint8_t* frame, std::uint32_t length);
std::uint16_t GetU16(const std::uint8_t* p);
std::uint32_t GetU32(const std::uint8_t* p);
void PutU16(std::uint8_t* p, std::uint16_t v);
void PutU32(std::uint8_t* p, std::uint32_t v);

Frame MakeQueryFrame(std::uint16_t word);
Frame MakeStartElectrolysisFrame(std::uint8_t flags, std::uint16_t countPeriodMs,
                                 std::uint16_t blankingMs, std::uint32_t autoStopCount,
                                 std::uint32_t saturationCount);
Frame MakeStopElectrolysisFrame(bool abort);
Frame MakeSetPumpFrequencyFrame(std::uint8_t frequencyHz);
Frame MakeWritePortsFrame(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                          std::uint8_t clearB);
Frame MakeSetDacValueFrame(std::uint16_t code);
Frame MakeSetCurrentCalibrateFrame(const std::array<std::uint8_t, kCalibrationLength>& block);
Frame MakeClearEndDetectFrame();

// Port A bits 3-5 for sensitivity 2-9; 0 for any other.
std::uint8_t SensitivityHardwareCode(int sensitivity);

}  // namespace klv
