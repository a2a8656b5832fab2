#include "reference/unit_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reference/meas_file_data.h"
#include "reference/wt_coefficient.h"

namespace klv {
namespace {

MeasFileData OneLayer(int unit, int range) {
    MeasFileData d = NewMeasFileData();
    d.bUnit = static_cast<std::uint8_t>(unit);
    d.coat[0].bCode = 5;
    d.coat[0].bRange = static_cast<std::uint8_t>(range);
    return d;
}

TEST(UnitConversion, ToAndFromTheUnit) {
    EXPECT_FLOAT_EQ(FromUnit(1234 / 100.0f, 3), 313.436f);
    EXPECT_FLOAT_EQ(ToUnit(313.436f, 3), 12.34f);
    EXPECT_FLOAT_EQ(ToUnit(0.5f, 2), 500.0f);
    EXPECT_FLOAT_EQ(ToUnit(1.0f, 4), 39.370079f);
    EXPECT_EQ(ToUnit(7.5f, 1), 7.5f);
    // A garbage unit code neither divides by zero nor scales.
    EXPECT_EQ(ToUnit(7.5f, 0), 7.5f);
    EXPECT_EQ(FromUnit(7.5f, 200), 7.5f);
}

TEST(UnitConversion, CountForThicknessRoundsHalfUp) {
    EXPECT_EQ(CountForThickness(12.3449f, 1, 3), 1234);
    EXPECT_EQ(CountForThickness(12.3451f, 1, 3), 1235);
    EXPECT_EQ(CountForThickness(10.0f, 1, 1), 100);
    EXPECT_EQ(CountForThickness(25.4f, 3, 8), 10000);
    EXPECT_EQ(CountForThickness(1.0f, 2, 6), 1000);
    EXPECT_EQ(CountForThickness(1.0f, 2, 3), 0) << "nm with 4/10 has no resolution";
    // Float counts step by 128 below 2^31: the last one below and 2^31 itself.
    EXPECT_EQ(CountForThickness(2147483.5f, 1, 8), 2147483520);
    EXPECT_EQ(CountForThickness(2147483.75f, 1, 8), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CountForThickness(1e30f, 1, 8), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CountForThickness(-1e30f, 1, 8), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CountForThickness(std::nanf(""), 1, 8), 0);
}

TEST(UnitConversion, CutToResolutionTruncatesTowardZero) {
    EXPECT_FLOAT_EQ(CutToResolution(0.19f, OneLayer(1, 2), 0), 0.1f);
    EXPECT_FLOAT_EQ(CutToResolution(-0.19f, OneLayer(1, 2), 0), -0.1f);
    EXPECT_FLOAT_EQ(CutToResolution(40.0f, OneLayer(3, 1), 0), 1.57f);
    EXPECT_FLOAT_EQ(CutToResolution(0.1f, OneLayer(3, 1), 0), 0.0f);
    EXPECT_FLOAT_EQ(CutToResolution(40.0f, OneLayer(4, 3), 0), 1574.0f);
    EXPECT_FLOAT_EQ(CutToResolution(0.1f, OneLayer(1, 2), 0), 0.1f);
    // No resolution row: converted, not cut.
    EXPECT_FLOAT_EQ(CutToResolution(0.0405f, OneLayer(2, 2), 0), 40.5f);
    EXPECT_FLOAT_EQ(CutToResolution(0.19f, OneLayer(1, 2), 9), 0.19f);
    EXPECT_EQ(GetLayerDecimals(OneLayer(3, 8), 0), 4);
    EXPECT_EQ(GetLayerDecimals(OneLayer(2, 1), 0), -1);
}

TEST(WtCoefficient, GeometryOfEachMode) {
    MeasFileData d = NewMeasFileData();
    d.bGasket = 4;
    d.bWtMode = kWtModeSmallParts;
    d.fWtArea = 18.586f;
    EXPECT_FLOAT_EQ(GetWtCoefficient(d), 0.5f);
    d.bWtMode = kWtModeRoundRod;
    d.fWtDiameter = 0.5f;
    d.fWtLength = 2.958f;
    EXPECT_FLOAT_EQ(GetWtCoefficient(d), 2.0f);
    d.bWtMode = kWtModeSquareRod;
    d.fWtSideA = 1.0f;
    d.fWtSideB = 1.5f;
    d.fWtLength = 4.645f;
    EXPECT_FLOAT_EQ(GetWtCoefficient(d), 0.4f);
    d.fWtLength = 0.0f;
    EXPECT_EQ(GetWtCoefficient(d), 0.0f) << "no surface, no division by zero";
    d.bWtMode = kWtModeDirect;
    d.fWtCoef = 0.7f;
    EXPECT_EQ(GetWtCoefficient(d), 0.0f);
    d.bWtMode = kWtModeNone;
    EXPECT_EQ(GetWtCoefficient(d), 0.0f);
}

TEST(WtCoefficient, ValidOnlyWhenNothingIsInputLater) {
    MeasFileData d = NewMeasFileData();
    d.bGasket = 4;
    d.bWtMode = kWtModeSmallParts;
    d.fWtArea = 9.293f;
    ApplyWtCoefficient(d);
    EXPECT_FLOAT_EQ(d.fWtCoef, 1.0f);
    EXPECT_NE(d.bWtFlags & kWtCoefValid, 0);

    d.bWtFlags |= kWtAreaLater;
    ApplyWtCoefficient(d);
    EXPECT_EQ(d.bWtFlags & kWtCoefValid, 0);
    EXPECT_EQ(GetWtLaterFlag(kWtModeSmallParts), kWtAreaLater);
    EXPECT_EQ(GetWtLaterFlag(kWtModeRoundRod), kWtLengthLater);
    EXPECT_EQ(GetWtLaterFlag(kWtModeSquareRod), kWtLengthLater);
    EXPECT_EQ(GetWtLaterFlag(kWtModeDirect), kWtCoefLater);

    // A later flag of another mode does not hold this one back.
    d.bWtFlags = kWtLengthLater;
    ApplyWtCoefficient(d);
    EXPECT_NE(d.bWtFlags & kWtCoefValid, 0);

    d.bWtMode = kWtModeDirect;
    d.bWtFlags = 0;
    d.fWtCoef = 0.0f;
    ApplyWtCoefficient(d);
    EXPECT_EQ(d.bWtFlags & kWtCoefValid, 0) << "an entered 0 is not a coefficient";
    d.fWtCoef = 0.7f;
    ApplyWtCoefficient(d);
    EXPECT_FLOAT_EQ(d.fWtCoef, 0.7f);
    EXPECT_NE(d.bWtFlags & kWtCoefValid, 0);

    d.bWtMode = kWtModeNone;  // no coefficient, and the one entered is kept
    ApplyWtCoefficient(d);
    EXPECT_EQ(d.bWtFlags & kWtCoefValid, 0);
    EXPECT_FLOAT_EQ(d.fWtCoef, 0.7f);
}

}  // namespace
}  // namespace klv
