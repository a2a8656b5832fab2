#include "stats/stat_item_rules.h"

#include <cstring>

#include "base/number_format.h"
#include "base/number_parse.h"
#include "reference/unit_conversion.h"
#include "stats/statistics_mode.h"

namespace klv {

void SetStatisticsMode(MeasFileData& d, int selection) {
    if (selection <= 0) {
        d.bStatFlags &= static_cast<std::uint8_t>(~kStatTotalOn);
        d.bStatMode = kStatModeNone;
        return;
    }
    d.bStatFlags |= kStatTotalOn;
    d.bStatMode = static_cast<std::uint8_t>(selection);
}

void SetLimitCheck(MeasFileData& d, bool on) {
    if (on)
        d.bStatFlags |= kStatLimitCheckOn;
    else
        d.bStatFlags &= static_cast<std::uint8_t>(~kStatLimitCheckOn);
}

std::vector<int> LimitRowLayers(const MeasFileData& d) {
    std::vector<int> layers;
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (!IsAlloyLayer(d.coat[k]))
            layers.push_back(k);
    return layers;
}

void ClearUnlistedLimits(MeasFileData& d) {
    const int count = GetCoatCount(d);
    for (int k = 0; k < kMaxLayers; ++k)
        if (k >= count || IsAlloyLayer(d.coat[k]))
            std::memset(&d.limits[k], 0, sizeof d.limits[k]);
}

std::string FormatLimitEdit(float micrometres, int unit) {
    std::string text = FormatNumberWidth(ToUnit(micrometres, unit), 6);
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

StatTotalCheck CheckStatTotal(std::string_view text, std::uint32_t completeData,
                              std::int32_t& total) {
    const std::optional<int> value = ParseInt(text);
    if (!value || *value < kStatTotalMin || *value > kStatTotalMax)
        return StatTotalCheck::OutOfRange;
    total = *value;
    if (static_cast<std::uint32_t>(*value) < completeData)
        return StatTotalCheck::BelowData;
    return StatTotalCheck::Ok;
}

}  // namespace klv
