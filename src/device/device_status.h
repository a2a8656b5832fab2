#pragma once

#include <array>
#include <cstdint>

#include "device/device_frames.h"

namespace klv {

inline constexpr std::uint16_t kStatusEepromFailed = 0x0001;
inline constexpr std::uint16_t kStatusEndDetected = 0x0002;
inline constexpr std::uint16_t kStatusRunning = 0x0100;
inline constexpr std::uint16_t kStatusBlanking = 0x0200;
inline constexpr std::uint16_t kStatusEnded = 0x1000;

enum EndReason : std::uint8_t {
    kEndOperatorStop = 1,
    kEndAbort = 2,
    kEndPlating = 3,
    kEndAutoStop = 4,
    kEndSaturation = 5,
};

inline constexpr std::uint8_t kPortAPump = 0x80;
inline constexpr std::uint8_t kPortBProbe = 0x08;
inline constexpr std::uint8_t kPortBReverse = 0x10;
inline constexpr std::uint8_t kPortBWNi = 0x20;
inline constexpr std::uint8_t kPortBBalance = 0x40;
inline constexpr std::uint8_t kPortBTripArmed = 0x80;
inline constexpr std::uint8_t kPortCProbe = 0x04;

// The 22-byte answer of GetDeviceStatus, kept as the bytes received.
struct DeviceStatus {
    std::array<std::uint8_t, kDeviceStatusLength> bytes{};

    std::uint16_t wFlags() const { return GetU16(&bytes[0]); }
    std::uint8_t bEndReason() const { return bytes[2]; }
    std::uint16_t wPumpPeriod() const { return GetU16(&bytes[4]); }
    std::uint32_t dwCount() const { return GetU32(&bytes[6]); }
    std::uint32_t dwElapsed() const { return GetU32(&bytes[10]); }
    std::uint8_t bPortA() const { return bytes[14]; }
    std::uint8_t bPortB() const { return bytes[15]; }
    std::uint8_t bPortC() const { return bytes[16]; }
    std::uint8_t bAdc0804() const { return bytes[17]; }
    std::int16_t sAd976() const { return static_cast<std::int16_t>(GetU16(&bytes[18])); }
    std::uint16_t wAd5541() const { return GetU16(&bytes[20]); }

    bool IsEepromFailed() const { return wFlags() & kStatusEepromFailed; }
    bool IsEndDetected() const { return wFlags() & kStatusEndDetected; }
    bool IsRunning() const { return wFlags() & kStatusRunning; }
    bool IsBlanking() const { return wFlags() & kStatusBlanking; }
    bool IsEnded() const { return wFlags() & kStatusEnded; }
    bool IsProbeConnected() const { return bPortC() & kPortCProbe; }
    // mV, truncated toward zero.
    int PotentialMv() const { return sAd976() * 10000 / 32767; }

    void SetFlags(std::uint16_t v) { PutU16(&bytes[0], v); }
    void SetEndReason(std::uint8_t v) { bytes[2] = v; }
    void SetPumpPeriod(std::uint16_t v) { PutU16(&bytes[4], v); }
    void SetCount(std::uint32_t v) { PutU32(&bytes[6], v); }
    void SetElapsed(std::uint32_t v) { PutU32(&bytes[10], v); }
    void SetPortA(std::uint8_t v) { bytes[14] = v; }
    void SetPortB(std::uint8_t v) { bytes[15] = v; }
    void SetPortC(std::uint8_t v) { bytes[16] = v; }
    void SetAdc0804(std::uint8_t v) { bytes[17] = v; }
    void SetAd976(std::int16_t v) { PutU16(&bytes[18], static_cast<std::uint16_t>(v)); }
    void SetAd5541(std::uint16_t v) { PutU16(&bytes[20], v); }
};

struct PollingData {
    DeviceStatus status;
    std::int32_t lCommFailed = 0;
    std::uint32_t dwErrorCode = 0;
};

}  // namespace klv
