#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace klv::test {

struct ToolProcessResult {
    int status;
    std::string out;
    std::string err;
};

// Runs klv570-tool with a shell command line (after the optional environment assignments in
// `env`); standard error goes to a file in `scratch`.
inline ToolProcessResult RunToolProcess(const TempDir& scratch, const std::string& args,
                                        const std::string& env = "") {
    const std::string errFile = scratch.File("stderr.txt");
    const std::string command = env + " '" KLV_TOOL_PATH "' " + args + " 2>'" + errFile + "'";
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
