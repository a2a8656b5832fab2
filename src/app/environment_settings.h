#pragma once

#include <array>
#include <string>

#include "base/sound_table.h"

namespace klv {

class CKLV570App;

// What "Environment set" shows and what the operator chose in it: the click method and, per
// event row, whether it sounds and its file as shown (bare inside the Graphics folder).
struct EnvironmentChoice {
    bool selectBySingleClick = false;
    std::array<bool, kSoundEventCount> makeSound{};
    std::array<std::string, kSoundEventCount> shownFile;
};

EnvironmentChoice CurrentEnvironment(CKLV570App& app);
// Every row sounding with its default file, select by pointing.
EnvironmentChoice DefaultEnvironment();

// Writes what changed in one rewrite of the settings file and reads the sound table again.
// False when the settings could not be written; the table then keeps what is stored.
bool ApplyEnvironment(CKLV570App& app, const EnvironmentChoice& choice);

}  // namespace klv
