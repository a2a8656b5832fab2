#include "app/default_sounds.h"
#include "base/file_io.h"
#include "base/file_messages.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunSounds(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 1 || args[0].empty())
        return kExitUsage;
    std::string folder = args[0];
    if (folder.back() != '/')
        folder += '/';
    if (!MakeDirectory(folder) || InstallMissingSounds(folder) != 0) {
        context.err << kMsgFileNotMade << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace klv::tool
