#pragma once

#include <cstdint>
#include <vector>

#include "device/device_status.h"

namespace klv {

using Frame = std::vector<std::uint8_t>;

// The command frames exactly as the instrument reads them (little-endian).
Frame StartElectrolysisFrame(std::uint8_t startFlags, std::uint16_t countPeriodMs,
                             std::uint16_t blankingMs, std::uint32_t autoStopCount,
                             std::uint32_t saturationCount);
Frame StopElectrolysisFrame(std::uint8_t stopCode);
Frame SetPumpPeriodFrame(std::uint16_t period);
Frame WritePortsFrame(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                      std::uint8_t clearB);
Frame SetDacValueFrame(std::uint16_t code);
Frame MechaSetCurrentCalibrateFrame(const CurrentCalibration& block);
Frame CommandWordFrame(std::uint16_t word);

// The pump period in 0.1 ms for a frequency in Hz; 0 Hz switches the pump off.
std::uint16_t PumpPeriodFor(std::uint8_t hertz);
// The port A hardware code for a sensitivity setting; "Automatic" (1) uses the range's.
std::uint8_t SensitivityHardwareCode(int setting, int automaticSensitivity);

std::uint16_t FrameWord(const std::uint8_t* frame);
std::uint32_t FrameU32(const std::uint8_t* frame, std::size_t offset);
std::uint16_t FrameU16(const std::uint8_t* frame, std::size_t offset);

}  // namespace klv
