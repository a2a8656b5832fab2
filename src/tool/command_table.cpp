#include <array>

#include "tool/tool_command.h"

namespace klv::tool {

std::span<const ToolCommand> ToolCommands() {
    static const std::array<ToolCommand, 15> commands = {{
        {"channels", "", RunChannels},
        {"condition", "N", RunCondition},
        {"export",
         "N [--items BITS] [--delimiter 0|1|2] [--date-format 0-5] [--unit] [--from A] "
         "[--to B]",
         RunExport},
        {"result", "N D", RunResult},
        {"stats", "N [--group all|partial:B-E|interval:B,I|fixed:S|daily]", RunStats},
        {"new",
         "N --layers C1[,C2...] [--name TEXT] [--base B] [--gasket 1-4] [--range 1-8] "
         "[--unit 1-9] [--alloy]",
         RunNew},
        {"xbarr-factors", "[n ...]", RunXbarRFactors},
        {"xbarr", "N [--layer K] [--group fixed:S|daily] [--n NUMBER] [--rules DIGITS|none]",
         RunXbarR},
        {"histogram",
         "N [--layer K] [--group all|partial:B-E|interval:B,I|fixed:S|daily] "
         "[--lower A --upper B --divisions F]",
         RunHistogram},
        {"capability", "N [--layer K] [--group all|partial:B-E|interval:B,I|fixed:S|daily]",
         RunCapability},
        {"graph", "FILE", RunGraph},
        {"sounds", "FOLDER", RunSounds},
        {"udev-rule", "", RunUdevRule},
        {"db",
         "status | sync | query [--lot L] [--channel N] [--from DATE] [--to DATE] [--tester T] "
         "[--format tsv|csv|json] | history N D",
         RunDb},
        {"certificate", "--lot L [--channel N] --out FILE.pdf [--paper a4|letter]", RunCertificate},
    }};
    return commands;
}

int ParseChannelNumber(const std::string& text) {
    if (text.empty() || text.size() > 2)
        return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= kChannelCount ? n : -1;
}

}  // namespace klv::tool
