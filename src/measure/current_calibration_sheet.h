#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "device/output_current.h"

namespace klv {

// One output point of the current calibration: range 0-4, high or low point.
struct OutputPoint {
    int range;
    bool high;
};

inline constexpr int kOutputPointCount = 2 * kOutputRangeCount;
OutputPoint OutputPointAt(int index);  // index 0-9: range by range, high then low
float NominalMa(const OutputPoint& p);
// Ranges 3-5 (index 2-4) are read and typed in µA.
bool IsMicroAmpRange(int range);

// The read value of a point as the edit shows it: "%.4f" (nudged up against a float just below
// the decimal) cut to 5 characters, in mA or µA.
std::string FormatReadValue(const OutputPoint& p, float errorFraction);
// The "Error" column of a typed value in the point's unit: (read − nominal) ÷ nominal × 100,
// limited to ±99.99, "%.2f" with "+" before positive values and "%" after; no error is "0".
std::string FormatReadError(const OutputPoint& p, double typed);
// The nominal value as the point's button names it ("210.0mA" ... "2.100um").
const char* PointCaption(int index);
// The printed table: the column captions, then one tab-separated line per range with both
// points' caption, typed value and error; none while a typed value is no number.
std::optional<std::vector<std::string>> CalibrationPrintLines(
    const std::array<std::string, kOutputPointCount>& typed);

// A read value further than this fraction from its output point is a misreading, not an
// error of the instrument: stored, it would bend every later current of the range by as much.
inline constexpr double kReadValueBand = 0.20;

struct ReadValueRange {
    double lowest;  // in the point's unit
    double highest;
};
ReadValueRange ReadValueRangeOf(const OutputPoint& p);
// "Range of values are from  168  to  252." for the 210 mA point.
std::string ReadValueRangeText(const OutputPoint& p);

enum class ReadingFault { None, NotANumber, OutOfRange };

// The block from a typed value per point (in the point's unit); none when one is no number
// or lies outside its point's range, which `badPoint` and `fault` then name.
std::optional<CurrentCalibration> CalibrationFromReadings(
    const std::array<std::string, kOutputPointCount>& typed, int* badPoint = nullptr,
    ReadingFault* fault = nullptr);

}  // namespace klv
