#include "tool/group_argument.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/number_parse.h"

namespace klv::tool {

namespace {

// Data numbers, intervals and group sizes as the group mode dialog takes them.
std::optional<int> ParseCount(const std::string& text) {
    const std::optional<int> v = ParseInt(text);
    if (!v || *v < 1 || *v > 99999)
        return std::nullopt;
    return v;
}

// Two counts around `separator`.
std::optional<std::pair<int, int>> ParseCountPair(const std::string& text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string::npos)
        return std::nullopt;
    const std::optional<int> a = ParseCount(text.substr(0, at));
    const std::optional<int> b = ParseCount(text.substr(at + 1));
    if (!a || !b)
        return std::nullopt;
    return std::pair{*a, *b};
}

}  // namespace

// all | partial:B-E | interval:B,I | fixed:S | daily, with 1-based data numbers.
bool ParseGroupArgument(const std::string& argument, StatisticsSelection& s) {
    const auto colon = argument.find(':');
    const std::string kind = argument.substr(0, colon);
    const std::string value = colon == std::string::npos ? "" : argument.substr(colon + 1);
    if (colon == std::string::npos) {
        if (kind == "all")
            s.mode = GroupMode::AllData;
        else if (kind == "daily")
            s.mode = GroupMode::DailyAverage;
        else
            return false;
        return true;
    }
    if (kind == "partial") {
        const auto range = ParseCountPair(value, '-');
        if (!range)
            return false;
        s.mode = GroupMode::PartialData;
        s.nPartialBegin = std::min(range->first, range->second) - 1;
        s.nPartialEnd = std::max(range->first, range->second) - 1;
        return true;
    }
    if (kind == "interval") {
        const auto pair = ParseCountPair(value, ',');
        if (!pair)
            return false;
        s.mode = GroupMode::RegularInterval;
        s.nRegularBegin = pair->first - 1;
        s.nInterval = pair->second;
        return true;
    }
    const std::optional<int> size = ParseCount(value);
    if (kind != "fixed" || !size)
        return false;
    s.mode = GroupMode::FixedGroupAverage;
    s.nGroupSize = *size;
    return true;
}

}  // namespace klv::tool
