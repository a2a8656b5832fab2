#include "reference/condition_items.h"

#include "reference/resolution_table.h"

namespace klv {

std::optional<ConditionItem> ConditionItemForCommand(int commandId) {
    const int offset = commandId - kFirstConditionItemCommand;
    if (offset < 0 || offset >= kConditionItemCount)
        return std::nullopt;
    return static_cast<ConditionItem>(offset);
}

bool UnitFitsRanges(const MeasFileData& d, int unit) {
    for (int k = 0; k < GetCoatCount(d); ++k)
        if (FindResolution(unit, d.coat[k].bRange) == nullptr)
            return false;
    return true;
}

}  // namespace klv
