#include "app/default_sounds.h"

#include <array>
#include <vector>

#include "app/tone_wave.h"
#include "base/file_io.h"
#include "base/sound_table.h"

namespace klv {
namespace {

// Each event gets a tune of its own, so the operator can tell them apart without looking.
const std::array<std::vector<Tone>, kSoundEventCount>& Tunes() {
    static const std::array<std::vector<Tone>, kSoundEventCount> tunes{{
        {{880, 120}, {1175, 120}, {1568, 200}},                  // measurement end: rising
        {{784, 150}, {0, 40}, {784, 150}},                       // measurement stop
        {{1319, 180}, {0, 320}},                                 // automatic stop, repeated
        {{1047, 90}, {0, 40}, {1047, 90}, {0, 40}, {1047, 90}},  // probe has come off
        {{392, 300}, {330, 350}},                                // bad measurement: falling
        {{523, 200}, {392, 200}, {262, 300}},                    // bad calibration
        {{1760, 70}, {0, 50}, {1760, 70}, {0, 50}, {1760, 70}, {0, 50}, {1760, 70}},  // error
    }};
    return tunes;
}

}  // namespace

std::string DefaultSoundWave(int row) {
    if (row < 0 || row >= kSoundEventCount)
        return {};
    return MakeToneWave(Tunes()[static_cast<std::size_t>(row)]);
}

int InstallMissingSounds(const std::string& graphicsDir) {
    int failures = 0;
    for (int row = 0; row < kSoundEventCount; ++row) {
        std::string path = graphicsDir + kSoundEvents[static_cast<std::size_t>(row)].defaultFile;
        if (!IsPathMissing(path))
            continue;
        std::string wave = DefaultSoundWave(row);
        if (WriteFileAtomically(path, wave.data(), wave.size()) != FileWriteResult::Ok)
            ++failures;
    }
    return failures;
}

}  // namespace klv
