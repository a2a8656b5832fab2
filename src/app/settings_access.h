#pragma once

#include <string>

#include "app/settings_keys.h"
#include "base/profile.h"

namespace klv {

// Reads and writes of the table's keys with their own defaults.
inline int ReadSetting(const ProfileFile& ini, const ini::IntKey& k) {
    return ini.GetProfileInt(k.section, k.key, k.def);
}

inline std::string ReadSetting(const ProfileFile& ini, const ini::StringKey& k) {
    return ini.GetProfileString(k.section, k.key, k.def);
}

inline bool WriteSetting(ProfileFile& ini, const ini::IntKey& k, int value) {
    return ini.WriteProfileInt(k.section, k.key, value);
}

inline bool WriteSetting(ProfileFile& ini, const ini::StringKey& k, const std::string& value) {
    return ini.WriteProfileString(k.section, k.key, value);
}

}  // namespace klv
