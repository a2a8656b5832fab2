#pragma once

#include <string>

namespace klv {

// Fixed names under the data directory.
inline constexpr const char* kGraphicsFolder = "Graphics/";
inline constexpr const char* kSettingsFileName = "KLV570.ini";
inline constexpr const char* kCalibrationFileName = "KLV570.dat";
inline constexpr const char* kSenderFileName = "tester.dat";
inline constexpr const char* kLogFileStem = "mylog";
inline constexpr const char* kLogFileExtension = ".log";
inline constexpr const char* kInstanceLockFileName = "KLV570Executing.lock";
inline constexpr const char* kHelpFileName = "KLV570help.pdf";
inline constexpr std::size_t kMaxPath = 260;

// The data directory, ending with "/": `dataDirEnv` (the KLV570_DATA_DIR variable) when it is
// set and not empty, else `home` + "/KLV570Data/". A relative result is taken from
// `workingDir`, because start-up changes into the data directory.
std::string ResolveDataDirectory(const char* dataDirEnv, const char* home,
                                 const std::string& workingDir = {});
// The same from the process environment (the password database when HOME is not set).
std::string DataDirectoryFromEnvironment();

// "<data>/mylog" cut to 250 characters, then ".log".
std::string MakeLogFilePath(const std::string& dataDir);

// Creates the directory and any missing parents; an existing directory counts as success.
bool MakeDirectoryTree(const std::string& path);

// The folder the running executable lies in, ending with "/" (empty when unknown).
std::string ExecutableDirectory();

// Where the guide installs beside `bindir`/.., for a program started from an installed tree.
inline constexpr const char* kInstalledHelpFolder = "../share/doc/klv570/";

// The operator's guide: beside the program (a build tree) when it is there, else where the
// package installs it.
std::string HelpFilePath(const std::string& exeDir);

}  // namespace klv
