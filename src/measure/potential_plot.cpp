#include "measure/potential_plot.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "base/number_format.h"
#include "reference/unit_gasket_tables.h"

namespace klv {

namespace {

constexpr std::int32_t kScaleStep = 20;
constexpr std::int32_t kTopMv = 10000;
constexpr int kTickChars = 15;
constexpr int kTickStep = 100;
// Where the number of a readout line starts: after "V1  " and the potential with its blank.
constexpr std::size_t kReadoutNumberStart = 12;
constexpr std::size_t kReadoutMinLength = 18;

template <std::size_t N>
int IndexIn(const std::array<std::int32_t, N>& list, std::int32_t value, int fallback) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? fallback : static_cast<int>(it - list.begin());
}

std::int32_t FloorTo(std::int32_t v, std::int32_t step) {
    const std::int32_t q = v / step;
    return (v % step != 0 && v < 0 ? q - 1 : q) * step;
}

std::int32_t CeilTo(std::int32_t v, std::int32_t step) {
    const std::int32_t q = v / step;
    return (v % step != 0 && v > 0 ? q + 1 : q) * step;
}

std::string Printf(const char* format, int a, int b = 0) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string PlainMv(std::int64_t mv) {
    char text[32];
    std::snprintf(text, sizeof text, "%5lldmV", static_cast<long long>(mv));
    return text;
}

double ThicknessValue(const TraceCondition& c, int column, std::int32_t timePerPixel) {
    // Every resolution row has a count period and a scale.
    if (c.row == nullptr)
        return 0.0;
    const std::int64_t counts =
        std::int64_t{column} * timePerPixel / std::int64_t{c.row->countPeriodMs};
    return static_cast<double>(counts) / c.row->scale;
}

std::string ThicknessNumber(const TraceCondition& c, double value) {
    return FitNumberText(FormatFixed(value, c.row != nullptr ? c.row->decimals : 0), 6);
}

}  // namespace

int FullScaleIndex(std::int32_t fullScale) {
    return IndexIn(kFullScales, fullScale, 0);
}

int TimePerPixelIndex(std::int32_t timePerPixel) {
    return IndexIn(kTimesPerPixel, timePerPixel, 1);
}

PlotLimits ComputeScale(std::int32_t fullScale, std::int32_t minimum, std::int32_t maximum) {
    if (fullScale != 0)
        return {0, fullScale};
    // The instrument reads ±10 V; a damaged file's samples beyond it must not overflow the scale.
    minimum = std::clamp(minimum, -kTopMv, kTopMv);
    maximum = std::clamp(maximum, -kTopMv, kTopMv);
    PlotLimits l{FloorTo(minimum, kScaleStep), CeilTo(maximum, kScaleStep)};
    if (l.upper - l.lower < kScaleStep) {
        l.upper = l.lower + kScaleStep;
        if (l.upper > kTopMv)
            l = {kTopMv - kScaleStep, kTopMv};
    }
    return l;
}

PlotLimits LimitsFromFile(PlotLimits stored, std::int32_t fullScale, std::int32_t minimum,
                          std::int32_t maximum) {
    const PlotLimits l{std::clamp(stored.lower, -kTopMv, kTopMv),
                       std::clamp(stored.upper, -kTopMv, kTopMv)};
    if (l.upper - l.lower < 1)
        return ComputeScale(fullScale, minimum, maximum);
    return l;
}

std::int32_t PixelCount(std::int32_t interval, std::int32_t count, std::int32_t timePerPixel) {
    if (timePerPixel <= 0)
        return 0;
    return static_cast<std::int32_t>(std::int64_t{interval} * count / timePerPixel);
}

int ConvertCursor(int column, std::int32_t from, std::int32_t to) {
    if (column < 0 || to <= 0)
        return column;
    return static_cast<int>(std::int64_t{column} * from / to);
}

std::int64_t SampleIndexAt(std::int64_t column, std::int32_t timePerPixel, std::int32_t interval) {
    return interval > 0 ? column * timePerPixel / interval : 0;
}

std::int32_t PotentialAt(std::span<const std::int32_t> samples, int column,
                         std::int32_t timePerPixel, std::int32_t interval) {
    const std::int64_t i = SampleIndexAt(column, timePerPixel, interval);
    return i >= 0 && i < static_cast<std::int64_t>(samples.size())
               ? samples[static_cast<std::size_t>(i)]
               : 0;
}

