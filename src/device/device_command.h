#pragma once

#include <cstdint>

namespace klv {

inline constexpr std::uint32_t kNoTimeout = 0xFFFFFFFFu;
inline constexpr std::uint32_t kTxTimeoutMs = 500;
inline constexpr std::uint32_t kRxTimeoutMs = 500;
// Longest answer payload: the length byte and the payload share one 64-byte packet.
inline constexpr std::uint32_t kMaxAnswerLength = 63;

// One request/response exchange with the instrument; lives on the caller's stack.
struct DeviceCommand {
    const std::uint8_t* pTxBuffer = nullptr;
    std::uint32_t dwTxLength = 0;
    std::uint8_t* pRxBuffer = nullptr;
    std::uint32_t dwRxLength = 0;
    std::uint32_t dwTxTimeout = kTxTimeoutMs;
    std::uint32_t dwRxTimeout = kRxTimeoutMs;
    std::uint32_t dwStatus = 0;
};

}  // namespace klv
