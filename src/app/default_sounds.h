#pragma once

#include <string>

namespace klv {

// The program's own wave file for event row `row` (0-6) of the sound table.
std::string DefaultSoundWave(int row);

// Writes every default wave file that is missing from the Graphics folder (`graphicsDir` ends
// with "/"); files already there, the operator's own included, are left alone. Returns the
// number of files that could not be written.
int InstallMissingSounds(const std::string& graphicsDir);

}  // namespace klv
