#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "reference/calibration_store.h"

namespace klv {

inline constexpr char kGraMagic[16] = "PotentialGraph0";

// The 376-byte head of a potential graph file; the samples follow as i32 mV each.
struct GraHeader {
    char szMagic[16];
    CalibrationCondition condition;
    std::int32_t lLayer;
    std::int32_t lCount;
    std::int32_t lInterval;  // ms
    std::int32_t lMaximum;   // mV
    std::int32_t lMinimum;   // mV
    std::int32_t lDisplayMode;
    std::int32_t lFullScale;     // mV, 0 = automatic
    std::int32_t lTimePerPixel;  // ms
    std::int32_t lLower;         // mV
    std::int32_t lUpper;         // mV
    std::uint8_t reserved312[64];
};
inline constexpr std::size_t kGraHeaderSize = 376;
// The most samples a trace can take from a file: it grows to the count plus 99 in 32 bits.
inline constexpr std::int32_t kGraMaximumCount = INT32_MAX - 99;
static_assert(sizeof(GraHeader) == kGraHeaderSize);
static_assert(offsetof(GraHeader, condition) == 16);
static_assert(offsetof(GraHeader, lLayer) == 272);
static_assert(offsetof(GraHeader, lCount) == 276);
static_assert(offsetof(GraHeader, lDisplayMode) == 292);
static_assert(offsetof(GraHeader, lUpper) == 308);

struct GraFile {
    GraHeader header{};
    std::vector<std::int32_t> samples;
};

enum class GraReadResult { Ok, CannotOpen, Invalid, ShortOfMemory };

// The message of a failed read: "The file can't be found.", "Data can't be read, or some
// error in the data." or "Short of memory".
const char* GraReadFailureText(GraReadResult r);

// Whether a file of `fileSize` bytes that starts with `header` is a potential graph file.
bool IsValidGraHeader(const GraHeader& header, std::uint64_t fileSize);

// The whole file image; `out` is untouched unless Ok.
GraReadResult ParseGraFile(std::span<const std::uint8_t> bytes, GraFile& out);
GraReadResult ReadGraFile(const std::string& path, GraFile& out);

// A header with the magic text; count is set from the samples by WriteGraFile.
GraHeader MakeGraHeader();
// Replaces the file as a whole (temporary file and rename).
FileWriteResult WriteGraFile(const std::string& path, const GraHeader& header,
                             std::span<const std::int32_t> samples);

}  // namespace klv
