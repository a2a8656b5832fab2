#pragma once

#include "reference/meas_file_data.h"

namespace klv {

// Items of the copy from another channel.
inline constexpr unsigned kCopyFileName = 1;
inline constexpr unsigned kCopyCustomer = 2;
inline constexpr unsigned kCopyGoods = 4;
inline constexpr unsigned kCopyLotNo = 8;
inline constexpr unsigned kCopyTester = 16;
inline constexpr unsigned kCopyCondition = 32;
inline constexpr unsigned kCopyStatistics = 64;
inline constexpr unsigned kCopyAll = 127;

// Copies the chosen items of the source into the target; everything else of the target, its
// record count and dates above all, stays.
void CopyConditionItems(const MeasFileData& source, unsigned items, MeasFileData& target);

}  // namespace klv
