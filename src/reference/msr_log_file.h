#pragma once

#include <cstddef>
#include <cstdint>

#include "base/operator.h"

namespace klv {

inline constexpr std::uint8_t kRecordMeasured = 0x80;
inline constexpr std::uint8_t kRecordNoValue = 0x40;

// One stored layer result of a channel's data log.
struct MsrLogRecord {
    float lMeasValue;  // µm
    std::uint8_t bFlags;
    std::uint8_t reserved5;
    std::uint16_t wDate;  // packed date
};
static_assert(sizeof(MsrLogRecord) == 8);
static_assert(offsetof(MsrLogRecord, bFlags) == 4);
static_assert(offsetof(MsrLogRecord, wDate) == 6);

class ConditionStore;

// 0 (no date) or a packed date with a month 1-12 and a day 1-31.
bool IsPlausiblePackedDate(std::uint16_t packed);
// A record this program could have written: finite value, known flags, plausible date.
bool IsSoundLogRecord(const MsrLogRecord& r);

// Positioned access to a channel's data log; messages go to the store's operator.
// A failed read leaves the destination zeroed; count 0 in a truncation deletes the file.
bool ReadMsrLogFile(ConditionStore& store, int index, MsrLogRecord* records, std::uint32_t first,
                    std::uint32_t count, bool report);
bool WriteMsrLogFile(ConditionStore& store, int index, const MsrLogRecord* records,
                     std::uint32_t first, std::uint32_t count);
bool TruncateMsrLogFile(ConditionStore& store, int index, std::uint32_t count);

}  // namespace klv
