#include "app/data_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/file_io.h"

namespace klv {

std::string ResolveDataDirectory(const char* dataDirEnv, const char* home,
                                 const std::string& workingDir) {
    std::string dir;
    if (dataDirEnv && *dataDirEnv) {
        dir = dataDirEnv;
    } else {
        dir = home && *home ? home : "";
        if (dir.empty() || dir.back() != '/')
            dir += '/';
        dir += "KLV570Data";
    }
    if (dir.back() != '/')
        dir += '/';
    if (dir.front() != '/' && !workingDir.empty())
        dir = workingDir + (workingDir.back() == '/' ? "" : "/") + dir;
    return dir;
}

std::string DataDirectoryFromEnvironment() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* pw = ::getpwuid(::getuid()))
            home = pw->pw_dir;
    }
    std::error_code error;
    const std::string workingDir = std::filesystem::current_path(error).string();
    return ResolveDataDirectory(std::getenv("KLV570_DATA_DIR"), home, workingDir);
}

std::string MakeLogFilePath(const std::string& dataDir) {
    std::string stem = dataDir + kLogFileStem;
    if (stem.size() > 250)
        stem.resize(250);
    return stem + kLogFileExtension;
}

bool MakeDirectoryTree(const std::string& path) {
    if (path.empty())
        return false;
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (!DirectoryExists(part) && !MakeDirectory(part))
            return false;
    }
    return MakeDirectory(path);
}

std::string ExecutableDirectory() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path())
        return {};
    std::string dir = exe.parent_path().string();
    if (dir.back() != '/')
        dir += '/';
    return dir;
}

std::string HelpFilePath(const std::string& exeDir) {
    const std::string beside = exeDir + kHelpFileName;
    std::error_code error;
    if (std::filesystem::is_regular_file(beside, error))
        return beside;
    return std::filesystem::path(exeDir + kInstalledHelpFolder + kHelpFileName)
        .lexically_normal()
        .string();
}

}  // namespace klv
