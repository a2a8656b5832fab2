#include <optional>

#include "records/results_query.h"
#include "tool/db_connection.h"

namespace klv::tool {

namespace {

bool IsIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (text[i] < '0' || text[i] > '9')
            return false;
    }
    return true;
}

}  // namespace

int RunDbQuery(ToolContext& context, std::span<const std::string> args) {
    ResultsFilter filter;
    ResultsFormat format = ResultsFormat::Tsv;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return kExitUsage;
        const std::string& option = args[i];
        const std::string& value = args[i + 1];
        if (option == "--lot") {
            filter.lot = value;
        } else if (option == "--channel") {
            const int channel = ParseChannelNumber(value);
            if (channel < 0)
                return kExitUsage;
            filter.channel = channel;
        } else if (option == "--from" || option == "--to") {
            if (!IsIsoDate(value)) {
                context.err << "A date is written YYYY-MM-DD: " << value << '\n';
                return kExitUsage;
            }
            (option == "--from" ? filter.from : filter.to) = value;
        } else if (option == "--tester") {
            filter.tester = value;
        } else if (option == "--format" && (value == "tsv" || value == "csv" || value == "json")) {
            format = value == "tsv"   ? ResultsFormat::Tsv
                     : value == "csv" ? ResultsFormat::Csv
                                      : ResultsFormat::Json;
        } else {
            return kExitUsage;
        }
    }
    const auto db = OpenToolDatabase(context);
    if (!db)
        return kExitFailed;
    ResultsTable table;
    if (const DbResult r = QueryResults(*db, filter, table); !r.ok()) {
        context.err << r.message << '\n';
        return kExitFailed;
    }
    WriteResultsTable(context.out, table, format);
    return kExitOk;
}

}  // namespace klv::tool
