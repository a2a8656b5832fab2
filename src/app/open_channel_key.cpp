#include "app/open_channel_key.h"

#include <cstdio>
#include <string>

#include "app/settings_keys.h"

namespace klv {

std::optional<int> ReadAutomaticChannel(const ProfileFile& ini, const ChannelTable& channels) {
    const std::string text = ini.GetProfileString(ini::kMeasFileNbr.section, ini::kMeasFileNbr.key,
                                                  ini::kMeasFileNbr.def);
    int open = 0;
    int index = -1;
    if (std::sscanf(text.c_str(), "%d,%d", &open, &index) != 2 || open == 0)
        return std::nullopt;
    if (!channels.Exists(index))
        return std::nullopt;
    return index;
}

bool WriteOpenChannel(ProfileFile& ini, int index) {
    return ini.WriteProfileString(ini::kMeasFileNbr.section, ini::kMeasFileNbr.key,
                                  "1," + std::to_string(index));
}

bool ForgetOpenChannel(ProfileFile& ini) {
    return ini.DeleteProfileKey(ini::kMeasFileNbr.section, ini::kMeasFileNbr.key);
}

}  // namespace klv
