#pragma once

#include <memory>
#include <span>
#include <string>

#include "records/delivery.h"
#include "records/results_database.h"
#include "tool/tool_command.h"

namespace klv::tool {

// The results database KLV570.ini of the data directory names, opened and migrated; null
// with the reason on the error stream.
std::unique_ptr<ResultsDatabase> OpenToolDatabase(ToolContext& context);
TesterIdentity ToolTester(ToolContext& context);
std::string ToolNow();

int RunDbStatus(ToolContext& context, std::span<const std::string> args);
int RunDbSync(ToolContext& context, std::span<const std::string> args);
int RunDbQuery(ToolContext& context, std::span<const std::string> args);
int RunDbHistory(ToolContext& context, std::span<const std::string> args);

}  // namespace klv::tool
