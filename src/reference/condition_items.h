#pragma once

#include <optional>
#include <string_view>

#include "reference/meas_file_data.h"

namespace klv {

// The one-item dialogs of the editing menu, in the order of their command ids.
enum class ConditionItem {
    Sensitivity,
    Solution,
    Range,
    Pump,
    AutoStop,
    Blanking,
    Unit,
    Alloy,
};

inline constexpr int kFirstConditionItemCommand = 32880;
inline constexpr int kConditionItemCount = 8;
inline constexpr int kPumpSpeedMax = 10;

inline constexpr std::string_view kMsgUnitRangeMismatch =
    "Set up range is not possible to use this unit.";

// The item of a command 32880-32887, nothing for any other id.
std::optional<ConditionItem> ConditionItemForCommand(int commandId);

// Whether every used layer's range has a resolution row with the unit.
bool UnitFitsRanges(const MeasFileData& d, int unit);

}  // namespace klv
