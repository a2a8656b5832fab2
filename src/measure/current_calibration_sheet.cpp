#include "measure/current_calibration_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/number_parse.h"

namespace klv {
namespace {

constexpr double kMicroPerMilli = 1000.0;

double InPointUnit(const OutputPoint& p, double mA) {
    return IsMicroAmpRange(p.range) ? mA * kMicroPerMilli : mA;
}

}  // namespace

OutputPoint OutputPointAt(int index) {
    return {index / 2, index % 2 == 0};
}

float NominalMa(const OutputPoint& p) {
    const OutputRange& r = OutputRangeTable[static_cast<std::size_t>(p.range)];
    return p.high ? r.highMa : r.lowMa;
}

bool IsMicroAmpRange(int range) {
    return range >= 2;
}

std::string FormatReadValue(const OutputPoint& p, float errorFraction) {
    const double mA = (1.0 + static_cast<double>(errorFraction)) * NominalMa(p);
    const double shown = IsMicroAmpRange(p.range) ? mA * 1000.01 : mA * 1.00001;
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", shown);
    std::string s(text);
    s.resize(std::min<std::size_t>(s.size(), 5));
    return s;
}

std::string FormatReadError(const OutputPoint& p, double typed) {
    const double nominal = InPointUnit(p, NominalMa(p));
    const double percent = std::clamp((typed - nominal) / nominal * 100.0, -99.99, 99.99);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", percent);
    const std::string s(text);
    if (s == "0.00" || s == "-0.00")
        return "0";
    return (percent > 0 ? "+" : "") + s + "%";
}

ReadValueRange ReadValueRangeOf(const OutputPoint& p) {
    const double nominal = InPointUnit(p, NominalMa(p));
    return {nominal * (1.0 - kReadValueBand), nominal * (1.0 + kReadValueBand)};
}

std::string ReadValueRangeText(const OutputPoint& p) {
    const ReadValueRange range = ReadValueRangeOf(p);
    char text[96];
    std::snprintf(text, sizeof text, "Range of values are from  %.4g  to  %.4g.", range.lowest,
                  range.highest);
    return text;
}

std::optional<CurrentCalibration> CalibrationFromReadings(
    const std::array<std::string, kOutputPointCount>& typed, int* badPoint, ReadingFault* fault) {
    CurrentCalibration cal;
    for (int i = 0; i < kOutputPointCount; ++i) {
        const OutputPoint p = OutputPointAt(i);
        const std::optional<double> value = ParseFloat(typed[static_cast<std::size_t>(i)]);
        const double error = value ? *value / InPointUnit(p, NominalMa(p)) - 1.0 : 0.0;
        // The ends of the band are values one may read.
        const ReadingFault found = !value ? ReadingFault::NotANumber
                                   : std::fabs(error) > kReadValueBand + 1e-9
                                       ? ReadingFault::OutOfRange
                                       : ReadingFault::None;
        if (found != ReadingFault::None) {
            if (badPoint != nullptr)
                *badPoint = i;
            if (fault != nullptr)
                *fault = found;
            return std::nullopt;
        }
        cal.fErrors[static_cast<std::size_t>(i)] = static_cast<float>(error);
    }
    return cal;
}

const char* PointCaption(int index) {
    static constexpr std::array<const char*, kOutputPointCount> kCaptions = {
        "210.0mA", "21.00mA", "21.00mA", "2.100mA", "2100um",
        "210.0um", "210.0um", "21.00um", "21.00um", "2.100um"};
    return kCaptions.at(static_cast<std::size_t>(index));
}

std::optional<std::vector<std::string>> CalibrationPrintLines(
    const std::array<std::string, kOutputPointCount>& typed) {
    // Any numbers are printed: the sheet records what was read, right or wrong.
    for (const std::string& t : typed) {
        if (!ParseFloat(t))
            return std::nullopt;
    }
    std::vector<std::string> lines = {"Hi output\tRead value\tError\tLo output\tRead value\tError"};
    for (int range = 0; range < kOutputRangeCount; ++range) {
        std::string line;
        for (int i = 2 * range; i < 2 * range + 2; ++i) {
            const auto k = static_cast<std::size_t>(i);
            line += (line.empty() ? "" : "\t") + std::string(PointCaption(i)) + "\t" + typed[k] +
                    "\t" + FormatReadError(OutputPointAt(i), *ParseFloat(typed[k]));
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace klv
