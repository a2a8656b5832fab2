#include <optional>
#include <vector>

#include "stats/calc_statistics.h"
#include "stats/form_groups.h"
#include "stats/stat_items.h"
#include "stats/statistics_texts.h"
#include "tool/group_argument.h"
#include "tool/text_decode.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunStats(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 1 && args.size() != 3)
        return kExitUsage;
    const int channel = ParseChannelNumber(args[0]);
    std::optional<std::string> group;
    if (args.size() == 3) {
        if (args[1] != "--group")
            return kExitUsage;
        group = args[2];
    }
    StatisticsSelection s{GroupMode::AllData, 0, 0, 0, 1, 1};
    if (channel < 0 || (group && !ParseGroupArgument(*group, s)))
        return kExitUsage;
    MeasFileData d;
    if (!context.store.ReadConditionFile(channel - 1, d, true))
        return kExitFailed;
    std::vector<MsrLogRecord> stored;
    FormedData formed;
    if (!FormGroups(context.store, channel - 1, d, s, stored, formed))
        return kExitFailed;
    const StatisticsTexts texts =
        BuildStatisticsTexts(CalcStatistics(formed, d), d, formed.nDataCt);
    for (const StatItem& item : ListStatItems(texts.block))
        context.out << item.name << '\t' << DecodeRecordText(item.text) << '\n';
    return kExitOk;
}

}  // namespace klv::tool
