#include <unistd.h>

#include "records/sync.h"
#include "tool/db_connection.h"

namespace klv::tool {

int RunDbSync(ToolContext& context, std::span<const std::string> args) {
    if (!args.empty())
        return kExitUsage;
    const auto db = OpenToolDatabase(context);
    if (!db)
        return kExitFailed;
    // The progress line is for a person watching, not for a file or a pipe.
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    SyncCounts counts;
    const DbResult r =
        SyncChannels(*db, context.store, ToolTester(context), ToolNow(), counts, [&](int channel) {
            if (terminal)
                context.err << "\rchannel " << channel << " of " << kChannelCount << std::flush;
            return true;
        });
    if (terminal)
        context.err << '\n';
    if (!r.ok()) {
        context.err << r.message << '\n';
        return kExitFailed;
    }
    context.out << "recorded\t" << counts.recorded << "\nno longer in the logs\t" << counts.retired
                << "\nchannels read\t" << counts.channels << '\n';
    return kExitOk;
}

}  // namespace klv::tool
