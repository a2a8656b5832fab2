#include "app/text_output_profile.h"

#include "app/file_name_profile.h"
#include "app/settings_access.h"

namespace klv {

TextOutputSettings LoadTextOutputSettings(const ProfileFile& ini, const std::string& graphicsDir) {
    TextOutputSettings s;
    s.items = static_cast<unsigned>(ReadSetting(ini, ini::kOutputData));
    s.delimiter = ReadSetting(ini, ini::kOutDelimiter);
    s.dateFormat = ReadSetting(ini, ini::kOutDateFormat);
    s.toClipboard = ReadSetting(ini, ini::kToClipboard) == 1;
    s.filePath = LoadFileNameProfile(ini, graphicsDir, ini::kOutFileName.section,
                                     ini::kOutFileName.key, ini::kOutFileName.def);
    return s;
}

void SaveTextOutputSettings(ProfileFile& ini, const std::string& graphicsDir,
                            const TextOutputSettings& s) {
    WriteSetting(ini, ini::kOutputData, static_cast<int>(s.items));
    WriteSetting(ini, ini::kOutDelimiter, s.delimiter);
    WriteSetting(ini, ini::kOutDateFormat, s.dateFormat);
    WriteSetting(ini, ini::kToClipboard, s.toClipboard ? 1 : 0);
    SaveFileNameProfile(ini, graphicsDir, ini::kOutFileName.section, ini::kOutFileName.key,
                        s.filePath);
}

}  // namespace klv
