#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "base/number_parse.h"

namespace klv {
namespace {

TEST(FitNumberText, ShortTextsAreTrimmedAndRightAligned) {
    EXPECT_EQ(FitNumberText("12.3", 6), "  12.3");
    EXPECT_EQ(FitNumberText("  7  ", 4), "   7");
    EXPECT_EQ(FitNumberText("123456", 6), "123456");
}

TEST(FitNumberText, LongTextsAreCutWithoutRounding) {
    EXPECT_EQ(FitNumberText("1.234568", 6), "1.2345");
    EXPECT_EQ(FitNumberText("12.999", 4), "12.9");
    // A cut that ends at the point drops it and keeps the width.
    EXPECT_EQ(FitNumberText("12345.67", 6), " 12345");
    EXPECT_EQ(FitNumberText("-123.45", 5), " -123");
    EXPECT_EQ(FitNumberText("-1234.5", 5), "-1234");
}

TEST(FitNumberText, IntegerPartsThatDoNotFitBecomeNines) {
    EXPECT_EQ(FitNumberText("1234567.89", 6), "999999");
    EXPECT_EQ(FitNumberText("-1234567.89", 6), "-99999");
    EXPECT_EQ(FitNumberText("12345678", 6), "999999");
    EXPECT_EQ(FitNumberText("1.#INF00", 6), "999999");
    EXPECT_EQ(FitNumberText("-inf", 6), "-99999");
    EXPECT_EQ(FitNumberText("nan", 6), "999999");
}

TEST(FormatNumberWidth, RoundsHalfUpAndDropsTrailingZeros) {
    EXPECT_EQ(FormatNumberWidth(0.8270f, 6), "0.827");
    EXPECT_EQ(FormatNumberWidth(89.02f, 6), "89.02");
    EXPECT_EQ(FormatNumberWidth(1.25, 3), "1.3");
    EXPECT_EQ(FormatNumberWidth(2.0, 6), "2");
    EXPECT_EQ(FormatNumberWidth(123456.0, 6), "123456");
}

TEST(FormatNumberWidth, CarriesRunAcrossThePointAndPastTheFirstDigit) {
    EXPECT_EQ(FormatNumberWidth(999.9999f, 6), "1000");
    EXPECT_EQ(FormatNumberWidth(9.99, 3), "10");
    EXPECT_EQ(FormatNumberWidth(-9.99, 4), "-10");
    EXPECT_EQ(FormatNumberWidth(99999.7, 6), "100000");
    // Rounding at the point decides by the first decimal.
    EXPECT_EQ(FormatNumberWidth(123456.7, 6), "123457");
}

TEST(FormatNumberWidth, TooWideValuesBecomeNines) {
    EXPECT_EQ(FormatNumberWidth(999999.7, 6), "999999");
    EXPECT_EQ(FormatNumberWidth(1234567.0, 6), "999999");
    EXPECT_EQ(FormatNumberWidth(-123456.0, 6), "-99999");
    EXPECT_EQ(FormatNumberWidth(std::numeric_limits<double>::infinity(), 6), "999999");
}

TEST(FormatNumberWidth, NegativeZeroIsZero) {
    EXPECT_EQ(FormatNumberWidth(-0.0000001, 6), "0");
    EXPECT_EQ(FormatNumberWidth(-0.0, 6), "0");
}

// printf is the reference: every text of the program was printed with it so far.
std::string Printf(double value, int decimals) {
    char text[512];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

TEST(FormatFixed, GivesPrintfsDigitsForEveryPrecision) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  1.5,
                                  2.5,
                                  -2.5,
                                  0.125,
                                  0.375,
                                  -0.125,
                                  2.675,
                                  1.005,
                                  0.045,
                                  -0.05,
                                  9.9999995,
                                  99.95,
                                  999999.5,
                                  1e-7,
                                  -1e-7,
                                  4.9e-324,
                                  1e15,
                                  123456789.125,
                                  1e20,
                                  -1e22,
                                  1e300,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    // Values as the program has them: floats of thicknesses, weights and their sums.
    std::uint32_t seed = 12345;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double magnitude = std::pow(10.0, static_cast<int>(seed % 13) - 6);
        const double x = static_cast<double>(seed >> 8) / 16777216.0 * magnitude;
        values.push_back(static_cast<float>(i % 2 == 0 ? x : -x));
        values.push_back(x);
    }
    // Exact halves at every place: the rounding of ties must be printf's.
    for (int places = 0; places <= 6; ++places) {
        for (int m = 1; m < 200; m += 2)
            values.push_back(m * 0.5 / std::pow(2.0, places));
    }
    for (double v : values) {
        for (int decimals = 0; decimals <= 10; ++decimals)
            ASSERT_EQ(FormatFixed(v, decimals), Printf(v, decimals)) << v << " " << decimals;
    }
    EXPECT_EQ(FormatFixed(2.5, kPrintfDecimals), "2.500000");
    EXPECT_EQ(FormatFixed(2.5, -1), "2.500000") << "a layer without decimals prints as \"%f\"";
}

TEST(FormatPercent, SignMagnitudeAndAlignment) {
    EXPECT_EQ(FormatPercent(1.234, false), "+1.23%");
    EXPECT_EQ(FormatPercent(-0.5, false), "-0.5%");
    EXPECT_EQ(FormatPercent(-0.5, true), "- 0.5%");
    EXPECT_EQ(FormatPercent(0.0, false), " 0%");
    EXPECT_EQ(FormatPercent(0.0, true), "    0%");
    EXPECT_EQ(FormatPercent(-0.00001, false), " 0%");
}

TEST(ParseNumber, IntegersAcceptSignsAndBlanks) {
    EXPECT_EQ(ParseInt("12"), 12);
    EXPECT_EQ(ParseInt("  -7 "), -7);
    EXPECT_EQ(ParseInt("+ 15"), 15);
    EXPECT_EQ(ParseInt("- 5"), -5);  // the blank behind the sign does not make it 0
    EXPECT_EQ(ParseInt("12."), 12);
    EXPECT_EQ(ParseInt("999999999"), 999999999);
}

TEST(ParseNumber, IntegersRefuseFractionsExponentsAndJunk) {
    for (const char* bad : {"1.5", "1e3", "12a", "", " ", "-", "1 2", "1234567890", "..5",
                            "12345678901234567890", "0x10"})
        EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
    EXPECT_EQ(ParseInt("0000000000000000001"), std::nullopt);  // 19 digits before the point
}

TEST(ParseNumber, FloatsTakeOnePoint) {
    EXPECT_EQ(ParseFloat("1.5"), 1.5);
    EXPECT_EQ(ParseFloat(" .5"), 0.5);
    EXPECT_EQ(ParseFloat("- 2.25 "), -2.25);
    EXPECT_EQ(ParseFloat("123456789.125"), 123456789.125);
    for (const char* bad : {"1.2.3", "1e3", "1234567890.5", "abc", "+", "1.5x", "inf", "nan"})
        EXPECT_FALSE(ParseFloat(bad).has_value()) << bad;
    EXPECT_FALSE(ParseFloat("1." + std::string(18, '0')).has_value());  // 20 characters
    EXPECT_EQ(ParseFloat("1." + std::string(17, '0')), 1.0);
}

}  // namespace
}  // namespace klv