std::vector<ColumnExtremes> VisibleColumns(std::span<const std::int32_t> samples, int first,
                                           int width, std::int32_t timePerPixel,
                                           std::int32_t interval) {
    std::vector<ColumnExtremes> columns;
    const auto size = static_cast<std::int64_t>(samples.size());
    columns.reserve(static_cast<std::size_t>(std::max(width, 0)));
    for (int u = std::max(first, 0); u < first + width; ++u) {
        const std::int64_t begin = SampleIndexAt(u, timePerPixel, interval);
        if (begin >= size)
            break;
        // A column shorter than a sample still shows the sample it lies in.
        const std::int64_t end =
            std::clamp(SampleIndexAt(std::int64_t{u} + 1, timePerPixel, interval), begin + 1, size);
        const auto lo = samples.begin() + begin;
        const auto [mn, mx] = std::minmax_element(lo, samples.begin() + end);
        columns.push_back({*mn, *mx});
    }
    return columns;
}

int PlotY(std::int32_t mv, PlotLimits limits, int top, int bottom) {
    const std::int64_t span = std::max<std::int64_t>(std::int64_t{limits.upper} - limits.lower, 1);
    const std::int64_t height = bottom - top;
    const std::int64_t y = bottom - (std::int64_t{mv} - limits.lower) * (height - 1) / span - 1;
    return static_cast<int>(std::clamp<std::int64_t>(y, INT32_MIN / 2, INT32_MAX / 2));
}

std::int32_t PotentialAtY(int y, PlotLimits limits, int top, int bottom) {
    if (bottom <= top)
        return limits.lower;
    const std::int64_t mv =
        limits.lower + (std::int64_t{limits.upper} - limits.lower) * (bottom - y) / (bottom - top);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(mv, INT32_MIN, INT32_MAX));
}

std::string PotentialLabel(std::int32_t mv) {
    if (mv >= kTopMv)
        return "   10 V";
    if (mv <= -kTopMv)
        return "  -10 V";
    return PlainMv(mv);
}

std::string ThicknessText(const TraceCondition& c, int column, std::int32_t timePerPixel) {
    return ThicknessNumber(c, ThicknessValue(c, column, timePerPixel));
}

std::string ReadoutUnit(const TraceCondition& c) {
    return c.displayMode == 2 || c.displayMode == 3 ? std::string("CNT")
                                                    : std::string(GetUnitName(c.unit));
}

int TickSpacing(int charWidth) {
    const int wanted = std::max(kTickChars * charWidth, 1);
    return (wanted + kTickStep - 1) / kTickStep * kTickStep;
}

CursorReadouts MakeCursorReadouts(std::span<const std::int32_t> samples,
                                  const std::array<int, kCursorCount>& columns,
                                  const TraceCondition& c, std::int32_t timePerPixel,
                                  std::int32_t interval) {
    CursorReadouts r;
    const std::string unit = ReadoutUnit(c);
    for (int k = 0; k < kCursorCount; ++k) {
        r.cursors[k] = Printf("V%d", k + 1);
        if (columns[k] < 0)
            continue;
        r.cursors[k] += "  " +
                        PotentialLabel(PotentialAt(samples, columns[k], timePerPixel, interval)) +
                        " " + ThicknessText(c, columns[k], timePerPixel) + " " + unit;
    }
    int n = 0;
    for (int i = 0; i < kCursorCount; ++i) {
        for (int j = i + 1; j < kCursorCount; ++j, ++n) {
            std::string& line = r.differences[n];
            line = Printf("%d-%d", i + 1, j + 1);
            if (columns[i] < 0 || columns[j] < 0)
                continue;
            // Wide enough for the samples of a damaged file.
            const std::int64_t dv =
                std::int64_t{PotentialAt(samples, columns[i], timePerPixel, interval)} -
                PotentialAt(samples, columns[j], timePerPixel, interval);
            const double dt = std::abs(ThicknessValue(c, columns[i], timePerPixel) -
                                       ThicknessValue(c, columns[j], timePerPixel));
            line += " " + PlainMv(dv) + " " + ThicknessNumber(c, dt) + " " + unit;
        }
    }
    return r;
}

std::string ReadoutNumber(const std::string& line) {
    if (line.size() <= kReadoutMinLength)
        return {};
    std::size_t i = kReadoutNumberStart;
    while (i < line.size() && line[i] == ' ')
        ++i;
    std::size_t end = i;
    while (end < line.size() && ((line[end] >= '0' && line[end] <= '9') || line[end] == '.'))
        ++end;
    return line.substr(i, end - i);
}

int ScrollColumns(int plotWidth, std::int32_t pixelCount) {
    return std::max(plotWidth, static_cast<int>(pixelCount));
}

int LastScrollPosition(int plotWidth, std::int32_t pixelCount) {
    return std::max(0, static_cast<int>(pixelCount) - plotWidth);
}

}  // namespace klv
