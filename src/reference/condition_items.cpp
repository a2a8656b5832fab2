#include "reference/condition_items.h"

#include "reference/resolution_table.h"

namespace klv {

std::optional<ConditionItem> ConditionItemForCommand(int commandId) {
    const int offset = commandId - kFirstConditionItemCommand;
    if (offset < 0 || offset >= kConditionItemCount)
        return std::nullopt;
    return static_cast<ConditionItem>(offset);
}

void SetLayerRange(MeasFileData& d, int k, int range) {
    if (k < 0 || k >= kMaxLayers || d.coat[k].bCode == 0 || IsAlloyLayer(d.coat[k]))
        return;
    d.coat[k].bRange = static_cast<std::uint8_t>(range);
    if (k + 1 < kMaxLayers && IsAlloyLayer(d.coat[k + 1]))
        d.coat[k + 1].bRange = static_cast<std::uint8_t>(range);
}

bool UnitFitsRanges(const MeasFileData& d, int unit) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (FindResolution(unit, d.coat[k].bRange) == nullptr)
            return false;
    return true;
}

}  // namespace klv
