// klv570-tool: looks into a KLV-570 data directory from the command line.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/data_directory.h"
#include "tool/console_operator.h"
#include "tool/tool_command.h"

namespace {

using namespace klv::tool;

int Usage() {
    std::cerr << "usage: klv570-tool [--data-dir DIR] SUBCOMMAND [ARGS]\nsub-commands:\n";
    for (const ToolCommand& c : ToolCommands()) {
        std::cerr << "  " << c.name;
        if (*c.synopsis)
            std::cerr << ' ' << c.synopsis;
        std::cerr << '\n';
    }
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string dataDir;
    std::size_t next = 0;
    if (next < args.size() && args[next] == "--data-dir") {
        if (next + 1 >= args.size() || args[next + 1].empty())
            return Usage();
        dataDir = args[next + 1];
        next += 2;
    }
    if (next >= args.size())
        return Usage();
    if (dataDir.empty())
        dataDir = klv::DataDirectoryFromEnvironment();

    const std::string& name = args[next];
    for (const ToolCommand& c : ToolCommands()) {
        if (name != c.name)
            continue;
        ConsoleOperator op(std::cerr);
        klv::ConditionStore store(dataDir, op);
        ToolContext context{store, std::cout, std::cerr};
        int rc = c.run(context, std::span<const std::string>(args).subspan(next + 1));
        std::cout.flush();
        return rc == kExitUsage ? Usage() : rc;
    }
    return Usage();
}
