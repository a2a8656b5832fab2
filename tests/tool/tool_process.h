#pragma once

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace klv::test {

struct ToolProcessResult {
    int status;
    std::string out;
    std::string err;
};

// A folder of its own, open to everyone, under the system's temporary folder, with a copy of
// the tool: a run as another user reaches neither a checkout inside a closed folder (a home
// of mode 0700, a clone under mktemp -d) nor the tool built there.
class OpenToolArea {
public:
    OpenToolArea() {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/klvtoolXXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            m_root = pattern + "/";
            std::filesystem::permissions(m_root, std::filesystem::perms(0755));
            m_tool = m_root + "klv570-tool";
            std::filesystem::copy_file(KLV_TOOL_PATH, m_tool);
            std::filesystem::permissions(m_tool, std::filesystem::perms(0755));
        }
    }
    ~OpenToolArea() {
        std::error_code ec;
        if (!m_root.empty())
            std::filesystem::remove_all(m_root, ec);
    }
    OpenToolArea(const OpenToolArea&) = delete;
    OpenToolArea& operator=(const OpenToolArea&) = delete;

    const std::string& Root() const { return m_root; }
    const std::string& Tool() const { return m_tool; }

private:
    std::string m_root;
    std::string m_tool;
};

// Runs klv570-tool (or the copy `tool`) with a shell command line, after the optional
// environment assignments in `env`; standard error goes to a file in `scratch`.
inline ToolProcessResult RunToolProcess(const TempDir& scratch, const std::string& args,
                                        const std::string& env = "",
                                        const std::string& tool = KLV_TOOL_PATH) {
    const std::string errFile = scratch.File("stderr.txt");
    const std::string command = env + " '" + tool + "' " + args + " 2>'" + errFile + "'";
    ToolProcessResult r{-1, {}, {}};
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int status = ::pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadTestFile(errFile);
    return r;
}

}  // namespace klv::test
