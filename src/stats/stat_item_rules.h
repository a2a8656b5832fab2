#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reference/meas_file_data.h"

namespace klv {

inline constexpr int kStatTotalMin = 1;
inline constexpr int kStatTotalMax = 99999;
inline constexpr char kMsgLessThanData[] = "Less than the measurement data quantity.";
inline constexpr char kMsgLimitOrder[] =
    "Upper limit value should be larger than lower limit value.";

// A "Statistics mode" choice: "None" turns statistics off, "N" and "N-1" on.
void SetStatisticsMode(MeasFileData& d, int selection);
void SetLimitCheck(MeasFileData& d, bool on);

// The layers that get a limit row, in layer order: every used layer that is not an alloy layer.
std::vector<int> LimitRowLayers(const MeasFileData& d);
// Zero limits, reserved bytes included, for every layer without a limit row.
void ClearUnlistedLimits(MeasFileData& d);

// A limit as its edit shows it: in the unit, 6 significant characters, no leading blanks.
std::string FormatLimitEdit(float micrometres, int unit);

enum class StatTotalCheck { Ok, OutOfRange, BelowData };
// "Total number of statistics": an integer 1 to 99999 not below the complete data stored.
StatTotalCheck CheckStatTotal(std::string_view text, std::uint32_t completeData,
                              std::int32_t& total);

}  // namespace klv
