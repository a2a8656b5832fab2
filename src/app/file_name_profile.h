#pragma once

#include <string>

#include "base/profile.h"

namespace klv {

// File names chosen by the user: a name inside the Graphics folder is stored bare, and a bare
// stored name lies in that folder. `graphicsDir` ends with "/".

// The path to store: name and extension alone when the path's folder is the Graphics folder
// (compared without regard to case), else the path unchanged.
std::string DeleteProgramPath(const std::string& path, const std::string& graphicsDir);

// A stored name without a folder resolved into the Graphics folder; other paths unchanged.
std::string ResolveProgramPath(const std::string& name, const std::string& graphicsDir);

// Reads up to 279 characters and resolves them; a result longer than 260 characters gives the
// resolved default instead.
std::string LoadFileNameProfile(const ProfileFile& ini, const std::string& graphicsDir,
                                const std::string& section, const std::string& key,
                                const std::string& def);

bool SaveFileNameProfile(ProfileFile& ini, const std::string& graphicsDir,
                         const std::string& section, const std::string& key,
                         const std::string& path);

}  // namespace klv
