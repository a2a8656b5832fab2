#include <algorithm>
#include <optional>
#include <vector>

#include "base/check_messages.h"
#include "base/number_parse.h"
#include "output/meas_data_text.h"
#include "reference/interrupted_measurement.h"
#include "tool/tool_command.h"

namespace klv::tool {

namespace {

struct ExportOptions {
    unsigned items = kDefaultOutputItems;
    int delimiter = 0;
    int dateFormat = 0;
    bool unit = false;
    std::optional<int> from;
    std::optional<int> to;
};

std::optional<int> ParseBounded(const std::string& text, int low, int high) {
    std::optional<int> v = ParseInt(text);
    if (!v || *v < low || *v > high)
        return std::nullopt;
    return v;
}

bool ParseOptions(std::span<const std::string> args, ExportOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--unit") {
            o.unit = true;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        std::optional<int> v;
        if (name == "--items" && (v = ParseBounded(value, 0, 255)))
            o.items = static_cast<unsigned>(*v);
        else if (name == "--delimiter" && (v = ParseBounded(value, 0, 2)))
            o.delimiter = *v;
        else if (name == "--date-format" && (v = ParseBounded(value, 0, 5)))
            o.dateFormat = *v;
        else if (name == "--from" && (v = ParseInt(value)))
            o.from = v;
        else if (name == "--to" && (v = ParseInt(value)))
            o.to = v;
        else
            return false;
    }
    return true;
}

}  // namespace

int RunExport(ToolContext& context, std::span<const std::string> args) {
    if (args.empty())
        return kExitUsage;
    const int channel = ParseChannelNumber(args[0]);
    ExportOptions o;
    if (channel < 0 || !ParseOptions(args.subspan(1), o))
        return kExitUsage;
    MeasFileData d;
    if (!context.store.ReadConditionFile(channel - 1, d, true))
        return kExitFailed;
    const auto layers = static_cast<std::uint32_t>(GetCoatCount(d));
    const auto complete = static_cast<int>(layers == 0 ? 0 : d.nItemCt / layers);
    int from = o.from.value_or(1);
    int to = o.to.value_or(complete);
    if (complete == 0 && !o.from && !o.to)
        return kExitOk;
    for (int bound : {from, to}) {
        if (bound < 1 || bound > complete) {
            context.err << RangeMessage(1, complete) << '\n';
            return kExitFailed;
        }
    }
    if (from > to)
        std::swap(from, to);
    const auto count = static_cast<std::uint32_t>(to - from + 1);
    std::vector<MsrLogRecord> records(std::size_t{count} * layers);
    const std::uint32_t first = static_cast<std::uint32_t>(from - 1) * layers;
    if (!ReadMsrLogFile(context.store, channel - 1, records.data(), first, count * layers, true))
        return kExitFailed;
    std::vector<std::uint32_t> neverStored;
    context.out << FormatMeasDataText(d, records, static_cast<std::uint32_t>(from),
                                      {o.items, o.delimiter, o.dateFormat, o.unit}, neverStored);
    for (std::uint32_t number : neverStored)
        context.err << NeverStoredMessage(number) << '\n';
    return neverStored.empty() ? kExitOk : kExitFailed;
}

}  // namespace klv::tool
