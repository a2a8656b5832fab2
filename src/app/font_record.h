#pragma once

#include <string>

#include "app/log_font.h"

namespace klv {

// A printer font: the size in tenths of a point and the font record.
struct PrinterFont {
    int size = 0;
    LogFont font = DefaultLogFont();
};

struct FontSizeRange {
    int min;
    int max;
};

// "%d,%d,%d,%d," from the size and three zeros, then the record as 120 lowercase hex digits.
std::string FormatFontRecord(const PrinterFont& font);

// Applies a stored record to `font`: only a text shorter than 220 characters is looked at;
// its size is taken when it lies in `range`, its record only when the hexadecimal part is
// exactly 120 valid digits. Whatever is not taken keeps its value.
void ParseFontRecord(const std::string& text, FontSizeRange range, PrinterFont& font);

}  // namespace klv
