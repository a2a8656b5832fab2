#pragma once

#include <string>

#include "base/profile.h"
#include "base/sound_table.h"

namespace klv {

// Reads every event's file (Sounds) and silent flag (Silent).
SoundTable LoadSoundTable(const ProfileFile& ini, const std::string& graphicsDir);

}  // namespace klv
