#include "app/sound_table.h"

#include "app/file_name_profile.h"
#include "app/settings_keys.h"

namespace klv {

SoundTable LoadSoundTable(const ProfileFile& ini, const std::string& graphicsDir) {
    SoundTable table;
    for (std::size_t i = 0; i < kSoundEvents.size(); ++i) {
        const SoundEvent& e = kSoundEvents[i];
        table[i].path = LoadFileNameProfile(ini, graphicsDir, ini::kSounds, e.key, e.defaultFile);
        table[i].silent = ini.GetProfileInt(ini::kSilent, e.key, 0) != 0;
    }
    return table;
}

}  // namespace klv
