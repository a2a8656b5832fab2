#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "output/raw_printer_queue.h"

namespace klv {

// A roll-paper printer model: the queue names select the paper cut of its driver.
struct RollPaperModel {
    int id;
    const char* displayName;
    std::array<const char*, 3> queueNames;
};

std::span<const RollPaperModel> RollPaperModels();
// Null for an id the table does not hold.
const RollPaperModel* FindRollPaperModel(int id);

// The roll-paper font's height in dots (negative: without the leading) from a size in tenths
// of a point.
int RollPaperFontHeight(int sizeTenths);
// The roll-paper band every report is printed in.
inline constexpr int kBandWidth = 576;
inline constexpr int kBandHeight = 800;

// A queue name as the platform's queues can hold it: every blank becomes "_".
std::string PlatformQueueName(std::string_view name);

// Opens the first queue of the model that can be opened; false when none (or no such model).
bool OpenRollPaperQueue(RawPrinterQueue& queue, int modelId);

}  // namespace klv
