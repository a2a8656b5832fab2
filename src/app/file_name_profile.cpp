#include "app/file_name_profile.h"

#include <strings.h>

#include "app/data_directory.h"

namespace klv {
namespace {

constexpr std::size_t kStoredNameMax = 279;

}  // namespace

std::string DeleteProgramPath(const std::string& path, const std::string& graphicsDir) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return path;
    std::string folder = path.substr(0, slash + 1);
    if (folder.size() == graphicsDir.size() &&
        ::strcasecmp(folder.c_str(), graphicsDir.c_str()) == 0)
        return path.substr(slash + 1);
    return path;
}

std::string ResolveProgramPath(const std::string& name, const std::string& graphicsDir) {
    if (name.find('/') != std::string::npos)
        return name;
    return graphicsDir + name;
}

std::string LoadFileNameProfile(const ProfileFile& ini, const std::string& graphicsDir,
                                const std::string& section, const std::string& key,
                                const std::string& def) {
    std::string stored = ini.GetProfileString(section, key, def, kStoredNameMax);
    std::string path = ResolveProgramPath(stored, graphicsDir);
    if (path.size() > kMaxPath)
        path = ResolveProgramPath(def, graphicsDir);
    return path;
}

bool SaveFileNameProfile(ProfileFile& ini, const std::string& graphicsDir,
                         const std::string& section, const std::string& key,
                         const std::string& path) {
    return ini.WriteProfileString(section, key, DeleteProgramPath(path, graphicsDir));
}

}  // namespace klv
