#include "base/number_parse.h"
#include "records/results_query.h"
#include "tool/db_connection.h"

namespace klv::tool {

int RunDbHistory(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 2)
        return kExitUsage;
    const int channel = ParseChannelNumber(args[0]);
    const std::optional<int> number = ParseInt(args[1]);
    if (channel < 0 || !number || *number < 1)
        return kExitUsage;
    const auto db = OpenToolDatabase(context);
    if (!db)
        return kExitFailed;
    ResultsTable table;
    if (const DbResult r = QueryHistory(*db, channel, *number, table); !r.ok()) {
        context.err << r.message << '\n';
        return kExitFailed;
    }
    WriteResultsTable(context.out, table, ResultsFormat::Tsv);
    return kExitOk;
}

}  // namespace klv::tool
