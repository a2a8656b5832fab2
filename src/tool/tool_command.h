#pragma once

#include <ostream>
#include <span>
#include <string>

#include "reference/condition_store.h"

namespace klv::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct ToolContext {
    ConditionStore& store;
    std::ostream& out;
    std::ostream& err;
};

// One sub-command: its name, its argument synopsis and the function that runs it with the
// arguments after the name. Runners return one of the exit codes above.
struct ToolCommand {
    const char* name;
    const char* synopsis;
    int (*run)(ToolContext& context, std::span<const std::string> args);
};

std::span<const ToolCommand> ToolCommands();

int RunChannels(ToolContext& context, std::span<const std::string> args);
int RunCondition(ToolContext& context, std::span<const std::string> args);
int RunExport(ToolContext& context, std::span<const std::string> args);
int RunResult(ToolContext& context, std::span<const std::string> args);
// The STAT items of a channel's statistics in one group mode.
int RunStats(ToolContext& context, std::span<const std::string> args);
// Writes a complete condition from coating and base names into an empty channel.
int RunNew(ToolContext& context, std::span<const std::string> args);
// The header fields and samples of a potential graph file.
int RunGraph(ToolContext& context, std::span<const std::string> args);

// d2, d3, A2, D3 and D4 of the X-bar/R chart for each group data number (default 2 to 25).
int RunXbarRFactors(ToolContext& context, std::span<const std::string> args);
// The X-bar/R chart of a channel's layer: limits, scale and the groups with their run rules.
int RunXbarR(ToolContext& context, std::span<const std::string> args);
// The histogram classes of a channel's layer, on the automatic or a given scale.
int RunHistogram(ToolContext& context, std::span<const std::string> args);
int RunCapability(ToolContext& context, std::span<const std::string> args);

// Writes the program's seven default wave files into a folder, keeping files already there.
int RunSounds(ToolContext& context, std::span<const std::string> args);
// The udev rule for the instrument with the ids the program looks for (section "USB").
int RunUdevRule(ToolContext& context, std::span<const std::string> args);
// The lab's results database: status, sync, query and the history of one measurement.
int RunDb(ToolContext& context, std::span<const std::string> args);
// The certificate of conformance of a lot as a PDF, from the results database.
int RunCertificate(ToolContext& context, std::span<const std::string> args);

// Channel number 1-50 as typed; -1 when it is not one.
int ParseChannelNumber(const std::string& text);

}  // namespace klv::tool
