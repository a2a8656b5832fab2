#include <array>

#include "tool/db_connection.h"

namespace klv::tool {

int RunDb(ToolContext& context, std::span<const std::string> args) {
    struct Sub {
        const char* name;
        int (*run)(ToolContext&, std::span<const std::string>);
    };
    static const std::array<Sub, 4> subs = {{{"status", RunDbStatus},
                                             {"sync", RunDbSync},
                                             {"query", RunDbQuery},
                                             {"history", RunDbHistory}}};
    if (args.empty())
        return kExitUsage;
    for (const Sub& s : subs) {
        if (args[0] == s.name)
            return s.run(context, args.subspan(1));
    }
    return kExitUsage;
}

}  // namespace klv::tool
