#pragma once

#include <cstdint>
#include <string>

namespace klv::test {

// A valid 8 kHz mono 8-bit PCM wave file of `samples` samples of a square tone.
inline std::string TestWaveBytes(std::uint32_t samples = 0) {
    auto le = [](std::uint32_t v, int bytes) {
        std::string s;
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        return s;
    };
    std::string w = "RIFF" + le(36 + samples, 4) + "WAVEfmt " + le(16, 4);
    w += le(1, 2) + le(1, 2) + le(8000, 4) + le(8000, 4) + le(1, 2) + le(8, 2);
    w += "data" + le(samples, 4);
    for (std::uint32_t i = 0; i < samples; ++i)
        w += static_cast<char>((i / 5) % 2 ? 0xC0 : 0x40);
    return w;
}

}  // namespace klv::test
