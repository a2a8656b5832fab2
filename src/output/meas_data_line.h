#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "reference/meas_file_data.h"
#include "reference/msr_log_file.h"

namespace klv {

// Item bits of a measurement data line.
inline constexpr unsigned kItemDataNumber = 0x01;
inline constexpr unsigned kItemMeasDate = 0x04;
inline constexpr unsigned kItemCoatingCount = 0x10;
inline constexpr unsigned kItemCoatingName = 0x20;
inline constexpr unsigned kItemMeasValue = 0x40;
inline constexpr unsigned kItemUnit = 0x80;
inline constexpr unsigned kDefaultOutputItems = kItemMeasValue;

// What a measurement line carries: the item bits, delimiter, date format and unit flag.
struct LineFormat {
    unsigned items = 0;
    int delimiter = 0;
    int dateFormat = 0;
    bool unitAppended = false;
};

// "\t", "," or " " for delimiter index 0, 1, 2; TAB for any other index.
const char* GetDelimiterText(int delimiter);

// A packed date in date format 0-5 ("yyyy/mm/dd", "mm/dd/yyyy", "dd/mm/yyyy", "mm/yyyy/dd",
// "dd/yyyy/mm", "yyyy/dd/mm"); "" for any other index. Date 0 gives zeros.
std::string FormatOutputDate(std::uint16_t packed, int dateFormat);

// The value text of layer k as a line carries it: "0" for a record without value, no leading
// blanks.
std::string FormatMeasDataValue(const MeasFileData& d, const MsrLogRecord& r, int k);

// The one-line text of a stored measurement, without line end; alloy layers never appear, and
// control characters of a name are left out so that no field splits the line.
std::string FormatMeasDataLine(const MeasFileData& d, std::span<const MsrLogRecord> records,
                               std::uint32_t dataNumber, unsigned items, int delimiter,
                               int dateFormat, bool unitAppended);

inline std::string FormatMeasDataLine(const MeasFileData& d, std::span<const MsrLogRecord> records,
                                      std::uint32_t dataNumber, const LineFormat& f) {
    return FormatMeasDataLine(d, records, dataNumber, f.items, f.delimiter, f.dateFormat,
                              f.unitAppended);
}

}  // namespace klv
