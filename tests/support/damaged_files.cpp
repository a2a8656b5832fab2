#include "support/damaged_files.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"

namespace klv::test {
namespace {

constexpr uid_t kNobody = 65534;

void Clear(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

FileDamage Link(const char* what, std::function<std::string(const std::string&)> target) {
    return {what, [target](const std::string& path, const std::string&) {
                Clear(path);
                EXPECT_EQ(::symlink(target(path).c_str(), path.c_str()), 0) << path;
            }};
}

FileDamage Bytes(const char* what, std::function<std::string(const std::string&)> damage) {
    return {what, [damage](const std::string& path, const std::string& image) {
                Clear(path);
                WriteTestFile(path, damage(image));
            }};
}

}  // namespace

std::vector<FileDamage> NonRegularFiles() {
    return {
        {"FIFO",
         [](const std::string& path, const std::string&) {
             Clear(path);
             EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0) << path;
         }},
        {"folder",
         [](const std::string& path, const std::string&) {
             Clear(path);
             EXPECT_EQ(::mkdir(path.c_str(), 0755), 0) << path;
         }},
        Link("/dev/zero behind a link", [](const std::string&) { return "/dev/zero"; }),
        Link("dangling link", [](const std::string& path) { return path + ".gone"; }),
        Link("link loop",
             [](const std::string& path) { return std::filesystem::path(path).filename(); }),
    };
}

std::vector<FileDamage> DamagedFiles(std::size_t flipByte, int flipBit) {
    std::vector<FileDamage> kinds = NonRegularFiles();
    kinds.push_back(Bytes("empty", [](const std::string&) { return std::string(); }));
    kinds.push_back(Bytes("half", [](const std::string& i) { return i.substr(0, i.size() / 2); }));
    kinds.push_back(
        Bytes("one byte short", [](const std::string& i) { return i.substr(0, i.size() - 1); }));
    kinds.push_back(Bytes("flipped bit", [flipByte, flipBit](const std::string& i) {
        std::string bytes = i;
        bytes.at(flipByte) = static_cast<char>(bytes.at(flipByte) ^ (1 << flipBit));
        return bytes;
    }));
    kinds.push_back({"no read permission",
                     [](const std::string& path, const std::string& image) {
                         Clear(path);
                         WriteTestFile(path, image);
                         EXPECT_EQ(::chmod(path.c_str(), 0), 0) << path;
                     },
                     true});
    return kinds;
}

void ForEachNonRegularFile(const std::string& name,
                           const std::function<void(const std::string& path)>& use) {
    for (const FileDamage& kind : NonRegularFiles()) {
        SCOPED_TRACE(kind.what);
        TempDir dir;
        const std::string path = dir.File(name);
        kind.apply(path, "");
        const std::string before = DescribeEntry(path);
        use(path);
        EXPECT_EQ(DescribeEntry(path), before);
    }
}

std::string DescribeEntry(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return "missing";
    if (S_ISLNK(st.st_mode)) {
        std::error_code ec;
        return "link to " + std::filesystem::read_symlink(path, ec).string();
    }
    if (S_ISFIFO(st.st_mode))
        return "FIFO";
    if (S_ISDIR(st.st_mode))
        return "folder";
    char mode[16];
    std::snprintf(mode, sizeof mode, "%04o ", static_cast<unsigned>(st.st_mode & 07777));
    // Root reads a file without read permission as well.
    return std::string("file ") + mode + ReadTestFile(path);
}

bool RunUnprivileged(const std::vector<std::string>& folders, const std::function<void()>& body) {
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const std::string& f : folders)
            EXPECT_EQ(::chmod(f.c_str(), 0777), 0) << f;
    }
    std::fflush(stdout);
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (root &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(3);
        body();
        std::fflush(stdout);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string UnprivilegedPrefix() {
    return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

}  // namespace klv::test
