#include "measure/potential_plot.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "reference/resolution_table.h"

namespace klv {
namespace {

TEST(PotentialPlot, AutomaticAndFixedScale) {
    struct Case {
        std::int32_t fullScale, minimum, maximum, lower, upper;
    };
    const Case cases[] = {
        {0, -35, 241, -40, 260},
        {0, 9995, 9995, 9980, 10000},
        {0, 40, 40, 40, 60},
        {0, -20, -20, -20, 0},
        {0, 0, 10000, 0, 10000},
        {5000, -35, 241, 0, 5000},
        {0, -10000, -9999, -10000, -9980},
        // A damaged file's samples beyond the instrument's ±10 V.
        {0, INT32_MIN, INT32_MAX, -10000, 10000},
        {0, -545324540, 2147241240, -10000, 10000},
    };
    for (const Case& c : cases) {
        const PlotLimits l = ComputeScale(c.fullScale, c.minimum, c.maximum);
        EXPECT_EQ(l.lower, c.lower) << c.minimum << ".." << c.maximum;
        EXPECT_EQ(l.upper, c.upper) << c.minimum << ".." << c.maximum;
    }
}

TEST(PotentialPlot, LimitsOfADamagedFileMapWithoutOverflow) {
    const PlotLimits wide{INT32_MIN, INT32_MAX};
    EXPECT_EQ(PlotY(INT32_MIN, wide, 0, 101), 100);
    EXPECT_EQ(PlotY(INT32_MAX, wide, 0, 101), 0);
    EXPECT_EQ(PlotY(0, {5, 5}, 0, 101), 600) << "an empty span counts as one mV";
    EXPECT_EQ(PotentialAtY(0, wide, 0, 100), INT32_MAX);
    EXPECT_EQ(PotentialAtY(100, wide, 0, 100), INT32_MIN);
}

TEST(PotentialPlot, LimitsFromAFileStayInsideTheInstrumentsRange) {
    struct Case {
        PlotLimits stored;
        std::int32_t lower, upper;
    };
    const Case cases[] = {
        {{-40, 260}, -40, 260},
        {{INT32_MIN, INT32_MAX}, -10000, 10000},
        {{-20000, 3}, -10000, 3},
        {{7, 99999}, 7, 10000},
        // No span left: the scale of the samples (-35..241, "AUTO").
        {{300, 300}, -40, 260},
        {{INT32_MAX, INT32_MIN}, -40, 260},
        {{20000, 30000}, -40, 260},
    };
    for (const Case& c : cases) {
        const PlotLimits l = LimitsFromFile(c.stored, 0, -35, 241);
        EXPECT_EQ(l.lower, c.lower) << c.stored.lower << ".." << c.stored.upper;
        EXPECT_EQ(l.upper, c.upper) << c.stored.lower << ".." << c.stored.upper;
    }
}

TEST(PotentialPlot, PixelCountAndCursorsFollowTheTimePerPixel) {
    EXPECT_EQ(PixelCount(100, 200, 400), 50);
    EXPECT_EQ(PixelCount(100, 200, 100), 200);
    EXPECT_EQ(ConvertCursor(10, 400, 100), 40);
    EXPECT_EQ(ConvertCursor(40, 100, 3200), 1);
    EXPECT_EQ(ConvertCursor(kCursorUnplaced, 400, 100), kCursorUnplaced);
    EXPECT_EQ(ConvertCursor(10, 400, 0), 10) << "no time per pixel leaves the cursor";
    EXPECT_EQ(ConvertCursor(10, 400, 1), 4000);
    // Ten hours at 100 ms do not overflow.
    EXPECT_EQ(PixelCount(100, 360000, 100), 360000);
    EXPECT_EQ(FullScaleIndex(500), 4);
    EXPECT_EQ(FullScaleIndex(123), 0);
    EXPECT_EQ(TimePerPixelIndex(3200), 5);
    EXPECT_EQ(TimePerPixelIndex(300), 1);
}

TEST(PotentialPlot, VisibleColumnsTakeMinAndMaxOfTheirSamples) {
    const std::vector<std::int32_t> s = {5, 1, 9, 3, 7, 2, 8};
    auto cols = VisibleColumns(s, 0, 10, 200, 100);
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[0].low, 1);
    EXPECT_EQ(cols[0].high, 5);
    EXPECT_EQ(cols[1].low, 3);
    EXPECT_EQ(cols[1].high, 9);
    EXPECT_EQ(cols[3].low, 8);
    EXPECT_EQ(cols[3].high, 8);
    cols = VisibleColumns(s, 2, 1, 200, 100);
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].low, 2);
    EXPECT_EQ(cols[0].high, 7);
    // Columns shorter than a sample repeat it.
    cols = VisibleColumns(s, 0, 4, 100, 400);
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(cols[3].high, 5);
    EXPECT_TRUE(VisibleColumns(s, 7, 5, 100, 100).empty());
}

TEST(PotentialPlot, VerticalMappingAndLabels) {
    const PlotLimits l{0, 1000};
    EXPECT_EQ(PlotY(0, l, 0, 101), 100);
    EXPECT_EQ(PlotY(1000, l, 0, 101), 0);
    EXPECT_EQ(PlotY(500, l, 0, 101), 50);
    EXPECT_EQ(PotentialAtY(100, l, 0, 100), 0);
    EXPECT_EQ(PotentialAtY(25, l, 0, 100), 750);
    EXPECT_EQ(PotentialLabel(241), "  241mV");
    EXPECT_EQ(PotentialLabel(-35), "  -35mV");
    EXPECT_EQ(PotentialLabel(10000), "   10 V");
    EXPECT_EQ(PotentialLabel(-10000), "  -10 V");
    EXPECT_EQ(TickSpacing(7), 200);
    EXPECT_EQ(TickSpacing(6), 100);
}

TEST(PotentialPlot, CursorReadoutsAndTheirNumbers) {
    TraceCondition c;
    c.unit = 1;
    c.range = 2;
    c.row = FindResolution(1, 2);  // 800 ms a count, one decimal
    std::vector<std::int32_t> s(100, 0);
    s[10] = 1500;
    s[40] = 250;
    // 400 ms per pixel: column 20 is sample 80, 10 counts, 1.0 µm.
    std::array<int, kCursorCount> cols = {5, 20, -1, -1, -1};
    s[20] = 1500;
    const CursorReadouts r = MakeCursorReadouts(s, cols, c, 400, 100);
    EXPECT_EQ(r.cursors[0], "V1   1500mV    0.2 um");
    EXPECT_EQ(r.cursors[1], "V2      0mV    1.0 um");
    EXPECT_EQ(r.cursors[2], "V3");
    EXPECT_EQ(r.differences[0], "1-2  1500mV    0.8 um");
    EXPECT_EQ(r.differences[1], "1-3");
    EXPECT_EQ(r.differences[9], "4-5");
    EXPECT_EQ(ReadoutNumber(r.cursors[0]), "0.2");
    EXPECT_EQ(ReadoutNumber(r.differences[0]), "0.8");
    EXPECT_EQ(ReadoutNumber("V3"), "");
    c.displayMode = 3;
    EXPECT_EQ(MakeCursorReadouts(s, cols, c, 400, 100).cursors[1], "V2      0mV    1.0 CNT");
    // A damaged file's samples: the difference is shown as it is, not wrapped around.
    s[20] = INT32_MAX;
    s[80] = INT32_MIN;
    EXPECT_EQ(MakeCursorReadouts(s, cols, c, 400, 100).differences[0].substr(0, 17),
              "1-2 4294967295mV ");
}

}  // namespace
}  // namespace klv
