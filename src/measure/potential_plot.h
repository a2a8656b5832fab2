#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "measure/potential_trace.h"

namespace klv {

// Full scales of the graph in mV, 0 = "AUTO"; ms of trace per pixel column.
inline constexpr std::array<std::int32_t, 5> kFullScales = {0, 10000, 5000, 1000, 500};
inline constexpr std::array<std::int32_t, 6> kTimesPerPixel = {100, 200, 400, 800, 1600, 3200};
inline constexpr int kCursorCount = 5;
inline constexpr int kCursorUnplaced = -1;
inline constexpr int kDifferenceCount = kCursorCount * (kCursorCount - 1) / 2;

// The list index of a stored value; "AUTO" and "0.2[S]" for a value not in the list.
int FullScaleIndex(std::int32_t fullScale);
int TimePerPixelIndex(std::int32_t timePerPixel);

struct PlotLimits {
    std::int32_t lower = 0;
    std::int32_t upper = 0;
};
// The automatic scale snaps to 20 mV steps and spans at least 20 mV.
PlotLimits ComputeScale(std::int32_t fullScale, std::int32_t minimum, std::int32_t maximum);
// The limits a file brings, each kept inside the instrument's ±10 V; the computed scale when
// they leave no span.
PlotLimits LimitsFromFile(PlotLimits stored, std::int32_t fullScale, std::int32_t minimum,
                          std::int32_t maximum);

// Pixel columns that the samples fill.
std::int32_t PixelCount(std::int32_t interval, std::int32_t count, std::int32_t timePerPixel);
// A cursor keeps its place in time when the time per pixel changes.
int ConvertCursor(int column, std::int32_t from, std::int32_t to);
// The sample a column shows; may lie beyond the samples.
std::int64_t SampleIndexAt(std::int64_t column, std::int32_t timePerPixel, std::int32_t interval);
// The potential at a column: its sample, or 0 beyond the data.
std::int32_t PotentialAt(std::span<const std::int32_t> samples, int column,
                         std::int32_t timePerPixel, std::int32_t interval);

// The lowest and highest sample of one pixel column.
struct ColumnExtremes {
    std::int32_t low;
    std::int32_t high;
};
// The columns first .. first + width − 1 that hold data; the rest are left out.
std::vector<ColumnExtremes> VisibleColumns(std::span<const std::int32_t> samples, int first,
                                           int width, std::int32_t timePerPixel,
                                           std::int32_t interval);

// Vertical mapping of the plot rectangle (top and bottom in pixels, bottom exclusive).
int PlotY(std::int32_t mv, PlotLimits limits, int top, int bottom);
std::int32_t PotentialAtY(int y, PlotLimits limits, int top, int bottom);

// "%5dmV", or "   10 V" / "  -10 V" at the ends of the range.
std::string PotentialLabel(std::int32_t mv);
// The thickness at a column: a 6-character number with the row's decimals.
std::string ThicknessText(const TraceCondition& c, int column, std::int32_t timePerPixel);
// The unit of the readouts: "CNT" around alloy layers and with the WT gasket.
std::string ReadoutUnit(const TraceCondition& c);
// Pixel columns between two thickness ticks for a font of `charWidth` pixels.
int TickSpacing(int charWidth);

struct CursorReadouts {
    std::array<std::string, kCursorCount> cursors;
    std::array<std::string, kDifferenceCount> differences;  // 1-2, 1-3 … 4-5
};
CursorReadouts MakeCursorReadouts(std::span<const std::int32_t> samples,
                                  const std::array<int, kCursorCount>& columns,
                                  const TraceCondition& c, std::int32_t timePerPixel,
                                  std::int32_t interval);
// The number a readout line offers to the thickness input, or "" when it offers none.
std::string ReadoutNumber(const std::string& line);

// Scroll bar: its range spans the data or at least one page.
int ScrollColumns(int plotWidth, std::int32_t pixelCount);
int LastScrollPosition(int plotWidth, std::int32_t pixelCount);

}  // namespace klv
