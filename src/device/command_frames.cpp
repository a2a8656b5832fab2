#include "device/command_frames.h"

#include <cstring>

#include "device/device_command.h"

namespace klv {

namespace {

template <typename T>
void Put(Frame& f, T value) {
    std::uint8_t raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    f.insert(f.end(), raw, raw + sizeof(T));
}

}  // namespace

Frame CommandWordFrame(std::uint16_t word) {
    Frame f;
    Put(f, word);
    return f;
}

Frame StartElectrolysisFrame(std::uint8_t startFlags, std::uint16_t countPeriodMs,
                             std::uint16_t blankingMs, std::uint32_t autoStopCount,
                             std::uint32_t saturationCount) {
    Frame f = CommandWordFrame(kCmdStartElectrolysis);
    f.push_back(startFlags);
    Put(f, countPeriodMs);
    Put(f, blankingMs);
    Put(f, autoStopCount);
    Put(f, saturationCount);
    return f;
}

Frame StopElectrolysisFrame(std::uint8_t stopCode) {
    Frame f = CommandWordFrame(kCmdStopElectrolysis);
    f.push_back(stopCode);
    return f;
}

Frame SetPumpPeriodFrame(std::uint16_t period) {
    Frame f = CommandWordFrame(kCmdSetPumpFrequency);
    Put(f, period);
    return f;
}

Frame WritePortsFrame(std::uint8_t clearA, std::uint8_t setA, std::uint8_t setB,
                      std::uint8_t clearB) {
    Frame f = CommandWordFrame(kCmdWritePorts);
    f.insert(f.end(), {clearA, setA, setB, clearB});
    return f;
}

Frame SetDacValueFrame(std::uint16_t code) {
    Frame f = CommandWordFrame(kCmdSetDacValue);
    Put(f, code);
    return f;
}

Frame MechaSetCurrentCalibrateFrame(const CurrentCalibration& block) {
    Frame f = CommandWordFrame(kCmdMechaSetCurrentCalibrate);
    std::uint8_t raw[sizeof block];
    std::memcpy(raw, &block, sizeof block);
    f.insert(f.end(), raw, raw + sizeof block);
    return f;
}

std::uint16_t PumpPeriodFor(std::uint8_t hertz) {
    return hertz == 0 ? 0 : static_cast<std::uint16_t>(10000 / hertz);
}

std::uint8_t SensitivityHardwareCode(int setting, int automaticSensitivity) {
    const int effective = setting == 1 ? automaticSensitivity : setting;
    const int code = effective - 2;
    return (code >= 0 && code <= 7) ? static_cast<std::uint8_t>(code) : 0;
}

std::uint16_t FrameU16(const std::uint8_t* frame, std::size_t offset) {
    std::uint16_t v;
    std::memcpy(&v, frame + offset, sizeof v);
    return v;
}

std::uint32_t FrameU32(const std::uint8_t* frame, std::size_t offset) {
    std::uint32_t v;
    std::memcpy(&v, frame + offset, sizeof v);
    return v;
}

std::uint16_t FrameWord(const std::uint8_t* frame) { return FrameU16(frame, 0); }

}  // namespace klv
