#include "app/tone_wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace klv {
namespace {

constexpr int kFadeSamples = kToneSampleRate / 200;  // 5 ms
constexpr double kAmplitude = 0.6 * 32767;

void PutLE(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendTone(std::string& pcm, const Tone& tone) {
    const int count =
        static_cast<int>(static_cast<long long>(tone.milliseconds) * kToneSampleRate / 1000);
    for (int n = 0; n < count; ++n) {
        double sample = 0;
        if (tone.hertz > 0) {
            double fade = std::min({1.0, static_cast<double>(n) / kFadeSamples,
                                    static_cast<double>(count - 1 - n) / kFadeSamples});
            sample = kAmplitude * fade *
                     std::sin(2 * std::numbers::pi * tone.hertz * n / kToneSampleRate);
        }
        auto value = static_cast<std::int16_t>(std::lround(sample));
        PutLE(pcm, static_cast<std::uint16_t>(value), 2);
    }
}

}  // namespace

std::string MakeToneWave(std::span<const Tone> tones) {
    std::string pcm;
    for (const Tone& t : tones)
        AppendTone(pcm, t);
    const auto dataSize = static_cast<std::uint32_t>(pcm.size());
    std::string wave = "RIFF";
    PutLE(wave, 36 + dataSize, 4);
    wave += "WAVEfmt ";
    PutLE(wave, 16, 4);  // format chunk size
    PutLE(wave, 1, 2);   // PCM
    PutLE(wave, 1, 2);   // mono
    PutLE(wave, kToneSampleRate, 4);
    PutLE(wave, kToneSampleRate * 2, 4);  // bytes per second
    PutLE(wave, 2, 2);                    // block align
    PutLE(wave, 16, 2);                   // bits per sample
    wave += "data";
    PutLE(wave, dataSize, 4);
    return wave + pcm;
}

}  // namespace klv
