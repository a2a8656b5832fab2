#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// The data counts the panel's "Statistics data number" list offers.
inline constexpr std::array<int, 6> kSimpleStatDataCounts = {10, 20, 30, 40, 50, 100};
inline constexpr std::size_t kSimpleStatCellChars = 11;

// The data the panel shows: `rows` data from data number `first` (0-based).
struct SimpleStatRange {
    std::uint32_t first = 0;
    std::uint32_t rows = 0;
};

// The latest `shown` data, none below the hide index `hide`, which is first cut back to the
// data quantity (an incomplete last data counts).
SimpleStatRange GetSimpleStatRange(const MeasFileData& d, std::uint32_t& hide, int shown);

struct SimpleStatRow {
    std::string number;
    std::array<std::string, kMaxLayers> cells;  // empty for a layer not stored yet
};

struct SimpleStatTexts {
    std::vector<SimpleStatRow> rows;
    std::array<std::string, kMaxLayers> average;
    std::array<std::string, kMaxLayers> stdDev;
};

// The rows of the data from `first` on, `items` holding their stored layer items in order,
// and the footer of their per-layer average and standard deviation. A layer stored without a
// value shows the dashes and is not counted; items at or past the condition's record count are
// neither shown nor counted.
SimpleStatTexts BuildSimpleStatTexts(const MeasFileData& d, std::uint32_t first,
                                     std::span<const MsrLogRecord> items);

}  // namespace klv
