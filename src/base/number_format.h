#pragma once

#include <string>
#include <string_view>

namespace klv {

// Fits a number text into w characters: blanks trimmed, short texts right-aligned, long texts
// cut after w characters (no rounding) while the integer part fits, else w nines ("-" first
// when negative). Infinite and undefined values become nines too.
std::string FitNumberText(std::string_view text, int width);

// A value with at most w significant characters: rounded half up at the last place that fits
// (carries run across the point), trailing zeros and point dropped; w nines when the integer
// part does not fit. Not padded.
std::string FormatNumberWidth(double value, int width);

// The decimals of printf's "%f".
inline constexpr int kPrintfDecimals = 6;

// printf "%.*f"; "%f" when decimals is negative.
std::string FormatFixed(double value, int decimals);

// Calibration percent: sign (blank for zero), magnitude in 4 characters, "%". Without
// `aligned` the magnitude's leading blanks are removed.
std::string FormatPercent(double value, bool aligned);

}  // namespace klv
