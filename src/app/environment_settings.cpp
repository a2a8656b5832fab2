#include "app/environment_settings.h"

#include <strings.h>

#include "app/file_name_profile.h"
#include "app/klv570_app.h"
#include "app/settings_access.h"
#include "app/settings_keys.h"
#include "app/system_flags.h"

namespace klv {

EnvironmentChoice CurrentEnvironment(CKLV570App& app) {
    EnvironmentChoice c;
    c.selectBySingleClick = (app.SystemFlags() & kFlagSelectBySingleClick) != 0;
    for (std::size_t i = 0; i < kSoundEvents.size(); ++i) {
        c.makeSound[i] = !app.Sounds()[i].silent;
        c.shownFile[i] = DeleteProgramPath(app.Sounds()[i].path, app.GraphicsDirectory());
    }
    return c;
}

EnvironmentChoice DefaultEnvironment() {
    EnvironmentChoice c;
    for (std::size_t i = 0; i < kSoundEvents.size(); ++i) {
        c.makeSound[i] = true;
        c.shownFile[i] = kSoundEvents[i].defaultFile;
    }
    return c;
}

bool ApplyEnvironment(CKLV570App& app, const EnvironmentChoice& choice) {
    ProfileFile& ini = app.Profile();
    ProfileBatch batch(ini);
    const std::uint32_t flags = choice.selectBySingleClick
                                    ? app.SystemFlags() | kFlagSelectBySingleClick
                                    : app.SystemFlags() & ~kFlagSelectBySingleClick;
    if (flags != app.SystemFlags()) {
        app.SetSystemFlags(flags);
        WriteSetting(ini, ini::kSystemFlags, static_cast<int>(flags));
    }
    for (std::size_t i = 0; i < kSoundEvents.size(); ++i) {
        const SoundEvent& e = kSoundEvents[i];
        const SoundSetting& row = app.Sounds()[i];
        if (row.silent == choice.makeSound[i])
            ini.WriteProfileInt(ini::kSilent, e.key, choice.makeSound[i] ? 0 : 1);
        const std::string path = ResolveProgramPath(choice.shownFile[i], app.GraphicsDirectory());
        if (::strcasecmp(path.c_str(), row.path.c_str()) != 0)
            SaveFileNameProfile(ini, app.GraphicsDirectory(), ini::kSounds, e.key, path);
    }
    const bool ok = batch.Commit();
    app.LoadSounds();
    return ok;
}

}  // namespace klv
