#include "records/outbox.h"
#include "records/results_query.h"
#include "records/schema.h"
#include "tool/db_connection.h"

namespace klv::tool {

int RunDbStatus(ToolContext& context, std::span<const std::string> args) {
    if (!args.empty())
        return kExitUsage;
    // The outbox first: it is told even when the database cannot be reached.
    COutbox outbox(context.store.DataDirectory());
    std::string message;
    if (outbox.Load(message))
        context.out << "outbox\t" << outbox.Pending().size() << " waiting\t" << outbox.Path()
                    << '\n';
    else
        context.err << message << '\n';
    const auto db = OpenToolDatabase(context);
    if (!db)
        return kExitFailed;
    std::int64_t version = 0;
    std::vector<std::pair<std::string, std::int64_t>> counts;
    DbResult r = ReadSchemaVersion(*db, version);
    if (r.ok())
        r = QueryCounts(*db, counts);
    if (!r.ok()) {
        context.err << r.message << '\n';
        return kExitFailed;
    }
    context.out << "database\t" << db->Where() << '\n' << "schema\t" << version << '\n';
    for (const auto& [name, count] : counts)
        context.out << name << '\t' << count << '\n';
    return kExitOk;
}

}  // namespace klv::tool
