#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/operator.h"
#include "stats/statistics_reports.h"

namespace klv {

inline constexpr int kSenderLineCount = 7;

// The sender identification printed on statistics reports; the byte image is tester.dat.
struct SenderBlock {
    char szTitle[24];
    char szLine[kSenderLineCount][32];  // name, second line, telephone, fax, three more
    std::int32_t lTitleFontSize;
};
static_assert(sizeof(SenderBlock) == 252);
static_assert(offsetof(SenderBlock, szLine) == 24);
static_assert(offsetof(SenderBlock, lTitleFontSize) == 248);

enum class SenderLoadResult {
    Loaded,      // the first 252 bytes were read
    Absent,      // missing or shorter: an all-zero block
    Unreadable,  // there, but it cannot be read: an all-zero block that must not replace it
};

// Reads the first 252 bytes of the file; a missing or shorter file gives an all-zero block.
SenderLoadResult LoadSenderBlock(const std::string& path, SenderBlock& block);

// Writes the 252 bytes at the start of the file, keeping any bytes after them; failures are
// shown with the stop icon.
bool WriteSenderBlock(const std::string& path, const SenderBlock& block, Operator& op);

// The block as the reports print it; `present` tells whether the file exists.
SenderRecord MakeSenderRecord(const SenderBlock& block, bool present);

}  // namespace klv
