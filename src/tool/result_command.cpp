#include <algorithm>
#include <optional>

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "reference/interrupted_measurement.h"
#include "results/synthetic_result.h"
#include "tool/text_decode.h"
#include "tool/tool_command.h"

namespace klv::tool {

int RunResult(ToolContext& context, std::span<const std::string> args) {
    if (args.size() != 2)
        return kExitUsage;
    const int channel = ParseChannelNumber(args[0]);
    const std::optional<int> number = ParseInt(args[1]);
    if (channel < 0 || !number)
        return kExitUsage;
    MeasFileData d;
    if (!context.store.ReadConditionFile(channel - 1, d, true))
        return kExitFailed;
    const auto quantity = static_cast<int>(GetDataQuantity(d));
    if (*number < 1 || *number > quantity) {
        context.err << RangeMessage(1, quantity) << '\n';
        return kExitFailed;
    }
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    // Records past the count belong to a measurement still being taken: they stay unmeasured.
    MsrLogRecord records[kMaxLayers] = {};
    const std::uint32_t first = static_cast<std::uint32_t>(*number - 1) * layers;
    const std::uint32_t inCount = std::min(layers, d.nItemCt - first);
    if (!ReadMsrLogFile(context.store, channel - 1, records, first, inCount, true))
        return kExitFailed;
    if (SettleUnrecordedLayers(std::span<MsrLogRecord>(records, inCount)) == 0) {
        context.err << NeverStoredMessage(static_cast<std::uint32_t>(*number)) << '\n';
        return kExitFailed;
    }
    SyntheticResult r;
    EditSyntheticResult(d, std::span<const MsrLogRecord>(records, layers), r, false);
    for (const SyntheticItem& item : r.item) {
        if (!IsItemUsed(item))
            continue;
        context.out << DecodeRecordText(item.szMeasTitle) << '\t'
                    << DecodeRecordText(item.szMeasValue) << '\t' << DecodeRecordText(item.szUnit)
                    << '\t' << DecodeRecordText(item.szWeightValue) << '\t'
                    << DecodeRecordText(item.szAdhesionValue) << '\t'
                    << DecodeRecordText(item.szLimit) << '\t' << item.nLimitMark << '\t'
                    << item.bValid << '\t' << item.uIsAlloy << '\n';
    }
    return kExitOk;
}

}  // namespace klv::tool
