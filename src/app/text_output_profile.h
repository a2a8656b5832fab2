#pragma once

#include <string>

#include "base/profile.h"
#include "output/text_output_settings.h"

namespace klv {

// The text output's choices from the settings file; the file name resolved into the Graphics
// folder when it is bare.
TextOutputSettings LoadTextOutputSettings(const ProfileFile& ini, const std::string& graphicsDir);
// Writes every key; a file in the Graphics folder is stored by its bare name.
void SaveTextOutputSettings(ProfileFile& ini, const std::string& graphicsDir,
                            const TextOutputSettings& s);

}  // namespace klv
