#pragma once

#include <span>
#include <string>

namespace klv {

// One piece of a synthesised sound: a sine tone, or silence at 0 Hz.
struct Tone {
    int hertz;
    int milliseconds;
};

inline constexpr int kToneSampleRate = 22050;

// A mono 16-bit PCM RIFF/WAVE image of the tones in order. Each tone fades in and out over a
// few milliseconds, so the pieces join without clicks.
std::string MakeToneWave(std::span<const Tone> tones);

}  // namespace klv
