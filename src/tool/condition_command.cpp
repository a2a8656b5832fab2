#include "tool/condition_fields.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunCondition(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 1)
        return kExitUsage;
    int channel = ParseChannelNumber(args[0]);
    if (channel < 0)
        return kExitUsage;
    MeasFileData d;
    if (!context.store.ReadConditionFile(channel - 1, d, true))
        return kExitFailed;
    WriteConditionFields(context.out, d);
    return kExitOk;
}

}  // namespace klv::tool
