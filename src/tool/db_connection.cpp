#include "tool/db_connection.h"

#include "app/data_directory.h"
#include "base/clock.h"
#include "base/profile.h"
#include "records/database_url.h"
#include "records/engines/open_results_database.h"
#include "records/outbox.h"
#include "records/record_builder.h"
#include "records/schema.h"

namespace klv::tool {

std::unique_ptr<ResultsDatabase> OpenToolDatabase(ToolContext& context) {
    const std::string& dir = context.store.DataDirectory();
    ProfileFile ini(dir + kSettingsFileName);
    OpenedResultsDatabase opened = OpenResultsDatabase(
        ini.GetProfileString(kResultsDatabaseSection, kResultsDatabaseUrlKey, ""), dir);
    if (!opened.db) {
        context.err << opened.problem << '\n';
        return nullptr;
    }
    DbResult r = opened.db->Open();
    if (r.ok())
        r = MigrateSchema(*opened.db);
    if (!r.ok()) {
        context.err << "The results database " << opened.db->Where()
                    << " cannot be used: " << r.message << '\n';
        return nullptr;
    }
    return std::move(opened.db);
}

TesterIdentity ToolTester(ToolContext& context) {
    std::string problem;
    TesterIdentity tester{LoadOrCreateTesterId(context.store.DataDirectory(), problem), HostName()};
    if (!problem.empty())
        context.err << problem << '\n';
    return tester;
}

std::string ToolNow() {
    SystemClock clock;
    return FormatIsoDateTime(clock.Now());
}

}  // namespace klv::tool
